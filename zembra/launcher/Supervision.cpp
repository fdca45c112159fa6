// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a game from the browser, and the timers around a supervised emulator: its keys,
// the start-up lock, the exit watch and the closing keys.
#include "zembra/attract/blanker.h"
#include "zembra/browser/Main.h"
#include "zembra/input/JoystickPoll.h"
#include "zembra/launcher/EmulatorCommand.h"
#include "zembra/startup/Application.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <algorithm>

namespace zembra {

void Main::runEmu() {
    const Launch launch = runEmuCommand(state_.programFolder, state_.config, state_.tables,
                                        state_.curPath, state_.list1.index());
    state_.gameName = launch.gameName;
    state_.emuExe = launch.emuExe;
    timScr.stop();
    timfx.stop();
    auto failed = [this, &launch](const std::string& why) {
        launchFailed(why);
        if (!launch.commandLine.empty()) {
            qWarning("zembra: the command line in the configuration: %s",
                     launch.commandLine.c_str());
        }
    };
    if (launch.refused) {
        failed(*launch.refused);
        return;
    }
    Launcher& launcher = *app_.services().launcher;
    const Launcher::Result result =
        launch.mode == Launch::Mode::Play
            ? launcher.open(launch.program, launch.workingFolder)
            : launcher.start(launch.program, launch.arguments, launch.workingFolder,
                             launch.mode == Launch::Mode::Blocking);
    if (!result.started) {
        failed(result.error);
    } else if (launch.mode == Launch::Mode::Blocking) {
        takeKeyboardBack();
    } else {
        if (launch.mode != Launch::Mode::Play) {
            timkey.start();
        }
        watchingOpener_ = launch.mode == Launch::Mode::Play;
        foreignKeyboardSeen_ = false;
        emulatorEndWatch.start();
        timWfExit.start();
        timLock.start();
        setEnabled(false);
    }
    if (launch.checkExitButton) {
        exitJoyMask = checkExitbut(state_.joyBindings, exitJoyMask);
    }
}

void Main::launchFailed(const std::string& why) {
    qWarning("zembra: %s", why.c_str());
    notice->setText(QString::fromStdString(why));
    notice->adjustSize();
    notice->move((width() - notice->width()) / 2, height() - notice->height() - 20);
    notice->show();
    notice->raise();
    QTimer::singleShot(4000, notice, &QWidget::hide);
    timScr.start();
}

void Main::takeKeyboardBack() {
    raise();
    activateWindow();
    setFocus();
    app_.services().keys->takeKeyboard(winId());
}

void Main::standDown() {
    for (QTimer* timer : {&Timer1,       &timUp,        &timdown, &timleft,      &timright,
                          &timPp,        &timNp,        &timjoy,  &timhigh,      &timscroller,
                          &timscroller2, &timtorefresh, &timScr,  &timRefreshit, &timfx,
                          &timWfExit,    &timkey,       &timLock, &timescape,    &emulatorEndWatch,
                          &timfullscreen}) {
        timer->stop();
    }
    launchPending_ = false;
    setEnabled(false);
}

void Main::onEmulatorEndWatch() {
    // The keyboard is never taken from another program's window: the game may still run
    // there, whatever became of the process that was started.
    const std::uintptr_t holder = app_.services().keys->keyboardWindow();
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
    if (app_.services().launcher->running()) {
        return;
    }
    // A desktop's opener hands the table to a player and ends at once: its end says nothing.
    // The table is over once the player's window has had the keyboard and lost it.
    if (watchingOpener_ && !foreignKeyboardSeen_) {
        const std::string why = app_.services().launcher->openFailure();
        if (!why.empty()) {
            // No table is coming: the supervision ends here and the browser says why.
            emulatorEndWatch.stop();
            timWfExit.stop();
            onTimLock();
            launchFailed(why);
        }
        return;
    }
    emulatorEndWatch.stop();
    // A window manager hands the keyboard back by itself; a bare X session has nobody to do it.
    if (!isActiveWindow()) {
        takeKeyboardBack();
    }
}

void Main::onTimkey() {
    if (keysSent) {
        return;
    }
    keysSent = true;
    const std::string& exe = state_.emuExe;
    KeyInjector& keys = *app_.services().keys;
    if (exe == "modeler.exe") {
        const KeySequence sequence = PressKeySim(state_.gameName);
        keys.send(sequence);
        if (sequence.startsFullScreen) {
            timfullscreen.start();
        }
    } else if (exe == "impactemu.exe" || exe == "nt_impactemu.exe") {
        keys.send(PressKeySim2(state_.gameName));
    } else if (exe == "u64emu.exe" || exe == "u64emu2.exe") {
        keys.send(PressKeySim3());
    } else {
        return; // nothing to send: the timer ticks on without effect until the lock ends
    }
    timkey.stop();
}

void Main::onTimfullscreen() {
    timfullscreen.stop();
    app_.services().keys->send(PressKeySim4());
}

void Main::onTimLock() {
    app_.intro().hide();
    setEnabled(true);
    timLock.stop();
    keysSent = false;
}

void Main::onTimWfExit() {
    const auto joystick = app_.services().joystick->poll();
    const bool byJoystick = joystick && exitJoyMask != 0 && joystick->buttons == exitJoyMask;
    const int exitKey = keyCode(state_.keys.keyExit);
    const bool byKey = exitKey != 0 && app_.services().keys->isDown(exitKey);
    if (byJoystick || byKey) {
        // An Escape key held by the user reaches the emulator by itself.
        if (byJoystick || exitKey != kVkEscape) {
            app_.services().keys->send(escapeTap());
        }
        const int path = state_.curPath;
        if (path == kModeler || path == kUltra64 || path == kVisualPinball) {
            timescape.start();
            timWfExit.stop();
        }
    }
    QCoreApplication::processEvents();
}

void Main::onTimescape() {
    timescape.stop();
    app_.services().keys->send(state_.curPath == kVisualPinball ? PressKeySimVPE() : escapeTap());
}

} // namespace zembra
