// SPDX-License-Identifier: GPL-3.0-or-later
// joystick.ini: which action each of the joystick's sixteen inputs performs.
#pragma once

#include "zembra/input/Action.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zembra {

/// Index 0 to 11: buttons 1 to 12; 12 stick up, 13 down, 14 left, 15 right. Each entry is an
/// action word as written ("SELECT", "Exit", ...); an empty entry binds nothing.
using JoyWords = std::array<std::string, 16>;

/// Reads the bindings in order: blank items and items beginning with "'" are comments; every
/// other item gives the next entry, its first 7 characters being a label and the rest, trimmed,
/// the word. Reading stops after the sixteenth entry, and at an item shorter than the label.
/// Entries not read are left empty.
JoyWords readJoyWords(std::string_view text);

/// The action a joystick word names, in any letter case: SELECT, UP, DOWN, LEFTPAGE,
/// RIGHTPAGE, PREVPATH, NEXTPATH, REFRESH, MUTE, SCREENSAVER, CONFIG or EXIT. The joystick has
/// no word for the information window; any other word binds nothing.
std::optional<Action> joystickAction(std::string_view word);

/// The joystick's bindings, the words already turned into actions.
struct JoyBindings {
    std::array<std::optional<Action>, 16> actions{};
    /// The button bit that asks a running emulator to close: the first of buttons 1 to 12
    /// bound to exactly "Exit" (so written; "EXIT" works only in the browser); 0 for none.
    std::uint32_t exitButton = 0;

    bool operator==(const JoyBindings&) const = default;
};

JoyBindings bindJoystick(const JoyWords& words);

/// Reads the program folder's joystick.ini; a missing file binds nothing.
JoyBindings GetJoyKeys(const std::string& programFolder);

} // namespace zembra
