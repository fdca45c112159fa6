// SPDX-License-Identifier: GPL-3.0-or-later
// The thirteen actions every input device feeds and every window performs.
#pragma once

#include <cstddef>

namespace zembra {

/// In key-file order: zbkeys.cfg stores one key per action in this order.
enum class Action {
    Up,
    Down,
    NextPage,
    PrevPage,
    Refresh,
    Config,
    NextPath,
    PrevPath,
    Select,
    Exit,
    Saver,
    Mute,
    Info
};

inline constexpr std::size_t kActionCount = 13;

inline constexpr std::size_t index(Action action) {
    return static_cast<std::size_t>(action);
}

/// What comes with an action. A key repeats a move on the window's timer for as long as it is
/// held, and with a modifier shows the picture that belongs to the move instead; a joystick poll
/// makes one move each time (it fires again on the next poll while the input is held).
struct ActionModifiers {
    bool modifier = false;
    bool repeatsWhileHeld = true;
};

} // namespace zembra
