// SPDX-License-Identifier: GPL-3.0-or-later
// Passes keys and clicks on a video on, and tells the player when its window goes away.
#include "zembra/platform/linux/VideoWatch.h"

#include <QEvent>
#include <QKeyEvent>
#include <utility>

namespace zembra {

VideoWatch::VideoWatch(QWidget* parent, MediaPlayer* player, WId window,
                       std::function<void()> windowGoing)
    : QObject(parent), player_(player), window_(window), windowGoing_(std::move(windowGoing)) {
    parent->installEventFilter(this);
}

bool VideoWatch::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        // A held key is one press.
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
            emit player_->keyPressed();
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        emit player_->mouseClicked();
        break;
    case QEvent::WinIdChange:
        if (window_ != 0 && static_cast<QWidget*>(watched)->internalWinId() != window_) {
            tell();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zembra
