// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' view of a launch supervisor's timers and flags, which no window reaches.
#pragma once

#include "zembra/launcher/LaunchSupervisor.h"

namespace testing_support {

struct SupervisorAccess {
    zembra::LaunchSupervisor& supervisor;

    QTimer& timWfExit() { return supervisor.timWfExit; }
    QTimer& timkey() { return supervisor.timkey; }
    QTimer& timLock() { return supervisor.timLock; }
    QTimer& timescape() { return supervisor.timescape; }
    QTimer& timfullscreen() { return supervisor.timfullscreen; }
    QTimer& emulatorEndWatch() { return supervisor.emulatorEndWatch; }
    bool keysSent() const { return supervisor.keysSent; }
    std::uint32_t exitJoyMask() const { return supervisor.exitJoyMask; }
};

/// The supervision of a window that starts games.
template <typename Window>
SupervisorAccess supervision(Window& window) {
    return {window.supervisor()};
}

} // namespace testing_support
