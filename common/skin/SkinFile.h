// SPDX-License-Identifier: GPL-3.0-or-later
// skin.ini: where every element of the browser sits, which are shown, and the list mode.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace common {

/// An element's rectangle in twips of the 7680-twip-wide design. The height (or, for the logo,
/// the width) is a whole number: the browser has always read it into an integer.
struct ElementRect {
    float top = 0;
    float left = 0;
    float width = 0;
    std::int32_t height = 0;

    bool operator==(const ElementRect&) const = default;
};

/// The twenty records of skin.ini. Every value starts at zero, as elements do before a skin
/// has been read.
struct SkinLayout {
    ElementRect snap;
    bool showSnap = false;
    ElementRect cabinet;
    bool showCabinet = false;
    ElementRect flyer;
    bool showFlyer = false;
    ElementRect marquee;
    bool showMarquee = false;
    ElementRect listArea;
    float listColumns = 0;
    std::string listType; ///< "list", "snap", "flyer", "marquee", "cabinet" or empty (= "list")
    float cellWidth = 0;
    std::int32_t cellHeight = 0;
    float pathTop = 0;
    std::int32_t pathLeft = 0;
    bool showPath = false;
    float navTop = 0;
    std::int32_t navLeft = 0;
    bool showNav = false;
    std::int32_t imageSpacing = 0;
    std::int16_t listAlignment = 0; ///< 0 left, 1 right, 2 centred
    // The logo record stores its height before its width; existing skins depend on that order.
    float logoTop = 0;
    float logoLeft = 0;
    float logoHeight = 0;
    std::int32_t logoWidth = 0;
    bool showLogo = false;

    bool operator==(const SkinLayout&) const = default;
};

/// Reads skin.ini text into `layout`, record by record; a picture's or label's position and the
/// flag after it count as one record. Reading stops at the first value that is missing or does
/// not convert, and that whole record and the ones after it keep what they held. The values are
/// taken as written, however large: the browser bounds them where it places the elements.
/// Returns true when all twenty records were read.
bool readSkinLayout(std::string_view text, SkinLayout& layout);

/// The twenty records as the skin editor writes them, CR LF after each.
std::string writeSkinLayout(const SkinLayout& layout);

/// File versions of the above. A missing or unreadable file leaves `layout` unchanged.
bool loadSkinLayout(const std::filesystem::path& file, SkinLayout& layout);
bool saveSkinLayout(const std::filesystem::path& file, const SkinLayout& layout,
                    std::string* error = nullptr);

} // namespace common
