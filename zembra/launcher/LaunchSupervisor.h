// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a game and the timers around a supervised emulator: its keys, the start-up lock, the
// exit watch, the closing keys and the watch for its end.
#pragma once

#include "zembra/input/JoystickFile.h"
#include "zembra/input/KeyFile.h"
#include "zembra/launcher/EmulatorCommand.h"
#include "zembra/platform/Services.h"

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <string>

namespace testing_support {
struct SupervisorAccess;
}

namespace zembra {

/// What the supervision asks of the window it starts games from.
class SupervisedWindow {
public:
    virtual ~SupervisedWindow() = default;
    /// Shows for a few seconds why a game could not be started, and logs it.
    virtual void launchFailed(const std::string& why) = 0;
    /// The window in front with the keyboard again after a game.
    virtual void takeKeyboardBack() = 0;
    virtual bool inFront() const = 0;
    /// The window takes no input while a game starts, and takes it again when the lock ends.
    virtual void startLock() = 0;
    virtual void endLock() = 0;
};

/// The timers carry the names the front-end has always used; each tick handler is a method a
/// test can call. The exit key and the path are read when they are needed, as they are then.
class LaunchSupervisor : public QObject {
    Q_OBJECT

public:
    LaunchSupervisor(Services& services, const KeyBindings& keys, const std::int16_t& curPath,
                     SupervisedWindow& window, QObject* parent = nullptr);

    /// Starts `launch`: blocking for the configurable paths and the extras, supervised for the
    /// fixed emulators. A joystick button bound to "Exit" then closes the emulator.
    void runEmu(const Launch& launch, const JoyBindings& joystick);
    /// The exit watch runs while another window is in front of the browser.
    void startExitWatch() { timWfExit.start(); }
    void stopExitWatch() { timWfExit.stop(); }

    void onTimkey();
    void onTimLock();
    void onTimWfExit();
    void onTimescape();
    void onTimfullscreen();
    void onEmulatorEndWatch();
    /// Every timer stops: the program is ending.
    void standDown();

private:
    friend struct testing_support::SupervisorAccess;

    QTimer timWfExit;     ///< 5 ms: the exit watch while another window is in front
    QTimer timkey;        ///< 1.2 s: the first keys after a supervised launch
    QTimer timLock;       ///< 5 s: the end of the start-up lock
    QTimer timescape;     ///< 200 ms, once: closes the emulator after an exit request
    QTimer timfullscreen; ///< 2 s, once: Modeler's full-screen step
    /// 100 ms: whether the game started without waiting is over; then the window takes the
    /// keyboard back, as a window manager would, but never from another program's window.
    QTimer emulatorEndWatch;

    bool keysSent = false;
    std::uint32_t exitJoyMask = 0;
    Services& services_;
    const KeyBindings& keys_;
    const std::int16_t& curPath_;
    SupervisedWindow& window_;
    std::string gameName_;             ///< what the emulator was given
    std::string emuExe_;               ///< the executable started
    bool watchingOpener_ = false;      ///< the end watch follows a table's opener, not its player
    bool foreignKeyboardSeen_ = false; ///< another program's window had the keyboard since
};

} // namespace zembra
