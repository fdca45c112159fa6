// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' view of the information window's text and timers, which it keeps to itself.
#pragma once

#include "zembra/info/Info.h"

namespace testing_support {

struct InfoAccess {
    zembra::Info& info;

    QLabel* infoc() { return info.infoc; }
};

inline InfoAccess infoParts(zembra::Info& info) {
    return {info};
}

} // namespace testing_support
