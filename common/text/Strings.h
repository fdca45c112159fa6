// SPDX-License-Identifier: GPL-3.0-or-later
// Small text helpers used by the file readers.
#pragma once

#include <string>
#include <string_view>

namespace common {

/// Removes spaces (and tabs) from both ends, as the files' trimmed values are compared.
inline std::string_view trimView(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

inline std::string trim(std::string_view text) {
    return std::string(trimView(text));
}

/// Upper case of the ASCII letters only; other bytes stay as they are.
inline std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

/// What follows a fixed-width label: the characters after the first `width`, or nothing when
/// the text is shorter. The label itself is never examined.
inline std::string afterLabel(std::string_view text, std::size_t width) {
    return width < text.size() ? std::string(text.substr(width)) : std::string();
}

} // namespace common
