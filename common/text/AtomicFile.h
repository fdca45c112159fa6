// SPDX-License-Identifier: GPL-3.0-or-later
// Saving files so that a power cut never leaves a half-written one.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace common {

/// Replaces `path` with `bytes`: writes a temporary file in the same folder, syncs it,
/// renames it over the old file and syncs the folder. After a power cut the file holds either
/// its old or its new content. Returns false, with the reason in `error`, when any step fails;
/// the old file is then untouched and no temporary file is left behind.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* error = nullptr);

/// Writes every byte to the open file `fd`, going on after interruptions; false (with errno
/// set) when the system refuses.
bool writeAll(int fd, std::string_view bytes);

} // namespace common
