// SPDX-License-Identifier: GPL-3.0-or-later
// The first joystick, as the front-end polls it: position and pressed buttons.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

namespace zembra {

/// x and y run from 0 to 65535 with the centre at 32768; bit n of `buttons` (1, 2, 4 ... 2048)
/// is button n + 1.
struct JoystickState {
    std::uint32_t x = 32768;
    std::uint32_t y = 32768;
    std::uint32_t buttons = 0;

    bool operator==(const JoystickState&) const = default;
};

class Joystick {
public:
    virtual ~Joystick() = default;

    /// Reads joystick 0, the first one attached. Empty when there is none; a joystick plugged
    /// in later is found by a later call.
    virtual std::optional<JoystickState> poll() = 0;
};

/// SDL's joystick subsystem, without its video; a joystick that can never be read (SDL cannot
/// start) simply reports none.
std::unique_ptr<Joystick> makeJoystick();

} // namespace zembra
