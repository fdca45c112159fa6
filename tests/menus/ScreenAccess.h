// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' view of a settings screen's labels, which the screen keeps to itself.
#pragma once

#include "zembra/menus/SettingsWindows.h"

namespace testing_support {

struct ScreenAccess {
    zembra::SettingsScreen& screen;

    QLabel* lblValue() { return screen.lblValue; }
    QLabel* lblNote() { return screen.lblNote; }
};

inline ScreenAccess screenParts(zembra::SettingsScreen& screen) {
    return {screen};
}

} // namespace testing_support
