// SPDX-License-Identifier: GPL-3.0-or-later
// The browser window's artwork: the four pictures of the selection and the move sound.
#include "common/ui/Units.h"
#include "zembra/browser/Main.h"
#include "zembra/catalogue/FileProbe.h"
#include "zembra/startup/Application.h"

namespace zembra {

common::PictureElement* Main::artElement(ArtKind kind) const {
    switch (kind) {
    case ArtKind::Marquee:
        return xMarquee;
    case ArtKind::Snap:
        return xScreen;
    case ArtKind::Flyer:
        return xFlyer;
    case ArtKind::Cabinet:
        return xCabinet;
    }
    return xMarquee;
}

bool Main::ShowFileSystemType(const std::string& file) {
    return PerNameProbe().isFile(file);
}

void Main::cabRefresh() {
    if (keyCode(state_.keys.keyExit) != 0 && !state_.settings.muted &&
        mpFX->playState() != MediaPlayer::Playing) {
        mpFX->setFileName(skinFile("pop.mp3"));
        if (!mpFX->fileName().isEmpty()) {
            mpFX->play();
        }
    }
    const int path = state_.curPath;
    if (path < 1 || path > kExtrasPath) {
        return;
    }
    const common::SkinLayout& skin = state_.skinLayout;
    const bool shown[] = {skin.showMarquee, skin.showSnap, skin.showFlyer, skin.showCabinet};
    const ItemList& list = state_.list1;
    const std::string text = list.currentText();
    for (int k = 0; k < 4; ++k) {
        const auto kind = static_cast<ArtKind>(k);
        const ArtPicture picture = artPicture(state_, kind, list.index(), text);
        state_.artFolder = picture.folder;
        state_.picFound = ShowFileSystemType(picture.tested);
        common::PictureElement* element = artElement(kind);
        // A picture that exists but does not decode shows the skin's own, not the last game's.
        element->setFallback(skinFile(info(kind).fallback));
        if (state_.picFound) {
            if (shown[k] && element->isHidden()) {
                element->show();
                element->setBackgroundColour(common::colourFromNumber(state_.scheme.bgColour));
            }
            element->setFileName(Application::nativeFile(picture.file));
            state_.viewPic = element->fileName().toStdString();
        } else if (!element->isHidden()) {
            element->setFileName(skinFile(info(kind).fallback));
            element->hide();
        }
    }
    prefetchNeighbours();
}

void Main::prefetchNeighbours() {
    // The next games in the direction of travel, decoded while the user looks at this one, so
    // a move onto them finds all four pictures ready and shows them in one frame.
    const ItemList& list = state_.list1;
    std::vector<std::pair<QString, QSize>> pictures;
    for (int step = 1; step <= 2; ++step) {
        const int index = list.index() + lastMove_ * step;
        if (index < 0 || index >= list.count()) {
            break;
        }
        for (int k = 0; k < 4; ++k) {
            const auto kind = static_cast<ArtKind>(k);
            const common::PictureElement* element = artElement(kind);
            const ArtPicture picture = artPicture(state_, kind, index, list.text(index));
            pictures.emplace_back(Application::nativeFile(picture.file),
                                  element->size() * element->devicePixelRatioF());
        }
    }
    app_.services().pictures->prefetch(pictures);
}

} // namespace zembra
