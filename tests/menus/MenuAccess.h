// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' view of the settings menu's entries and its screens' labels, which the windows keep
// to themselves.
#pragma once

#include "zembra/menus/SettingsWindows.h"
#include "zembra/menus/frmMenu.h"

namespace testing_support {

struct MenuAccess {
    zembra::frmMenu& menu;

    std::array<QLabel*, zembra::kMenuEntries>& entries() { return menu.entries; }
};

inline MenuAccess menuParts(zembra::frmMenu& menu) {
    return {menu};
}

struct ScreenAccess {
    zembra::SettingsScreen& screen;

    QLabel* lblValue() { return screen.lblValue; }
    QLabel* lblNote() { return screen.lblNote; }
};

inline ScreenAccess screenParts(zembra::SettingsScreen& screen) {
    return {screen};
}

} // namespace testing_support
