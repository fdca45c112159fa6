// SPDX-License-Identifier: GPL-3.0-or-later
// The browser window: its elements, its window events and the start-up sequence.
#include "zembra/browser/Main.h"

#include "common/skin/SkinFolder.h"
#include "common/text/NativePath.h"
#include "common/ui/Units.h"
#include "zembra/browser/SkinBounds.h"
#include "zembra/catalogue/PathList.h"
#include "zembra/input/JoystickFile.h"
#include "zembra/input/KeyFile.h"
#include "zembra/input/QtKeyMap.h"
#include "zembra/startup/Application.h"
#include "zembra/startup/DisplayPolicy.h"
#include "zembra/startup/StartupSession.h"
#include "zembra/startup/blanker.h"
#include "zembra/widgets/WindowTimer.h"

#include <QEvent>
#include <QImageReader>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace zembra {

Main::Main(Application& app, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), app_(app), state_(app.state()),
      supervisor_(app.services(), state_.keys, state_.curPath, *this),
      moves_(*this, [this](Action action) { heldMove(action); }) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Zembra");
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    resize(kDesignWidth, kDesignHeight);
    formResize.setSourceForm(this);
    createElements();
    connectTimers();

    // The load step.
    state_.curPath = 1;
    Timer1.start();
    setCursor(Qt::BlankCursor);
    loaded_ = true;
}

Main::~Main() {
    app_.browserClosed(this);
}

void Main::createElements() {
    auto& loader = *app_.services().pictures;
    mpFX = app_.services().makePlayer(nullptr);
    lblPath = new QLabel("1", this);
    lblPath->setObjectName("lblPath");
    lblPath->installEventFilter(this);
    // Created in the order they lie on the window, the lowest first.
    list_ = std::make_unique<ListView>(*this, state_, loader, *lblPath);
    artwork_ = std::make_unique<ArtworkPanel>(*this, state_, loader, *mpFX);
    list_->createCells();
    lblPath->raise();
    static const char* kArrows[] = {"<< ", "  < ", "   ", " >  ", " >>"};
    for (std::size_t i = 0; i < lblNav.size(); ++i) {
        lblNav[i] = new QLabel(kArrows[i], this);
        lblNav[i]->setObjectName(QString("lblNav%1").arg(i));
        lblNav[i]->installEventFilter(this);
        lblNav[i]->adjustSize();
    }
    list_->createRows();
    notice = new QLabel(this);
    notice->setObjectName("notice");
    notice->setStyleSheet("background: black; color: white; padding: 6px;");
    notice->hide();
    connect(mpFX.get(), &MediaPlayer::playStateChanged, this, [this](int, int newState) {
        // The launch follows the launch sound, once the player says it has stopped. One
        // request starts one game, however many stop reports arrive.
        if (launchPending_ && newState == MediaPlayer::Stopped &&
            mpFX->fileName() == skinFile("com.mp3") && mpFX->playState() == 0) {
            launchPending_ = false;
            if (hasSelection()) {
                app_.launchSelected();
            }
        }
    });
}

void Main::connectTimers() {
    setupTimer(Timer1, 10, true);
    setupTimer(timjoy, 75);
    setupTimer(timscroller, 150);
    setupTimer(timscroller2, 150);
    setupTimer(timtorefresh, 500, true);
    setupTimer(timScr, 1000);
    setupTimer(timRefreshit, 400, true);
    setupTimer(timfx, 1000);
    connect(&Timer1, &QTimer::timeout, this, &Main::onTimer1);
    connect(&timscroller, &QTimer::timeout, this, &Main::onTimscroller);
    connect(&timscroller2, &QTimer::timeout, this, &Main::onTimscroller2);
    connect(&timtorefresh, &QTimer::timeout, this, &Main::onTimtorefresh);
    connect(&timScr, &QTimer::timeout, this, &Main::onTimScr);
    connect(&timRefreshit, &QTimer::timeout, this, &Main::onTimRefreshit);
    connect(&timfx, &QTimer::timeout, this, &Main::onTimfx);
    connect(&timjoy, &QTimer::timeout, this, &Main::onTimjoy);
    list_->startPulse();
    timjoy.start();
}

QString Main::skinFile(std::string_view name) const {
    return Application::nativeFile(state_.skinFolder() + std::string(name));
}

