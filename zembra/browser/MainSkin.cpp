// SPDX-License-Identifier: GPL-3.0-or-later
// The browser window's skin: placing every element as the skin says, fonts and colours.
#include "common/ui/SchemeStyle.h"
#include "common/ui/Units.h"
#include "zembra/browser/Main.h"
#include "zembra/browser/SkinPlacement.h"
#include "zembra/startup/Application.h"

namespace zembra {

void Main::setRes() {
    const common::SkinLayout& skin = state_.skinLayout;
    artwork_->place();
    list_->place();
    lblPath->setText("1");
    lblPath->move(placement::position(skin.pathLeft, skin.pathTop));
    lblNav[0]->move(placement::position(skin.navLeft, skin.navTop));
    MoveNav();
}

void Main::MoveNav() {
    for (std::size_t i = 1; i < lblNav.size(); ++i) {
        lblNav[i]->move(lblNav[i - 1]->x() + lblNav[i - 1]->width(), lblNav[0]->y());
    }
}

void Main::makeVis() {
    lblPath->setVisible(state_.skinLayout.showPath);
    for (std::size_t i = 1; i < lblNav.size(); ++i) {
        lblNav[i]->setVisible(state_.skinLayout.showNav);
    }
}

void Main::setScheme() {
    const common::Scheme& scheme = state_.scheme;
    const QFont font = common::schemeFont(scheme);
    const QColor high = common::colourFromNumber(scheme.highColour);
    for (QLabel* label : {lblPath, lblNav[0], lblNav[1], lblNav[2], lblNav[3], lblNav[4]}) {
        common::setTextColour(label, high);
        label->setFont(font);
        label->adjustSize();
    }
    MoveNav();
    artwork_->setBackgroundColour(common::colourFromNumber(scheme.bgColour));
    list_->applyScheme(font, common::colourFromNumber(scheme.fontColour));
}

void Main::SetTheme() {
    setScheme();
    PaintBg();
    if (state_.settings.muted) {
        mpFX->stop();
    } else {
        timfx.stop();
        mpFX->setFileName(skinFile("start.mp3"));
        mpFX->play();
    }
}

} // namespace zembra
