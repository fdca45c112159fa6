// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the program's backslash-joined path strings into native paths at the file-system edge.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace common {

/// Stands in a program path for a backslash that is part of a native name (a folder given as
/// `--home /cab/a\b`), so that the conversion below gives it back instead of making it a
/// separator. U+E000, a private-use character no stored file holds.
inline constexpr std::string_view kNativeBackslash = "\xEE\x80\x80";

/// Paths are built as text by plain concatenation, with backslashes ("\quarn.ini", "\neon\"),
/// so a cabinet folder reads the same on every system. Only here do they become native paths:
/// on Linux every backslash becomes a slash (and every kNativeBackslash a backslash again).
std::filesystem::path nativePath(std::string_view programPath);

/// The same conversion as text, for messages and for comparing paths.
std::string nativePathText(std::string_view programPath);

/// A native path as the start of a program path: its backslashes are names' characters, not
/// separators, and stay so when file names are joined to it.
std::string programPathOfNative(std::string_view nativePath);

} // namespace common
