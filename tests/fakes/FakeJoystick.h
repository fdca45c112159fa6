// SPDX-License-Identifier: GPL-3.0-or-later
// A joystick whose reading the test sets.
#pragma once

#include "zembra/platform/Joystick.h"

#include <optional>

namespace testing_fakes {

class FakeJoystick : public zembra::Joystick {
public:
    std::optional<zembra::JoystickState> poll() override { return state; }

    /// What every poll returns; empty is "no joystick attached".
    std::optional<zembra::JoystickState> state;
};

} // namespace testing_fakes
