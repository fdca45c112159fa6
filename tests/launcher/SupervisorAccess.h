// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' view of a launch supervisor's timers, which no window reaches.
#pragma once

#include "zembra/launcher/LaunchSupervisor.h"

namespace testing_support {

struct SupervisorAccess {
    zembra::LaunchSupervisor& supervisor;

    QTimer& timWfExit() { return supervisor.timWfExit; }
    QTimer& timLock() { return supervisor.timLock; }
    QTimer& emulatorEndWatch() { return supervisor.emulatorEndWatch; }
};

/// The supervision of a window that starts games.
template <typename Window>
SupervisorAccess supervision(Window& window) {
    return {window.supervisor()};
}

} // namespace testing_support
