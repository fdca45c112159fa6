// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' view of the sound notice's label and timers, which it keeps to itself.
#pragma once

#include "zembra/browser/frmMute.h"

namespace testing_support {

struct MuteAccess {
    zembra::frmMute& notice;

    QTimer& timexit() { return notice.timexit; }
    QLabel* lblMute() { return notice.lblMute; }
};

inline MuteAccess muteParts(zembra::frmMute& notice) {
    return {notice};
}

} // namespace testing_support
