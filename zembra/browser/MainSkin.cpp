// SPDX-License-Identifier: GPL-3.0-or-later
// The browser window's skin: placing every element as the skin says, fonts and colours.
#include "common/ui/SchemeStyle.h"
#include "common/ui/Units.h"
#include "zembra/browser/Main.h"
#include "zembra/browser/SkinBounds.h"
#include "zembra/startup/Application.h"

namespace zembra {

namespace {

/// Skin values are placed as the file says, within what the designed window can show: a
/// rectangle of two thousand million twips would otherwise make an element (and the picture
/// decoded for it) larger than any memory.
TwipRect drawable(double left, double top, double width, double height) {
    return drawableRect({left, top, width, height}, kDesignWidthTwips, kDesignHeightTwips);
}

void place(QWidget* element, const TwipRect& r) {
    element->setGeometry(common::twipsRect(r.left, r.top, r.width, r.height));
}

void place(QWidget* element, const common::ElementRect& r) {
    place(element, drawable(r.left, r.top, r.width, r.height));
}

QPoint position(double left, double top) {
    return {common::twipsToPixels(drawablePosition(left, kDesignWidthTwips)),
            common::twipsToPixels(drawablePosition(top, kDesignHeightTwips))};
}

} // namespace

void Main::setRes() {
    const common::SkinLayout& skin = state_.skinLayout;
    place(xScreen, skin.snap);
    place(xCabinet, skin.cabinet);
    place(xFlyer, skin.flyer);
    place(xMarquee, skin.marquee);
    picf->move(xCabinet->pos() + QPoint(common::twipsToPixels(3), common::twipsToPixels(3)));
    place(listArea, skin.listArea);
    const TwipRect cell = drawable(0, 0, skin.cellWidth, skin.cellHeight);
    xlist[0]->setGeometry(QRect(listArea->pos(), QSize(common::twipsToPixels(cell.width),
                                                       common::twipsToPixels(cell.height))));
    lblPath->setText("1");
    lblPath->move(position(skin.pathLeft, skin.pathTop));
    lblNav[0]->move(position(skin.navLeft, skin.navTop));
    MoveNav();
    place(xlogo, drawable(skin.logoLeft, skin.logoTop, skin.logoWidth, skin.logoHeight));
    ll[0]->setText("Sgj");
    ll[0]->resize(ll[0]->width(), fontMetrics().height());
    ll[0]->hide();
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
    const QColor background = common::colourFromNumber(scheme.bgColour);
    xFlyer->setBackgroundColour(background);
    xCabinet->setBackgroundColour(background);
    // Row label 0 is the model the others are copied from, so it carries the scheme too.
    ll[0]->setFont(font);
    common::setTextColour(ll[0], common::colourFromNumber(scheme.fontColour));
    SetListSize();
    if (isStripMode()) {
        ll[0]->hide();
        return;
    }
    for (QLabel* label : ll) {
        common::setTextColour(label, common::colourFromNumber(scheme.fontColour));
        label->setFont(font);
    }
    if (static_cast<std::size_t>(state_.midIndex) < ll.size()) {
        QLabel* selection = ll[static_cast<std::size_t>(state_.midIndex)];
        QFont bold = font;
        bold.setBold(true);
        selection->setFont(bold);
        selection->setWordWrap(false);
        selection->raise();
    }
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

bool Main::isStripMode() const {
    const std::string& type = state_.skinLayout.listType;
    return type != "list" && !type.empty();
}

} // namespace zembra
