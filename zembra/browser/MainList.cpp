// SPDX-License-Identifier: GPL-3.0-or-later
// The browser window's moves through the list and its pointer: clicks, drags and the arrows.
#include "zembra/browser/Main.h"
#include "zembra/browser/Navigation.h"
#include "zembra/startup/Application.h"

#include <QCursor>
#include <QMouseEvent>

namespace zembra {

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

void Main::setSRate() {
    const int rate = state_.config.scrollRate;
    if (moves_.setSRate(rate)) {
        timjoy.setInterval(3 * rate);
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

bool Main::labelClicked(QLabel* label, int row, QEvent* event) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
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
        const int k = row;
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

bool Main::cellEvent(common::PictureElement* cell, int k, QEvent* event) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
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
        if (const auto row = list_->rowOf(label)) {
            return labelClicked(label, *row, event);
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
    if (const auto cell = list_->cellOf(picture)) {
        return cellEvent(picture, *cell, event);
    }
    if (type != QEvent::MouseButtonRelease || !picture->rect().contains(mouse->pos())) {
        return false;
    }
    if (artwork_->isLogo(picture)) {
        gNextPath();
        refreshMoved();
        return true;
    }
    if (artwork_->isArtwork(picture)) {
        pictureView(picture);
        return true;
    }
    return false;
}

} // namespace zembra
