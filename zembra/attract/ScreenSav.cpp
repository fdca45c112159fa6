// SPDX-License-Identifier: GPL-3.0-or-later
// The attract window: opening, closing, keys and joystick, messages and the artwork rotation.
#include "zembra/attract/ScreenSav.h"

#include "common/ui/SchemeStyle.h"
#include "common/ui/Units.h"
#include "zembra/attract/Rotation.h"
#include "zembra/browser/Main.h"
#include "zembra/catalogue/FileProbe.h"
#include "zembra/input/JoystickPoll.h"
#include "zembra/input/QtKeyMap.h"
#include "zembra/startup/Application.h"
#include "zembra/startup/blanker.h"
#include "zembra/widgets/WindowTimer.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

namespace zembra {

namespace {

// The opening's first picture comes after this long; the skin's fall-back shows meanwhile.
constexpr int kFirstRotationMs = 9999;

} // namespace

ScreenSav::ScreenSav(Application& app, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), app_(app), state_(app.state()),
      random_(std::make_unique<ClockSeededRandom>()) {
    setWindowTitle("Zembra attract mode");
    setAutoFillBackground(true);
    setCursor(Qt::BlankCursor);
    setFocusPolicy(Qt::StrongFocus);
    xPreview = new common::PictureElement(*app.services().pictures, this);
    xPreview->setObjectName("xPreview");
    for (QLabel*& label : lblsong) {
        label = new QLabel(this);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->hide();
    }
    mpSaver = app.services().makePlayer(nullptr);
    connect(mpSaver.get(), &MediaPlayer::playStateChanged, this, &ScreenSav::playStateChanged);
    connect(xPreview, &common::PictureElement::clicked, this, [this] { closeSaver(); });

    setupTimer(timjoy, 50);
    setupTimer(timSong, 2000);
    setupTimer(timrotate, kFirstRotationMs);
    connect(&timjoy, &QTimer::timeout, this, &ScreenSav::onTimjoy);
    connect(&timSong, &QTimer::timeout, this, &ScreenSav::onTimSong);
    connect(&timrotate, &QTimer::timeout, this, &ScreenSav::onTimrotate);
}

ScreenSav::~ScreenSav() = default;

void ScreenSav::open() {
    ++opening_;
    screensaver_ = state_.ssMode;
    prevPic_.clear();
    artKind_ = 0;
    failedSongs_ = 0;
    joystickHeld_ = true;
    Main* browser = app_.browser();
    if (browser != nullptr) {
        setGeometry(browser->geometry());
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
    }
    layOut();
    onTimSong();
    timrotate.stop();
    timrotate.setInterval(kFirstRotationMs);
    // Until the rotation finds a picture (or for ever, on a cabinet without artwork) the skin's
    // own fall-back shows, or its background colour when it has none.
    xPreview->setFallback(Application::nativeFile(state_.skinFolder() + "screen32.jpg"));
    xPreview->setFileName(screensaver_ ? xPreview->fallback()
                                       : QString::fromStdString(state_.viewPic));
    show();
    takeKeyboard(*this);
    if (browser != nullptr) {
        browser->hide();
    }
    timjoy.start();
    readPlaylist();
    if (screensaver_) {
        listArtwork();
        scrMode();
    }
}

void ScreenSav::layOut() {
    const QColor background = common::colourFromNumber(state_.scheme.bgColour);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background);
    setPalette(palette);
    xPreview->setBackgroundColour(background);
    xPreview->setGeometry(rect());
    QFont font = common::schemeFont(state_.scheme);
    if (state_.scheme.fontSize > 0) {
        font.setPointSizeF(2.5 * state_.scheme.fontSize);
    }
    for (QLabel* label : lblsong) {
        label->setFont(font);
        common::setTextColour(label, common::colourFromNumber(state_.scheme.fontColour));
        label->setGeometry(0, 0, width(), label->height());
    }
}

void ScreenSav::scrMode() {
    timrotate.start();
}

void ScreenSav::takeKeyboard(QWidget& window) {
    window.raise();
    window.activateWindow();
    window.setFocus();
    // A bare X session has no window manager to give the keyboard to the window now in front.
    app_.services().keys->takeKeyboard(window.winId());
}

void ScreenSav::closeSaver() {
    ++opening_; // answers still coming for this opening are dropped
    state_.ssMode = true;
    Main* browser = app_.browser();
    if (browser != nullptr) {
        browser->restartIdleCountdown();
    }
    timrotate.stop();
    timjoy.stop();
    timSong.stop();
    xPreview->setBackgroundColour(Qt::black);
    state_.settings.ssCountdown = state_.settings.ssDelay;
    if (browser != nullptr) {
        browser->show();
        takeKeyboard(*browser);
    }
    mpSaver->pause();
    hide();
    app_.intro().hide();
}

