// SPDX-License-Identifier: GPL-3.0-or-later
// Watches the widget a video is drawn into: its keys, its clicks, and its window going away.
#pragma once

#include "zembra/platform/MediaPlayer.h"

#include <QObject>
#include <QWidget>
#include <functional>
#include <utility>

namespace zembra {

// Lives on the video parent. Keys and clicks on the video reach the parent (mpv's own input is
// off); they are passed on to whoever listens and left for the window to handle as well. mpv
// aborts the whole program when the window it draws into disappears under it, so the player
// must let go of the window first: the parent deletes its children before its window, and a
// window made anew (a change of parent) is seen here as well.
class VideoWatch : public QObject {
public:
    VideoWatch(QWidget* parent, MediaPlayer* player, WId window, std::function<void()> windowGoing);
    ~VideoWatch() override { tell(); }

    /// The player goes first: nothing to tell it any more.
    void forget() { windowGoing_ = nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tell() {
        if (windowGoing_) {
            std::exchange(windowGoing_, nullptr)();
        }
    }

    MediaPlayer* player_;
    WId window_;
    std::function<void()> windowGoing_;
};

} // namespace zembra
