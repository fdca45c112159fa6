// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/startup/blanker.h"

#include "zembra/attract/ScreenSav.h"
#include "zembra/browser/Main.h"
#include "zembra/info/Info.h"
#include "zembra/launcher/KeySequences.h"
#include "zembra/startup/Application.h"
#include "zembra/startup/DisplayPolicy.h"
#include "zembra/startup/background.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <iostream>
#include <string>

namespace zembra {

blanker::blanker(Application& app, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), app_(app) {
    setWindowTitle("Zembra");
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setCursor(Qt::BlankCursor);
    video = new QWidget(this);
    video->setObjectName("mpIntro");
    mpIntro = app.services().makePlayer(video);
    connect(mpIntro.get(), &MediaPlayer::playStateChanged, this, &blanker::playStateChanged);
    connect(mpIntro.get(), &MediaPlayer::keyPressed, this, &blanker::skip);
    connect(mpIntro.get(), &MediaPlayer::mouseClicked, this, &blanker::skip);

    timjoy.setInterval(15);
    timresize.setInterval(1);
    timresize.setSingleShot(true);
    timexit.setInterval(2000);
    connect(&timjoy, &QTimer::timeout, this, &blanker::onTimjoy);
    connect(&timresize, &QTimer::timeout, this, &blanker::onTimresize);
    connect(&timexit, &QTimer::timeout, this, &blanker::onTimexit);
}

blanker::~blanker() = default;

bool blanker::load() {
    ProgramState& state = app_.state();
    DisplayMode& display = *app_.services().display;
    if (!state.displayDone) {
        state.desktopWidth = static_cast<float>(display.desktopWidth());
        state.desktopHeight = static_cast<float>(display.desktopHeight());
        // The one reading of quarn.ini in a run, unless the program's start read it with the
        // lists: the browser uses the configuration held in the program state, with the run
        // size as settled here.
        if (const auto error = state.preloadedPath != 0
                                   ? std::nullopt
                                   : OpenINI(state.programFolder, state.config)) {
            app_.fatal(QString::fromStdString(error->message()));
            return false;
        }
        EmulatorConfig& c = state.config;
        std::string bounded;
        if (wantsModeChange(c, state.desktopWidth, state.desktopHeight, &bounded)) {
            display.ChangeRes(c.runWidth, c.runHeight, c.runDepth, c.runRefresh);
        }
        if (!bounded.empty()) {
            std::cerr << "zembra: " << bounded << std::endl;
        }
        state.displayDone = true;
    }
    // The screen as the mode change left it: the nearest mode, or the old one without RandR.
    const int width = display.desktopWidth();
    const int height = display.desktopHeight();
    setGeometry(0, 0, std::max(width, 1), std::max(height, 1));
    // The pointer waits at the right edge, out of the way of the pictures.
    QCursor::setPos(std::max(width - 1, 0), 0);
    if (state.config.tvOut) {
        app_.services().keys->send(startTv());
    }
    timjoy.start();
    timresize.start();
    return true;
}

bool blanker::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        activated();
    }
    return QWidget::event(event);
}

void blanker::activated() {
    background& backdrop = app_.backdrop();
    if (!backdrop.isVisible()) {
        backdrop.show();
        backdrop.lower();
    }
}

void blanker::onTimresize() {
    timresize.stop();
    video->setGeometry(rect());
    mpIntro->setFileName(Application::nativeFile(app_.state().programFolder + "\\intro.mpeg"));
    if (mpIntro->fileName().isEmpty()) {
        timexit.start();
        showBrowser();
        show();
        return;
    }
    video->show();
    mpIntro->play();
}

void blanker::playStateChanged(int oldState, int newState) {
    if (oldState == MediaPlayer::Playing && newState == MediaPlayer::Stopped) {
        showBrowser();
        show();
        video->hide();
    }
}

void blanker::onTimjoy() {
    const auto joystick = app_.services().joystick->poll();
    if (joystick && joystick->buttons != 0) {
        skip();
    }
}

void blanker::skip() {
    mpIntro->stop();
}

void blanker::keyPressEvent(QKeyEvent*) {
    skip();
}

void blanker::mousePressEvent(QMouseEvent*) {
    skip();
}

void blanker::onTimexit() {
    if (app_.ending()) {
        timexit.stop(); // the program is ending: no browser comes up over its last message
        return;
    }
    if (const ScreenSav* saver = app_.screenSaver(); saver != nullptr && saver->isVisible()) {
        // The screensaver came up in the first two seconds: it brings the browser back itself.
        timexit.stop();
        hide();
        return;
    }
    Main& browser = app_.loadBrowser();
    browser.show();
    background& backdrop = app_.backdrop();
    if (!backdrop.isVisible() && !browser.isVisible()) {
        backdrop.show();
    }
    timexit.stop();
    // A game started in the first two seconds has the keyboard; a browser that locked itself
    // for that start must not take it from the game. A window opened over the browser
    // meanwhile (the information window, the menu) keeps the keyboard and its place in front.
    // (One still taking the keyboard is not the active window yet.)
    const QWidget* front = QApplication::activeWindow();
    const bool oursInFront =
        (front != nullptr && front != this && front != &browser && front != &backdrop) ||
        (app_.info() != nullptr && app_.info()->isVisible()) || app_.menuVisible();
    if (browser.isEnabled() && !oursInFront) {
        browser.raise();
        browser.activateWindow();
        browser.setFocus();
    }
    hide();
}

void blanker::showBrowser() {
    Main& browser = app_.loadBrowser();
    browser.show();
    browser.raise();
    browser.activateWindow();
}

bool blanker::busy() const {
    return timexit.isActive() || mpIntro->playState() != MediaPlayer::Stopped;
}

void blanker::clearVideo() {
    mpIntro->setFileName(QString());
}

} // namespace zembra
