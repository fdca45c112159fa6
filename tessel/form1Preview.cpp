// SPDX-License-Identifier: GPL-3.0-or-later
// The mock-up itself: the skin's files applied to the preview, and the preview list.
#include "common/picture/PictureElement.h"
#include "common/ui/SchemeStyle.h"
#include "common/ui/Units.h"
#include "tessel/Preview.h"
#include "tessel/PreviewList.h"
#include "tessel/form1.h"

#include <QFontMetrics>
#include <QFrame>
#include <QImageReader>
#include <QLabel>

namespace tessel {
namespace {

Qt::Alignment alignmentOf(int alignment) {
    switch (alignment) {
    case 0:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case 2:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignRight | Qt::AlignVCenter;
    }
}

QString nativeFile(const std::filesystem::path& file) {
    return QString::fromStdString(file.string());
}

TwipBox asBox(const zembra::TwipRect& r) {
    return {r.left, r.top, r.width, r.height};
}

} // namespace

common::SkinFolderLoad form1::LoadSkin() {
    common::SkinFolderLoad load;
    if (document_.isOpen()) {
        load = common::loadSkinFolder(document_.skinFolder, document_.layout, document_.scheme);
        document_.savedLayout = document_.layout;
    }
    applyScheme();
    loadPictures();
    placeElements();
    SetListSize();
    return load;
}

void form1::setScheme() {
    if (document_.isOpen()) {
        common::loadScheme(document_.schemePath, document_.scheme);
    }
    applyScheme();
}

void form1::SetTheme() {
    setScheme();
    loadPictures();
}

void form1::setRes() {
    if (document_.isOpen()) {
        common::loadSkinLayout(document_.skinFolder + "skin.ini", document_.layout);
        document_.savedLayout = document_.layout;
    }
    placeElements();
}

QFont form1::previewFont() const {
    QFont font = common::schemeFont(document_.scheme);
    // The mock-up is drawn larger than the design; its text grows with it.
    font.setPointSizeF(font.pointSizeF() * kPreviewZoom);
    return font;
}

double form1::rowHeightTwips() const {
    // Measured as the browser measures its rows, in the scheme's font at the design size.
    const QFontMetrics metrics(common::schemeFont(document_.scheme));
    return common::pixelsToTwips(metrics.boundingRect(QStringLiteral("OStestjjgg")).height());
}

void form1::applyScheme() {
    const common::Scheme& scheme = document_.scheme;
    const QFont font = previewFont();
    const QColor high = common::colourFromNumber(scheme.highColour);
    const QColor background = common::colourFromNumber(scheme.bgColour);
    for (QLabel* label : {lblPath, lblNav[0], lblNav[1], lblNav[2], lblNav[3], lblNav[4]}) {
        label->setFont(font);
        common::setTextColour(label, high);
        label->adjustSize();
    }
    MoveNav();
    xFlyer->setBackgroundColour(background);
    xCabinet->setBackgroundColour(background);
    for (common::PictureElement* cell : xList) {
        cell->setBackgroundColour(background);
    }
    for (QLabel* entry : ll) {
        entry->setFont(font);
        common::setTextColour(entry, common::colourFromNumber(scheme.fontColour));
    }
    preview_->setBackground(background, preview_->backgroundPicture());
}

void form1::loadPictures() {
    if (!document_.isOpen()) {
        return;
    }
    const std::filesystem::path folder = document_.skinFolder;
    xMarquee->setFileName(nativeFile(common::skinFile(folder, "Marquee32.jpg")));
    xScreen->setFileName(nativeFile(common::skinFile(folder, "Screen32.jpg")));
    xCabinet->setFileName(nativeFile(common::skinFile(folder, "Cabinet32.jpg")));
    xFlyer->setFileName(nativeFile(common::skinFile(folder, "Flyer32.jpg")));
    // A missing or broken background leaves the scheme's colour; it is read here, once per
    // skin, and it is small.
    QImageReader reader(nativeFile(common::skinFile(folder, "background.jpg")));
    reader.setAutoTransform(true);
    preview_->setBackground(common::colourFromNumber(document_.scheme.bgColour), reader.read());
}

QWidget* form1::elementWidget(Element element) const {
    switch (element) {
    case Element::Snap:
        return xScreen;
    case Element::Cabinet:
        return xCabinet;
    case Element::Flyer:
        return xFlyer;
    case Element::Marquee:
        return xMarquee;
    case Element::Logo:
        return xlogo;
    case Element::ListArea:
        return Shape1;
    case Element::Path:
        return lblPath;
    case Element::Nav:
        return lblNav[0];
    case Element::Cell:
        return xList[0];
    }
    return nullptr;
}

void form1::placeElement(Element element) {
    const common::SkinLayout& l = document_.layout;
    const TwipBox box = elementBox(l, element);
    switch (element) {
    case Element::Path:
        lblPath->move(px(box.left), px(box.top));
        lblPath->setVisible(l.showPath);
        break;
    case Element::Nav:
        lblNav[0]->move(px(box.left), px(box.top));
        MoveNav();
        for (QLabel* label : lblNav) {
            label->setVisible(l.showNav);
        }
        break;
    case Element::ListArea:
        Shape1->setGeometry(pxRect(box));
        break;
    case Element::Cell:
        xList[0]->setGeometry(pxRect(box));
        break;
    default:
        elementWidget(element)->setGeometry(pxRect(box));
        elementWidget(element)->setVisible(elementShown(l, element).value_or(true));
        break;
    }
    refreshEditors();
}

void form1::placeElements() {
    for (Element element :
         {Element::Snap, Element::Cabinet, Element::Flyer, Element::Marquee, Element::ListArea,
          Element::Cell, Element::Path, Element::Nav, Element::Logo}) {
        placeElement(element);
    }
}

void form1::MoveNav() {
    for (std::size_t i = 1; i < lblNav.size(); ++i) {
        lblNav[i]->move(lblNav[i - 1]->x() + lblNav[i - 1]->width(), lblNav[0]->y());
    }
}

void form1::DelList() {
    while (ll.size() > 1) {
        delete ll.back();
        ll.pop_back();
    }
    ll[0]->hide();
}

void form1::DelList2() {
    while (xList.size() > 1) {
        delete xList.back();
        xList.pop_back();
    }
    xList[0]->hide();
    shphigh->hide();
}

void form1::SetListSize() {
    common::SkinLayout& l = document_.layout;
    if (l.listColumns == 0) {
        l.listColumns = 1; // a skin without columns has one, and says so when saved
    }
    if (isPictureList(l.listType)) {
        DelList();
        SetListSize2();
        return;
    }
    DelList2();
    DelList();
    const PreviewList list = previewList(l, rowHeightTwips());
    const QColor text = common::colourFromNumber(document_.scheme.fontColour);
    const QFont font = previewFont();
    for (std::size_t i = 0; i < list.rects.size(); ++i) {
        if (i > 0) {
            auto* entry = new QLabel(preview_);
            entry->setObjectName(QStringLiteral("ll"));
            entry->installEventFilter(this);
            ll.push_back(entry);
        }
        QLabel* entry = ll[i];
        entry->setFont(font);
        entry->setWordWrap(false);
        entry->setAutoFillBackground(false);
        common::setTextColour(entry, text);
        entry->setAlignment(alignmentOf(list.alignment));
        entry->setText(QString::fromStdString(entryCaption(static_cast<int>(i))));
        entry->setGeometry(pxRect(asBox(list.rects[i])));
        entry->show();
        entry->raise();
    }
    midIndex_ = list.midIndex;
    QLabel* selection = ll[static_cast<std::size_t>(midIndex_)];
    QFont bold = font;
    bold.setBold(true);
    selection->setFont(bold);
    common::setTextColour(selection, common::colourFromNumber(document_.scheme.highColour));
    selection->raise();
}

void form1::SetListSize2() {
    DelList2();
    const common::SkinLayout& l = document_.layout;
    const PreviewList list = previewList(l, rowHeightTwips());
    const QString picture =
        document_.isOpen() ? nativeFile(common::skinFile(document_.skinFolder, list.pictureName))
                           : QString();
    const QColor background = common::colourFromNumber(document_.scheme.bgColour);
    for (std::size_t i = 0; i < list.rects.size(); ++i) {
        if (i > 0) {
            auto* cell = new common::PictureElement(*loader_, preview_);
            cell->setObjectName(QStringLiteral("xList"));
            connect(cell, &common::PictureElement::clicked, this,
                    [this] { openEditor(Element::ListArea); });
            xList.push_back(cell);
        }
        common::PictureElement* cell = xList[i];
        cell->setBackgroundColour(background);
        cell->setFileName(picture);
        cell->setGeometry(pxRect(asBox(list.rects[i])));
        cell->show();
        cell->raise();
    }
    midIndex_ = list.midIndex;
    // The selection cell stands out by a frame in the highlight colour around it.
    const zembra::TwipRect& mid = list.rects[static_cast<std::size_t>(midIndex_)];
    const zembra::TwipRect frame{mid.left - 50, mid.top - 50, mid.width + 100, mid.height + 100};
    shphigh->setGeometry(pxRect(asBox(frame)));
    shphigh->setStyleSheet(QStringLiteral("QFrame { background: %1; }")
                               .arg(common::colourFromNumber(document_.scheme.highColour).name()));
    shphigh->show();
    shphigh->stackUnder(xList[0]);
}

} // namespace tessel
