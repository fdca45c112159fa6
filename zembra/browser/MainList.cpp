// SPDX-License-Identifier: GPL-3.0-or-later
// The browser window's list: row labels or picture cells, drawing, moves, pulse and mouse.
#include "common/ui/SchemeStyle.h"
#include "common/ui/Units.h"
#include "zembra/browser/HighlightPulse.h"
#include "zembra/browser/ListLayout.h"
#include "zembra/browser/Main.h"
#include "zembra/browser/Navigation.h"
#include "zembra/browser/SkinBounds.h"
#include "zembra/startup/Application.h"

#include <QCursor>
#include <QMouseEvent>

namespace zembra {

namespace {

TwipRect twipRect(const QRect& r) {
    return {common::pixelsToTwips(r.x()), common::pixelsToTwips(r.y()),
            common::pixelsToTwips(r.width()), common::pixelsToTwips(r.height())};
}

QRect pixelRect(const TwipRect& r) {
    return common::twipsRect(r.left, r.top, r.width, r.height);
}

Qt::Alignment alignmentOf(int listAlignment) {
    switch (listAlignment) {
    case 1:
        return Qt::AlignRight | Qt::AlignVCenter;
    case 2:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

void Main::SetListSize() {
    const common::SkinLayout& skin = state_.skinLayout;
    const int columns =
        drawableColumns(skin.listColumns, common::pixelsToTwips(listArea->geometry().width()));
    if (isStripMode()) {
        DelList();
        SetListSize2();
        shphigh->show();
        return;
    }
    DelList2();
    shphigh->hide();
    DelList();
    QLabel* model = ll[0];
    model->setAlignment(columns > 1 ? Qt::AlignHCenter | Qt::AlignVCenter
                                    : Qt::AlignRight | Qt::AlignVCenter);
    model->setWordWrap(false);
    const double labelHeight =
        common::pixelsToTwips(model->fontMetrics().boundingRect("OStestjjgg").height());
    model->setText(QString());
    const TextListLayout layout =
        textListLayout(twipRect(listArea->geometry()), columns, labelHeight);
    model->setGeometry(pixelRect(layout.labels[0]));
    model->show();
    for (std::size_t i = 1; i < layout.labels.size(); ++i) {
        QLabel* label = newRowLabel();
        label->setGeometry(pixelRect(layout.labels[i]));
        label->show();
        ll.push_back(label);
    }
    state_.midIndex = layout.midIndex;
    if (columns == 1) {
        for (QLabel* label : ll) {
            label->setAlignment(alignmentOf(skin.listAlignment));
        }
    }
    for (QLabel* label : ll) {
        label->raise();
    }
    QLabel* selection = ll[static_cast<std::size_t>(state_.midIndex)];
    selection->setWordWrap(false);
    selection->raise();
    common::setTextColour(selection, common::colourFromNumber(state_.scheme.bgColour));
    QPalette palette = selection->palette();
    palette.setColor(QPalette::Window, common::colourFromNumber(state_.scheme.highColour));
    selection->setPalette(palette);
    selection->setAutoFillBackground(true);
    QFont bold = selection->font();
    bold.setBold(true);
    selection->setFont(bold);
}

void Main::SetListSize2() {
    DelList2();
    common::PictureElement* first = xlist[0];
    first->show();
    first->move(listArea->pos());
    const TwipRect cell = twipRect(first->geometry());
    const StripLayout layout = stripLayout(twipRect(listArea->geometry()), cell.width, cell.height,
                                           static_cast<double>(state_.skinLayout.imageSpacing));
    for (std::size_t i = 1; i < layout.cells.size(); ++i) {
        common::PictureElement* extra = newCell();
        extra->setGeometry(pixelRect(layout.cells[i]));
        extra->show();
        xlist.push_back(extra);
    }
    state_.midIndex = layout.midIndex;
    shphigh->setGeometry(pixelRect(layout.highlight));
    shphigh->stackUnder(xlist[0]);
}

void Main::DelList() {
    while (ll.size() > 1) {
        delete ll.back();
        ll.pop_back();
    }
    ll[0]->hide();
}

void Main::DelList2() {
    while (xlist.size() > 1) {
        delete xlist.back();
        xlist.pop_back();
    }
    xlist[0]->hide();
}

void Main::RefreshList() {
    std::string& type = state_.skinLayout.listType;
    if (type.empty()) {
        type = "list";
    }
    const ItemList& list = state_.list1;
    if (type == "list") {
        if (list.count() == 0) {
            return; // the rows keep their message ("No Roms Found", the scan's progress)
        }
        for (std::size_t r = 0; r < ll.size(); ++r) {
            const int item =
                rowItem(static_cast<int>(r), list.index(), state_.midIndex, list.count());
            ll[r]->setText(item >= 0 ? QString::fromStdString(list.text(item)) : QString());
        }
        if (state_.skinLayout.listColumns > 1 &&
            static_cast<std::size_t>(state_.midIndex) < ll.size()) {
            ll[static_cast<std::size_t>(state_.midIndex)]->adjustSize();
        }
        return;
    }
    if (const auto kind = stripKind(type)) {
        const int path = state_.curPath;
        state_.artFolder = artBaseFolder(state_, path, list.currentText(), list.index()) +
                           std::string(info(*kind).folder);
        if (path >= 1 && path <= kExtrasPath) {
            shootScreens(state_.tables.pathGames[path], info(*kind).fallback);
        }
    }
}

void Main::shootScreens(const StringTable& arraytype, std::string_view pic) {
    const ItemList& list = state_.list1;
    lblPath->setText(QString::fromStdString(list.currentText()));
    lblPath->adjustSize();
    const QString fallback = skinFile(pic);
    for (common::PictureElement* cell : xlist) {
        cell->setFallback(fallback);
        if (cell->fileName() != fallback) {
            cell->setFileName(fallback);
        }
    }
    const auto pictures = stripPictures(arraytype, list.index(), state_.midIndex,
                                        static_cast<int>(xlist.size()), state_.artFolder);
    for (std::size_t r = 0; r < pictures.size(); ++r) {
        if (!pictures[r].visible) {
            xlist[r]->hide();
            continue;
        }
        xlist[r]->setFileName(Application::nativeFile(pictures[r].file));
        xlist[r]->show();
    }
}

void Main::refreshMoved() {
    RefreshList();
    cabRefresh();
}

void Main::stepUp() {
    lastMove_ = -1;
    zembra::stepUp(state_.list1);
    refreshMoved();
}

void Main::stepDown() {
    lastMove_ = 1;
    zembra::stepDown(state_.list1);
    refreshMoved();
}

void Main::gNextPage() {
    lastMove_ = 1;
    zembra::gNextPage(state_.list1, state_.midIndex, state_.savedIndex);
}

void Main::gPrevPage() {
    lastMove_ = -1;
    zembra::gPrevPage(state_.list1, state_.midIndex, state_.savedIndex);
}

void Main::gNextPath() {
    switchPath(true, state_.curPath, state_.list1, state_.savedIndex, [this] { populateList(); });
}

void Main::gPrevPath() {
    switchPath(false, state_.curPath, state_.list1, state_.savedIndex, [this] { populateList(); });
}

void Main::onTimhigh() {
    const std::size_t mid = static_cast<std::size_t>(state_.midIndex);
    QLabel* selection = mid < ll.size() ? ll[mid] : nullptr;
    if (selection != nullptr) {
        selection->setAutoFillBackground(false);
    }
    const auto colour = pulseColour(pulseStep_, state_.scheme.highColour);
    if (colour) {
        const QColor c = common::colourFromNumber(*colour);
        if (selection != nullptr) {
            common::setTextColour(selection, c);
        }
        QPalette palette = shphigh->palette();
        palette.setColor(QPalette::Window, c);
        shphigh->setPalette(palette);
    }
    pulseStep_ = nextPulseStep(pulseStep_);
}

void Main::setSRate() {
    const int rate = state_.config.scrollRate;
    if (rate <= 15) {
        return;
    }
    for (QTimer* t : {&timUp, &timdown, &timleft, &timright}) {
        t->setInterval(rate);
    }
    for (QTimer* t : {&timNp, &timPp, &timjoy}) {
        t->setInterval(3 * rate);
    }
    for (QTimer* t : {&timUp, &timdown, &timleft, &timright, &timNp, &timPp}) {
        t->stop();
    }
}

void Main::InputCheck(bool pages) {
    setCursor(Qt::BlankCursor);
    QPoint pointer = QCursor::pos();
    const int direction = pointer.x() > rememberedPointer_.x()   ? 1
                          : pointer.x() < rememberedPointer_.x() ? -1
                                                                 : 0;
    if (direction != 0) {
        rememberedPointer_ = pointer;
        if (pages) {
            direction > 0 ? gNextPage() : gPrevPage();
            refreshMoved();
        } else {
            direction > 0 ? stepDown() : stepUp();
        }
    }
    // Wrap the pointer so a drag can go on; the jump itself is not taken as a move.
    const int screenWidth = width();
    if (pointer.x() >= screenWidth - 30) {
        pointer.setX(31);
    } else if (pointer.x() < 31) {
        pointer.setX(screenWidth - 31);
    } else {
        return;
    }
    QCursor::setPos(pointer);
    rememberedPointer_ = pointer;
}

void Main::mouseMoveEvent(QMouseEvent* event) {
    setCursor(Qt::ArrowCursor);
    QWidget::mouseMoveEvent(event);
}

void Main::mousePressEvent(QMouseEvent* event) {
    if (app_.menuVisible()) {
        app_.focusMenu();
    }
    QWidget::mousePressEvent(event);
}

bool Main::labelClicked(QLabel* label, QEvent* event) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const auto row = std::find(ll.begin(), ll.end(), label) - ll.begin();
    const bool left = mouse->button() == Qt::LeftButton;
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        if (left) {
            afterDoubleClick_ = true;
            if (hasSelection()) {
                app_.launchSelected();
            }
            return true;
        }
        [[fallthrough]]; // a quick second press of another button is one more press
    case QEvent::MouseButtonPress:
        afterDoubleClick_ = false;
        timScr.stop();
        rememberedPointer_ = QCursor::pos();
        if (mouse->button() == Qt::RightButton) {
            timscroller.isActive() ? timscroller.stop() : timscroller.start();
        } else {
            timscroller2.isActive() ? timscroller2.stop() : timscroller2.start();
        }
        return true;
    case QEvent::MouseButtonRelease: {
        timScr.start();
        timscroller.stop();
        timscroller2.stop();
        // Only the left button clicks; the release that ends a double click has launched
        // already and must not move the selection once more.
        const bool click = left && !afterDoubleClick_;
        afterDoubleClick_ = false;
        if (!click || label->text().isEmpty() || !label->rect().contains(mouse->pos())) {
            return true;
        }
        const int k = static_cast<int>(row);
        ItemList& list = state_.list1;
        if (k != state_.midIndex) {
            list.setIndex(list.index() + (k - state_.midIndex));
        }
        refreshMoved();
        return true;
    }
    default:
        return false;
    }
}

bool Main::cellEvent(common::PictureElement* cell, QEvent* event) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const auto k = static_cast<int>(std::find(xlist.begin(), xlist.end(), cell) - xlist.begin());
    const bool left = mouse->button() == Qt::LeftButton;
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        if (left) {
            afterDoubleClick_ = true;
            if (hasSelection()) {
                app_.launchSelected();
            }
            return true;
        }
        [[fallthrough]];
    case QEvent::MouseButtonPress:
        afterDoubleClick_ = false;
        if (mouse->button() == Qt::RightButton) {
            rememberedPointer_ = QCursor::pos();
            timscroller.isActive() ? timscroller.stop() : timscroller.start();
        }
        return true;
    case QEvent::MouseButtonRelease: {
        const bool click = left && !afterDoubleClick_;
        afterDoubleClick_ = false;
        if (!click) {
            return true;
        }
        if (cell->rect().contains(mouse->pos()) && k != state_.midIndex) {
            state_.list1.setIndex(state_.list1.index() + (k - state_.midIndex));
        }
        refreshMoved();
        return true;
    }
    default:
        return false;
    }
}

