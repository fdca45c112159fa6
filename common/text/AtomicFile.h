// SPDX-License-Identifier: GPL-3.0-or-later
// Saving files so that a power cut never leaves a half-written one.
#pragma once

#include "common/os/FileSystem.h"

#include <string_view>

namespace common {

/// Whether `name` has the form of a save's temporary file: ".<file name>.tmp-XXXXXX".
bool isSaveTemporaryName(std::string_view name);

/// The temporary a save of the file `name` writes first, before the random part mkstemp fills
/// in: ".<name>.tmp-XXXXXX".
std::string saveTemporaryPattern(std::string_view name);

} // namespace common
