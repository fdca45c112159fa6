// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text/TextFile.h"

#include "common/os/FileSystem.h"

#include <cstdint>

namespace common {
namespace {

// 0x80 to 0x9F of Windows-1252; 0 marks the five bytes the code page leaves undefined.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void setError(std::string* error, std::string text) {
    if (error != nullptr) {
        *error = std::move(text);
    }
}

} // namespace

bool isValidUtf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int length = 0;
        char32_t value = 0;
        if ((c & 0xE0) == 0xC0) {
            length = 2;
            value = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3;
            value = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4;
            value = c & 0x07;
        } else {
            return false;
        }
        if (end - p < length) {
            return false;
        }
        for (int i = 1; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80) {
                return false;
            }
            value = (value << 6) | (p[i] & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        static constexpr char32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
            return false;
        }
        p += length;
    }
    return true;
}

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else if (c < 0xA0) {
            const char16_t mapped = kCp1252High[c - 0x80];
            appendUtf8(out, mapped != 0 ? mapped : 0xFFFD);
        } else {
            appendUtf8(out, c);
        }
    }
    return out;
}

std::string decodeText(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    if (isValidUtf8(bytes)) {
        return std::string(bytes);
    }
    return cp1252ToUtf8(bytes);
}

std::optional<std::string> loadFileBytes(const std::filesystem::path& path, std::string* error) {
    const FileStatus status = fileStatus(path);
    switch (status.kind) {
    case FileKind::Missing:
        setError(error, "is missing");
        return std::nullopt;
    case FileKind::Unreachable:
        // A link loop or a folder without permission is not a missing file: say what it is.
        setError(error, "cannot be reached (" + status.reason + ")");
        return std::nullopt;
    case FileKind::Folder:
        setError(error, "is a folder, not a file");
        return std::nullopt;
    case FileKind::Other:
        setError(error, "is not a regular file");
        return std::nullopt;
    case FileKind::File:
        break;
    }
    if (status.size > kMaxTextFileBytes) {
        setError(error, "is too large (" + std::to_string(status.size) + " bytes; at most " +
                            std::to_string(kMaxTextFileBytes) + " are read)");
        return std::nullopt;
    }
    ReadFile file(path);
    if (!file.isOpen()) {
        setError(error, "cannot be opened (" + file.reason() + ")");
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(status.size), '\0');
    std::size_t filled = 0;
    // A file that shrank while being read keeps what was there.
    while (filled < bytes.size()) {
        const auto got = file.read(bytes.data() + filled, bytes.size() - filled);
        if (!got) {
            setError(error, "cannot be read (" + file.reason() + ")");
            return std::nullopt;
        }
        if (*got == 0) {
            break;
        }
        filled += *got;
    }
    bytes.resize(filled);
    return bytes;
}

std::optional<std::string> loadTextFile(const std::filesystem::path& path, std::string* error) {
    auto bytes = loadFileBytes(path, error);
    if (!bytes) {
        return std::nullopt;
    }
    return decodeText(*bytes);
}

} // namespace common
