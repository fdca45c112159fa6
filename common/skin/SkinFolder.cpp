// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/skin/SkinFolder.h"

#include "common/text/TextFile.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace common {
namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

SkinFolderLoad loadSkinFolder(const std::filesystem::path& folder, SkinLayout& layout,
                              Scheme& scheme, double userFontSize) {
    SkinFolderLoad result;
    if (const auto text = loadTextFile(folder / "skin.ini")) {
        result.layoutFound = true;
        result.layoutComplete = readSkinLayout(*text, layout);
    }
    if (const auto text = loadTextFile(folder / "scheme.cfg")) {
        result.schemeFound = true;
        result.schemeComplete = readScheme(*text, scheme);
    }
    if (userFontSize > 0) {
        scheme.fontSize = static_cast<float>(userFontSize);
    }
    return result;
}

std::filesystem::path skinFile(const std::filesystem::path& folder, std::string_view name) {
    std::filesystem::path exact = folder / name;
    std::error_code ec;
    if (std::filesystem::exists(exact, ec)) {
        return exact;
    }
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (sameIgnoringCase(it->path().filename().string(), name)) {
            return it->path();
        }
    }
    return exact;
}

} // namespace common
