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
///
/// A `path` that is a symbolic link is not replaced: its target is (the link stays). Before
/// saving, the temporaries that earlier saves into the folder left behind when they were killed
/// are removed.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* error = nullptr);

/// The file a save of `path` really replaces: a link is followed to its target (through
/// further links), so the link stays and its target is updated. A dangling link names the file
/// to create.
std::filesystem::path saveTarget(const std::filesystem::path& path);

/// Whether `name` has the form of a save's temporary file: ".<file name>.tmp-XXXXXX".
bool isSaveTemporaryName(std::string_view name);

/// Removes the temporaries of saves into `folder` that did not finish: files named like a
/// save's temporary, regular, owned by this user and not held by a save in progress (a save
/// keeps its temporary locked). Returns how many were removed.
int removeStaleTemporaries(const std::filesystem::path& folder);

/// Writes every byte to the open file `fd`, going on after interruptions; false (with errno
/// set) when the system refuses.
bool writeAll(int fd, std::string_view bytes);

} // namespace common
