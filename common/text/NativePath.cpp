// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text/NativePath.h"

#include <algorithm>

namespace common {

std::string nativePathText(std::string_view programPath) {
    std::string text(programPath);
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

std::filesystem::path nativePath(std::string_view programPath) {
    return std::filesystem::path(nativePathText(programPath));
}

} // namespace common
