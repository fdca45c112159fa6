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

/// Number of characters of UTF-8 text (continuation bytes are not counted).
inline std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

/// Byte offset just after the first `count` characters of UTF-8 text (its size when shorter).
inline std::size_t characterOffset(std::string_view text, std::size_t count) {
    std::size_t at = 0;
    for (; count > 0 && at < text.size(); --count) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) {
            ++at;
        }
    }
    return at;
}

/// What follows a fixed-width label: the text after the first `width` characters, or nothing
/// when the text is shorter. The label itself is never examined. Characters, not bytes, are
/// counted: a label with an accented letter ("Pfäd=" written in UTF-8) is still its own width.
inline std::string afterLabel(std::string_view text, std::size_t width) {
    return std::string(text.substr(characterOffset(text, width)));
}

/// Text as it may be shown in a message: control characters (a NUL byte, an escape) become
/// \xNN, so a message never carries them to a terminal or cuts short at them.
inline std::string printable(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace common
