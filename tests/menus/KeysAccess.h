// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' view of the key redefinition window's prompt, which it keeps to itself.
#pragma once

#include "zembra/menus/Keys.h"

namespace testing_support {

struct KeysAccess {
    zembra::Keys& keys;

    QLabel* Label1() { return keys.Label1; }
};

inline KeysAccess keysParts(zembra::Keys& keys) {
    return {keys};
}

} // namespace testing_support
