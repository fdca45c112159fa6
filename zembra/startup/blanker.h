// SPDX-License-Identifier: GPL-3.0-or-later
// The intro window: the first window of a run, which sets the display and plays the intro.
#pragma once

#include "zembra/platform/MediaPlayer.h"

#include <QTimer>
#include <QWidget>
#include <memory>

namespace testing_support {
struct IntroAccess;
}

namespace zembra {

class Application;

/// Decides the display mode once per run, parks the pointer, plays "intro.mpeg" and then brings
/// up the browser. Without the video the browser comes up at once and `timexit` hands the focus
/// over two seconds later. The window stays loaded, hidden, behind the browser.
class blanker : public QWidget {
    Q_OBJECT

public:
    explicit blanker(Application& app, QWidget* parent = nullptr);
    ~blanker() override;

    /// The load step; false when quarn.ini cannot be used (the program is ending).
    bool load();
    void activated();
    void onTimresize();
    void onTimexit();
    void onTimjoy();
    void playStateChanged(int oldState, int newState);
    /// Stops the video, which brings up the browser.
    void skip();

    /// Still handing over: the exit timer runs or the video plays.
    bool busy() const;
    void clearVideo();
    /// Brings up a browser two seconds from now, as after the intro without a video.
    void handOverLater() { timexit.start(); }
    /// No browser comes up from the intro any more.
    void cancelHandOver() { timexit.stop(); }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    friend struct testing_support::IntroAccess;
    void showBrowser();

    QTimer timjoy;    ///< 15 ms: a joystick button skips the video
    QTimer timresize; ///< 1 ms, once: lays out the player and starts the video
    QTimer timexit;   ///< 2 s: hands over to the browser when there is no video
    std::unique_ptr<MediaPlayer> mpIntro;
    QWidget* video; ///< where the video is drawn
    Application& app_;
};

} // namespace zembra
