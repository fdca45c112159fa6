// SPDX-License-Identifier: GPL-3.0-or-later
// A joystick whose reading the test sets, counting how often the window polls it.
#pragma once

#include "zembra/platform/Joystick.h"

#include <optional>

namespace testing_fakes {

class FakeJoystick : public zembra::Joystick {
public:
    std::optional<zembra::JoystickState> poll() override {
        ++polls;
        return state;
    }

    /// What every poll returns; empty is "no joystick attached".
    std::optional<zembra::JoystickState> state;
    int polls = 0;
};

} // namespace testing_fakes
