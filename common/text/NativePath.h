// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the program's backslash-joined path strings into native paths at the file-system edge.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace common {

/// Paths are built as text by plain concatenation, with backslashes ("\quarn.ini", "\neon\"),
/// so a cabinet folder reads the same on every system. Only here do they become native paths:
/// on Linux every backslash becomes a slash.
std::filesystem::path nativePath(std::string_view programPath);

/// The same conversion as text, for messages and for comparing paths.
std::string nativePathText(std::string_view programPath);

} // namespace common
