// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' view of the intro window's timers, which no other window reaches.
#pragma once

#include "zembra/startup/blanker.h"

namespace testing_support {

struct IntroAccess {
    zembra::blanker& intro;

    QTimer& timexit() { return intro.timexit; }
};

inline IntroAccess introParts(zembra::blanker& intro) {
    return {intro};
}

} // namespace testing_support
