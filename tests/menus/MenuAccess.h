// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' view of the settings menu's entries, which it keeps to itself.
#pragma once

#include "zembra/menus/frmMenu.h"

namespace testing_support {

struct MenuAccess {
    zembra::frmMenu& menu;

    std::array<QLabel*, zembra::kMenuEntries>& entries() { return menu.entries; }
};

inline MenuAccess menuParts(zembra::frmMenu& menu) {
    return {menu};
}

} // namespace testing_support
