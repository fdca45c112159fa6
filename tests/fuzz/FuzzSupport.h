// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: fuzz bytes as file text. Each target only feeds its reader;
// libFuzzer and the sanitizers report a crash, a hang or undefined behaviour.
#pragma once

#include "common/text/TextFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzzing {

inline std::string_view rawBytes(const std::uint8_t* data, std::size_t size) {
    return std::string_view(reinterpret_cast<const char*>(data), size);
}

/// The bytes as a reader sees a file: decoded exactly as the programs load their files.
inline std::string fileText(const std::uint8_t* data, std::size_t size) {
    return common::decodeText(rawBytes(data, size));
}

} // namespace fuzzing