bool Main::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick) {
        return QWidget::eventFilter(watched, event);
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (auto* label = qobject_cast<QLabel*>(watched)) {
        if (std::find(ll.begin(), ll.end(), label) != ll.end()) {
            return labelClicked(label, event);
        }
        if (label == lblPath && type == QEvent::MouseButtonPress) {
            mouse->button() == Qt::RightButton ? gPrevPath() : gNextPath();
            refreshMoved();
            return true;
        }
        const auto nav = std::find(lblNav.begin(), lblNav.end(), label) - lblNav.begin();
        if (nav < 5 && type == QEvent::MouseButtonRelease) {
            switch (nav) {
            case 0:
                gPrevPath();
                break;
            case 1:
                gPrevPage();
                break;
            case 3:
                gNextPage();
                break;
            case 4:
                gNextPath();
                break;
            default:
                return true;
            }
            refreshMoved();
            return true;
        }
        return false;
    }
    auto* picture = qobject_cast<common::PictureElement*>(watched);
    if (picture == nullptr) {
        return false;
    }
    if (std::find(xlist.begin(), xlist.end(), picture) != xlist.end()) {
        return cellEvent(picture, event);
    }
    if (type != QEvent::MouseButtonRelease || !picture->rect().contains(mouse->pos())) {
        return false;
    }
    if (picture == xlogo) {
        gNextPath();
        refreshMoved();
        return true;
    }
    if (picture == xMarquee || picture == xScreen || picture == xFlyer || picture == xCabinet) {
        pictureView(picture);
        return true;
    }
    return false;
}

} // namespace zembra
