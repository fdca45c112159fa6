// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text/NativePath.h"

namespace common {

std::string nativePathText(std::string_view programPath) {
    std::string text;
    text.reserve(programPath.size());
    for (std::size_t at = 0; at < programPath.size(); ++at) {
        if (programPath.compare(at, kNativeBackslash.size(), kNativeBackslash) == 0) {
            text += '\\';
            at += kNativeBackslash.size() - 1;
        } else {
            text += programPath[at] == '\\' ? '/' : programPath[at];
        }
    }
    return text;
}

std::string programPathOfNative(std::string_view nativePath) {
    std::string text;
    text.reserve(nativePath.size());
    for (const char c : nativePath) {
        if (c == '\\') {
            text += kNativeBackslash;
        } else {
            text += c;
        }
    }
    return text;
}

std::filesystem::path nativePath(std::string_view programPath) {
    return std::filesystem::path(nativePathText(programPath));
}

} // namespace common
