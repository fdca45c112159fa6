// SPDX-License-Identifier: GPL-3.0-or-later
// Loads a whole text file as UTF-8, whatever encoding a Windows editor gave it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace common {

/// No file the programs read is meant to be anywhere near this size; a bigger one is refused
/// instead of being pulled into memory.
inline constexpr std::size_t kMaxTextFileBytes = 64 * 1024 * 1024;

bool isValidUtf8(std::string_view bytes);

/// Windows-1252 to UTF-8. The five undefined bytes map to U+FFFD.
std::string cp1252ToUtf8(std::string_view bytes);

/// Bytes as read from disk to the UTF-8 text the readers work on: a leading UTF-8 byte-order
/// mark is dropped; text that is not valid UTF-8 is taken as Windows-1252.
std::string decodeText(std::string_view bytes);

/// Reads a file's bytes as they are, under the same rules and with the same error words as
/// `loadTextFile`.
std::optional<std::string> loadFileBytes(const std::filesystem::path& path,
                                         std::string* error = nullptr);

/// Reads and decodes a file. Empty optional when the file is missing, is not a regular file,
/// cannot be reached, opened or read, or is larger than kMaxTextFileBytes; `error` then says
/// which, as words that follow the file's name ("is missing", "cannot be opened (Permission
/// denied)"), so callers write "<file> " + error.
std::optional<std::string> loadTextFile(const std::filesystem::path& path,
                                        std::string* error = nullptr);

} // namespace common
