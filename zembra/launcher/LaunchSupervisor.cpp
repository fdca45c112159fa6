// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/launcher/LaunchSupervisor.h"

#include "zembra/input/JoystickPoll.h"
#include "zembra/launcher/KeySequences.h"
#include "zembra/widgets/WindowTimer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>
#include <algorithm>

namespace zembra {

LaunchSupervisor::LaunchSupervisor(Services& services, const KeyBindings& keys,
                                   const std::int16_t& curPath, SupervisedWindow& window,
                                   QObject* parent)
    : QObject(parent), services_(services), keys_(keys), curPath_(curPath), window_(window) {
    setupTimer(timWfExit, 5);
    setupTimer(timkey, 1200);
    setupTimer(timLock, 5000);
    setupTimer(timescape, 200);
    setupTimer(emulatorEndWatch, 100);
    setupTimer(timfullscreen, 2000);
    connect(&timkey, &QTimer::timeout, this, &LaunchSupervisor::onTimkey);
    connect(&timLock, &QTimer::timeout, this, &LaunchSupervisor::onTimLock);
    connect(&timWfExit, &QTimer::timeout, this, &LaunchSupervisor::onTimWfExit);
    connect(&emulatorEndWatch, &QTimer::timeout, this, &LaunchSupervisor::onEmulatorEndWatch);
    connect(&timescape, &QTimer::timeout, this, &LaunchSupervisor::onTimescape);
    connect(&timfullscreen, &QTimer::timeout, this, &LaunchSupervisor::onTimfullscreen);
}

void LaunchSupervisor::runEmu(const Launch& launch, const JoyBindings& joystick) {
    gameName_ = launch.gameName;
    emuExe_ = launch.emuExe;
    auto failed = [this, &launch](const std::string& why) {
        window_.launchFailed(why);
        if (!launch.commandLine.empty()) {
            qWarning("zembra: the command line in the configuration: %s",
                     launch.commandLine.c_str());
        }
    };
    if (launch.refused) {
        failed(*launch.refused);
        return;
    }
    Launcher& launcher = *services_.launcher;
    const Launcher::Result result =
        launch.mode == Launch::Mode::Play
            ? launcher.open(launch.program, launch.workingFolder)
            : launcher.start(launch.program, launch.arguments, launch.workingFolder,
                             launch.mode == Launch::Mode::Blocking);
    if (!result.started) {
        failed(result.error);
    } else if (launch.mode == Launch::Mode::Blocking) {
        window_.takeKeyboardBack();
    } else {
        if (launch.mode != Launch::Mode::Play) {
            timkey.start();
        }
        watchingOpener_ = launch.mode == Launch::Mode::Play;
        foreignKeyboardSeen_ = false;
        emulatorEndWatch.start();
        timWfExit.start();
        timLock.start();
        window_.startLock();
    }
    if (launch.checkExitButton) {
        exitJoyMask = checkExitbut(joystick, exitJoyMask);
    }
}

void LaunchSupervisor::standDown() {
    for (QTimer* timer :
         {&timWfExit, &timkey, &timLock, &timescape, &emulatorEndWatch, &timfullscreen}) {
        timer->stop();
    }
}

void LaunchSupervisor::onEmulatorEndWatch() {
    // The keyboard is never taken from another program's window: the game may still run
    // there, whatever became of the process that was started.
    const NativeWindow holder = services_.keys->keyboardWindow();
    if (holder != 0) {
        const QWidgetList ours = QApplication::topLevelWidgets();
        const bool foreign = std::none_of(ours.begin(), ours.end(), [holder](QWidget* window) {
            return window->internalWinId() == holder;
        });
        if (foreign) {
            foreignKeyboardSeen_ = true;
            return;
        }
    }
    if (services_.launcher->running()) {
        return;
    }
    // A desktop's opener hands the table to a player and ends at once: its end says nothing.
    // The table is over once the player's window has had the keyboard and lost it.
    if (watchingOpener_ && !foreignKeyboardSeen_) {
        const std::string why = services_.launcher->openFailure();
        if (!why.empty()) {
            // No table is coming: the supervision ends here and the browser says why.
            emulatorEndWatch.stop();
            timWfExit.stop();
            onTimLock();
            window_.launchFailed(why);
        }
        return;
    }
    emulatorEndWatch.stop();
    // A window manager hands the keyboard back by itself; a bare X session has nobody to do it.
    if (!window_.inFront()) {
        window_.takeKeyboardBack();
    }
}

void LaunchSupervisor::onTimkey() {
    if (keysSent) {
        return;
    }
    keysSent = true;
    const std::string& exe = emuExe_;
    KeyInjector& keys = *services_.keys;
    if (exe == "modeler.exe") {
        const KeySequence sequence = PressKeySim(gameName_);
        keys.send(sequence);
        if (sequence.startsFullScreen) {
            timfullscreen.start();
        }
    } else if (exe == "impactemu.exe" || exe == "nt_impactemu.exe") {
        keys.send(PressKeySim2(gameName_));
    } else if (exe == "u64emu.exe" || exe == "u64emu2.exe") {
        keys.send(PressKeySim3());
    } else {
        return; // nothing to send: the timer ticks on without effect until the lock ends
    }
    timkey.stop();
}

void LaunchSupervisor::onTimfullscreen() {
    timfullscreen.stop();
    services_.keys->send(PressKeySim4());
}

void LaunchSupervisor::onTimLock() {
    window_.endLock();
    timLock.stop();
    keysSent = false;
}

void LaunchSupervisor::onTimWfExit() {
    const auto joystick = services_.joystick->poll();
    const bool byJoystick = joystick && exitJoyMask != 0 && joystick->buttons == exitJoyMask;
    const int exitKey = keyCode(keys_.keyExit);
    const bool byKey = exitKey != 0 && services_.keys->isDown(exitKey);
    if (byJoystick || byKey) {
        // An Escape key held by the user reaches the emulator by itself.
        if (byJoystick || exitKey != kVkEscape) {
            services_.keys->send(escapeTap());
        }
        const int path = curPath_;
        if (path == kModeler || path == kUltra64 || path == kVisualPinball) {
            timescape.start();
            timWfExit.stop();
        }
    }
    QCoreApplication::processEvents();
}

void LaunchSupervisor::onTimescape() {
    timescape.stop();
    services_.keys->send(curPath_ == kVisualPinball ? PressKeySimVPE() : escapeTap());
}

} // namespace zembra
