// SPDX-License-Identifier: GPL-3.0-or-later
// Twips and colour numbers, the units skins are written in, as Qt takes them.
#pragma once

#include <QColor>
#include <QRect>
#include <cmath>
#include <cstdint>

namespace common {

/// Skins place elements in twips; a window converts at 15 twips per pixel of its design size
/// and the window scaling stretches the result to the screen.
inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
inline double pixelsToTwips(int pixels) {
    return static_cast<double>(pixels) * kTwipsPerPixel;
}

/// A colour number has red in the low byte, then green, then blue (0x00BBGGRR).
inline QColor colourFromNumber(std::int32_t number) {
    const auto value = static_cast<std::uint32_t>(number);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

inline std::int32_t numberFromColour(const QColor& colour) {
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

/// Twip rectangle (left, top, width, height) to pixels.
inline QRect twipsRect(double left, double top, double width, double height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace common
