// SPDX-License-Identifier: GPL-3.0-or-later
// A skin folder as both programs load it: skin.ini, scheme.cfg and the user's font size.
#pragma once

#include "common/skin/SchemeFile.h"
#include "common/skin/SkinFile.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace common {

/// What loading a skin folder found. Values a file did not give keep what they held before.
struct SkinFolderLoad {
    bool layoutFound = false;    ///< skin.ini exists and could be read
    bool layoutComplete = false; ///< all twenty records were read
    bool schemeFound = false;
    bool schemeComplete = false;
};

/// Reads `folder`/skin.ini into `layout` and `folder`/scheme.cfg into `scheme`. A
/// `userFontSize` greater than 0 replaces the skin's font size (the cabinet's owner chose it
/// for every skin); 0 or less keeps the skin's own.
SkinFolderLoad loadSkinFolder(const std::filesystem::path& folder, SkinLayout& layout,
                              Scheme& scheme, double userFontSize = 0);

/// The file called `name` in `folder`, matched without regard to case when no file has
/// exactly that name: skins made on Windows name their pictures "Screen32.jpg" or
/// "screen32.jpg" at will. When nothing matches, `folder`/`name` as given.
std::filesystem::path skinFile(const std::filesystem::path& folder, std::string_view name);

} // namespace common
