// SPDX-License-Identifier: GPL-3.0-or-later
// joystick.ini: which action each of the joystick's sixteen inputs performs.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zembra {

/// Index 0 to 11: buttons 1 to 12; 12 stick up, 13 down, 14 left, 15 right. Each entry is an
/// action word as written ("SELECT", "Exit", ...); an empty entry binds nothing.
using JoyActions = std::array<std::string, 16>;

/// Reads the bindings in order: blank items and items beginning with "'" are comments; every
/// other item gives the next entry, its first 7 characters being a label and the rest, trimmed,
/// the word. Reading stops after the sixteenth entry, and at an item shorter than the label.
/// Entries not read are left empty.
JoyActions readJoyActions(std::string_view text);

/// Reads the program folder's joystick.ini; a missing file binds nothing.
JoyActions GetJoyKeys(const std::string& programFolder);

} // namespace zembra
