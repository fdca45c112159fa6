// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: fuzz bytes as file text, and stopping loudly on a broken rule.
#pragma once

#include "common/text/TextFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace fuzzing {

/// The bytes as a reader sees a file: decoded exactly as the programs load their files.
inline std::string fileText(const std::uint8_t* data, std::size_t size) {
    return common::decodeText(std::string_view(reinterpret_cast<const char*>(data), size));
}

inline std::string_view rawBytes(const std::uint8_t* data, std::size_t size) {
    return std::string_view(reinterpret_cast<const char*>(data), size);
}

/// The item writer puts strings between double quotes and escapes nothing, so a string that
/// holds a double quote cannot be written and read back; round trips skip such values.
inline bool writable(std::string_view text) {
    return text.find('"') == std::string_view::npos;
}

/// No blank or tab at either end, as the readers trim their values.
inline bool trimmed(std::string_view text) {
    return text.empty() || (text.front() != ' ' && text.front() != '\t' && text.back() != ' ' &&
                            text.back() != '\t');
}

[[noreturn]] inline void broken(const char* rule, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: rule broken: %s\n", file, line, rule);
    std::fflush(stderr);
    __builtin_trap();
}

} // namespace fuzzing

/// Traps, so libFuzzer keeps the input, when a rule the reader promises does not hold.
#define FUZZ_REQUIRE(condition)                                                                    \
    ((condition) ? void(0) : ::fuzzing::broken(#condition, __FILE__, __LINE__))