void Main::startUp() {
    Timer1.stop();
    timScr.start();
    state_.ssMode = true;
    lblPath->setText(QString::fromStdString(state_.config.pathRomPrefix[1]));
    state_.curPath = 1;

    // quarn.ini was read once, by the intro's load, which also settled the run size (the
    // desktop's when no mode change was asked for, so the exit knows there is nothing to
    // restore). quarn.cfg is read on every browser start: a browser reloaded after the skin or
    // the font size changed shows the new ones.
    openCfg(state_.programFolder, state_.settings);
    // A missing or short file leaves what it does not say where it was.
    common::loadSkinFolder(common::nativePath(state_.skinFolder()), state_.skinLayout,
                           state_.scheme, state_.settings.userFontSize);
    setRes();
    SetTheme();
    formResize.ReInitialize();
    // The window takes the screen's size as the mode change left it.
    applyRunSize();
    // A skin's spacing was designed at 7680 twips wide; it grows with the window's width.
    state_.skinLayout.imageSpacing =
        scaledSpacing(state_.skinLayout.imageSpacing, common::pixelsToTwips(width()));
    list_->SetListSize();

    const QString backgroundFile = skinFile("background.jpg");
    QImageReader reader(backgroundFile);
    reader.setScaledSize(size());
    backgroundImage_ = reader.read();
    update();

    loadLists();
    getKeys(state_.programFolder, state_.keys);
    const StartupSession session(state_.tables, state_.settings);
    const StartPlace place = session.place(state_.curPath);
    state_.curPath = place.path;
    if (place.restoresPath) {
        populateList();
        if (place.index >= 0) {
            state_.list1.setIndex(place.index);
        }
    }
    if (session.rescanDue()) {
        timRefreshit.start();
    }
    blanker& intro = app_.intro();
    if (!intro.busy()) {
        intro.hide();
        activateWindow();
        setFocus();
        setCursor(Qt::BlankCursor);
    }
    intro.clearVideo();
    intro.hide();
    state_.joyBindings = GetJoyKeys(state_.programFolder);
    makeVis();
    cabRefresh();
    setSRate();
    RefreshList();
}

void Main::applyRunSize() {
    // The screen as it is: the mode the display took may differ from the one asked for (the
    // nearest mode the monitor has, or no change at all without RandR).
    DisplayMode& display = *app_.services().display;
    int w = display.desktopWidth();
    int h = display.desktopHeight();
    if (w <= 0 || h <= 0) {
        w = static_cast<int>(std::lround(std::clamp(state_.config.runWidth, 0.0f, kMaxRunSize)));
        h = static_cast<int>(std::lround(std::clamp(state_.config.runHeight, 0.0f, kMaxRunSize)));
    }
    move(0, 0);
    resize(w, h);
    // The resize event scales too; scaling from the recorded places twice changes nothing.
    formResize.ScaleControls();
}

void Main::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (loaded_) {
        formResize.ScaleControls();
    }
}

void Main::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), common::colourFromNumber(state_.scheme.bgColour));
    if (!backgroundImage_.isNull()) {
        painter.drawImage(rect(), backgroundImage_);
    }
}

bool Main::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::WindowActivate:
        activated();
        break;
    case QEvent::WindowDeactivate:
        deactivated();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void Main::activated() {
    timjoy.start();
    supervisor_.stopExitWatch();
    state_.themesRoot = state_.programFolder + "\\zbthemes";
    setCursor(Qt::BlankCursor);
    list_->startPulse();
}

void Main::deactivated() {
    state_.ssMode = false;
    timScr.stop();
    state_.settings.ssCountdown = state_.settings.ssDelay;
    timjoy.stop();
    supervisor_.startExitWatch();
    list_->stopPulse();
}

void Main::gotFocus() {
    if (app_.menuVisible()) {
        app_.focusMenu();
    }
    state_.ssMode = true;
    timScr.start();
    state_.settings.ssCountdown = state_.settings.ssDelay;
    list_->startPulse();
}

void Main::lostFocus() {
    list_->stopPulse();
}

void Main::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    gotFocus();
}

void Main::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    lostFocus();
}

void Main::keyPressEvent(QKeyEvent* event) {
    // A held key repeats through the move timers, not through the keyboard's own repeat.
    if (event->isAutoRepeat()) {
        return;
    }
    const bool modifier =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    keyDown(windowsKeyCode(event->key(), event->modifiers() & Qt::KeypadModifier), modifier);
}

void Main::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) {
        return;
    }
    keyUp();
}

} // namespace zembra
