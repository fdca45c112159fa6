// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text/AtomicFile.h"

#include <string>

namespace common {
namespace {

constexpr std::string_view kTempMark = ".tmp-";
constexpr std::size_t kTempRandom = 6; // the XXXXXX mkstemp fills in

bool isAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

bool isSaveTemporaryName(std::string_view name) {
    if (name.size() < 1 + 1 + kTempMark.size() + kTempRandom || name.front() != '.') {
        return false;
    }
    const std::string_view random = name.substr(name.size() - kTempRandom);
    const std::string_view mark =
        name.substr(name.size() - kTempRandom - kTempMark.size(), kTempMark.size());
    for (const char c : random) {
        if (!isAlnum(c)) {
            return false;
        }
    }
    return mark == kTempMark;
}

std::string saveTemporaryPattern(std::string_view name) {
    std::string pattern = ".";
    pattern += name;
    pattern += kTempMark;
    pattern.append(kTempRandom, 'X');
    return pattern;
}

} // namespace common
