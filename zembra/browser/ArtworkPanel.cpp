// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/browser/ArtworkPanel.h"

#include "common/picture/PictureLoader.h"
#include "zembra/browser/SkinPlacement.h"
#include "zembra/catalogue/FileProbe.h"
#include "zembra/catalogue/PathList.h"
#include "zembra/input/KeyFile.h"
#include "zembra/startup/Application.h"

namespace zembra {

ArtworkPanel::ArtworkPanel(QWidget& window, ProgramState& state, common::PictureLoader& loader,
                           MediaPlayer& sound)
    : state_(state), loader_(loader), sound_(sound) {
    auto picture = [&](const char* name) {
        auto* element = new common::PictureElement(loader, &window);
        element->setObjectName(name);
        element->setFocusPolicy(Qt::NoFocus);
        element->installEventFilter(&window);
        return element;
    };
    xScreen = picture("xScreen");
    xCabinet = picture("xCabinet");
    xFlyer = picture("xFlyer");
    xMarquee = picture("xMarquee");
    // Each picture appears with the first game that has one, if the skin shows its kind.
    for (QWidget* artwork : {xScreen, xCabinet, xFlyer, xMarquee}) {
        artwork->hide();
    }
    xlogo = picture("xlogo");
    picf = new QWidget(&window);
    picf->setObjectName("picf");
    picf->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ArtworkPanel::place() {
    const common::SkinLayout& skin = state_.skinLayout;
    placement::place(xScreen, skin.snap);
    placement::place(xCabinet, skin.cabinet);
    placement::place(xFlyer, skin.flyer);
    placement::place(xMarquee, skin.marquee);
    picf->move(xCabinet->pos() + QPoint(common::twipsToPixels(3), common::twipsToPixels(3)));
    placement::place(
        xlogo, placement::drawable(skin.logoLeft, skin.logoTop, skin.logoWidth, skin.logoHeight));
}

void ArtworkPanel::setBackgroundColour(const QColor& colour) {
    xFlyer->setBackgroundColour(colour);
    xCabinet->setBackgroundColour(colour);
}

common::PictureElement* ArtworkPanel::artElement(ArtKind kind) const {
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

common::PictureElement* ArtworkPanel::pictureFor(Action move) const {
    switch (move) {
    case Action::Up:
        return xMarquee;
    case Action::Down:
        return xScreen;
    case Action::PrevPage:
        return xCabinet;
    case Action::NextPage:
        return xFlyer;
    default:
        return nullptr;
    }
}

bool ArtworkPanel::isArtwork(const QObject* element) const {
    return element == xMarquee || element == xScreen || element == xFlyer || element == xCabinet;
}

void ArtworkPanel::showLogo(bool visible, const QString& file) {
    xlogo->setVisible(visible);
    xlogo->setFileName(file);
}

void ArtworkPanel::hideAll() {
    for (QWidget* element : {static_cast<QWidget*>(xMarquee), static_cast<QWidget*>(xScreen),
                             static_cast<QWidget*>(xFlyer), static_cast<QWidget*>(xCabinet),
                             static_cast<QWidget*>(xlogo)}) {
        element->hide();
    }
}

QString ArtworkPanel::skinFile(std::string_view name) const {
    return Application::nativeFile(state_.skinFolder() + std::string(name));
}

bool ArtworkPanel::ShowFileSystemType(const std::string& file) {
    return PerNameProbe().isFile(file);
}

void ArtworkPanel::cabRefresh(int direction) {
    if (keyCode(state_.keys.keyExit) != 0 && !state_.settings.muted &&
        sound_.playState() != MediaPlayer::Playing) {
        sound_.setFileName(skinFile("pop.mp3"));
        if (!sound_.fileName().isEmpty()) {
            sound_.play();
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
    prefetchNeighbours(direction);
}

void ArtworkPanel::prefetchNeighbours(int direction) {
    // The next games in the direction of travel, decoded while the user looks at this one, so
    // a move onto them finds all four pictures ready and shows them in one frame.
    const ItemList& list = state_.list1;
    std::vector<std::pair<QString, QSize>> pictures;
    for (int step = 1; step <= 2; ++step) {
        const int index = list.index() + direction * step;
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
    loader_.prefetch(pictures);
}

} // namespace zembra
