// SPDX-License-Identifier: GPL-3.0-or-later
// scheme.cfg: the font and the three colours of a skin.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace common {

/// Colours are 24-bit numbers with red in the low byte, then green, then blue (0x00BBGGRR).
struct Scheme {
    std::string fontName;
    float fontSize = 0;
    std::int32_t bgColour = 0;
    std::int32_t fontColour = 0;
    std::int32_t highColour = 0;

    bool operator==(const Scheme&) const = default;
};

/// Reads the one record: all five values, or (when one is missing or bad) none of them.
bool readScheme(std::string_view text, Scheme& scheme);
std::string writeScheme(const Scheme& scheme);

bool loadScheme(const std::filesystem::path& file, Scheme& scheme);
bool saveScheme(const std::filesystem::path& file, const Scheme& scheme,
                std::string* error = nullptr);

} // namespace common
