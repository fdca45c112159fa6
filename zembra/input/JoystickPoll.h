// SPDX-License-Identifier: GPL-3.0-or-later
// Which of the joystick's sixteen inputs one poll fires, and the exit button's mask.
#pragma once

#include "zembra/input/JoystickFile.h"
#include "zembra/platform/Joystick.h"

#include <cstdint>
#include <vector>

namespace zembra {

/// The inputs fired by one reading, in the order they act: down (13) when y is above 40000,
/// up (12) when below 20000, right (15) when x is above 40000, left (14) when below 20000,
/// then button n (0 to 11) when the button word is exactly that one button's bit. Two buttons
/// held together fire no button. There is no edge detection: a held input fires every poll.
std::vector<int> joystickInputs(const JoystickState& state);

/// The button bit that asks a running emulator to close (the bindings' exit button); `current`
/// is kept when no button is bound to it.
std::uint32_t checkExitbut(const JoyBindings& bindings, std::uint32_t current);

} // namespace zembra