bool ScreenSav::event(QEvent* event) {
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

void ScreenSav::activated() {
    app_.ownWindowActivated();
    if (isVisible()) {
        timjoy.start();
    }
}

void ScreenSav::deactivated() {
    timjoy.stop();
}

void ScreenSav::keyPressEvent(QKeyEvent* event) {
    // The key that opened the window may still be held: its repeats are not new keys.
    if (event->isAutoRepeat()) {
        return;
    }
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (event->key() == Qt::Key_Shift) {
        return; // Shift is pressed before the key it modifies, which must still reach the music
    }
    keyDown(windowsKeyCode(event->key(), event->modifiers() & Qt::KeypadModifier), shift);
}

void ScreenSav::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) {
        keyUp();
    }
}

void ScreenSav::keyDown(int keyCode, bool shift) {
    if (const auto key = musicKeyOfCode(state_.keys, keyCode)) {
        music(*key, shift, TitleLayout::Keyboard);
    } else {
        closeSaver();
    }
}

void ScreenSav::keyUp() {
    timSong.start();
}

void ScreenSav::onTimjoy() {
    const auto joystick = app_.services().joystick->poll();
    if (!joystick) {
        return;
    }
    const std::vector<int> inputs = joystickInputs(*joystick);
    // What was held when the window opened (the SCREENSAVER button, a direction) is not a new
    // input: it waits for a poll with nothing held, or it would close the window at once.
    if (joystickHeld_) {
        joystickHeld_ = !inputs.empty();
        return;
    }
    for (const int input : inputs) {
        if (!isVisible()) {
            break; // an input before it closed the window
        }
        shootinput(input);
    }
}

void ScreenSav::shootinput(int index) {
    const auto action = state_.joyBindings.actions.at(static_cast<std::size_t>(index));
    if (const auto key = action ? musicKeyOf(*action) : std::nullopt) {
        music(*key, false, TitleLayout::Joystick);
    } else {
        closeSaver();
    }
}

void ScreenSav::showMessage(const QString& text) {
    xPreview->hide();
    QLabel* label = lblsong[0];
    label->setText(text);
    const int height = label->heightForWidth(width());
    label->setGeometry(0, this->height() / 2 - height / 2, width(), height);
    label->show();
    label->raise();
    lblsong[1]->hide();
    lblsong[2]->hide();
    timSong.start();
}

void ScreenSav::showLabels(int count) {
    xPreview->hide();
    int block = 0;
    for (int i = 0; i < count; ++i) {
        block += lblsong[static_cast<std::size_t>(i)]->heightForWidth(width());
    }
    int top = height() / 2 - block / 2;
    for (int i = 0; i < 3; ++i) {
        QLabel* label = lblsong[static_cast<std::size_t>(i)];
        if (i >= count) {
            label->hide();
            continue;
        }
        const int labelHeight = label->heightForWidth(width());
        label->setGeometry(0, top, width(), labelHeight);
        label->show();
        label->raise();
        top += labelHeight;
    }
    timSong.start();
}

void ScreenSav::onTimSong() {
    timSong.stop();
    for (QLabel* label : lblsong) {
        label->hide();
    }
    xPreview->show();
}

void ScreenSav::listArtwork() {
    work_.run([this, folders = rotationFolders(state_.config)] {
        std::shared_ptr<FileProbe> probe = zembra::listArtwork(folders);
        // The folders are the cabinet's, whichever opening asked: the newest listing serves.
        return std::function<void()>([this, probe] { artwork_ = probe; });
    });
}

void ScreenSav::onTimrotate() {
    if (!artwork_) {
        timrotate.setInterval(kRotationRetryMs); // the art folders are still being read
        return;
    }
    const RotationStep step =
        rotateArtwork(state_.tables.masterList, state_.config, prevPic_, *artwork_, *random_);
    artKind_ = step.artKind;
    if (step.picture.empty()) {
        timrotate.setInterval(step.nextTickMs);
        return;
    }
    xPreview->setFileName(Application::nativeFile(step.picture));
    if (xPreview->fileName().isEmpty()) {
        timrotate.setInterval(kRotationRetryMs); // listed, but no picture: another next time
        return;
    }
    prevPic_ = step.picture;
    timrotate.setInterval(step.nextTickMs);
}

} // namespace zembra
