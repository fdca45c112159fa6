// SPDX-License-Identifier: GPL-3.0-or-later
// See-through windows: a window that looks like a tinted pane over what lies behind it.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>

namespace zembra {

/// The tint's default colour (RGB 170, 250, 250) as a colour number.
inline constexpr std::int32_t kDefaultTint = 170 | (250 << 8) | (250 << 16);

/// The colour a window of the skin is tinted with: its background colour, unless that is pure
/// white or pure black (which would leave what lies behind unchanged or black), then the text
/// colour.
std::int32_t tintColour(std::int32_t bgColour, std::int32_t fontColour);

/// `behind` with each pixel ANDed with `colour` (a colour number).
QImage tintedPicture(QImage behind, std::int32_t colour);

/// Makes what lies behind `window`, each pixel ANDed with `colour`, the window's background.
/// Call it before the window is shown, with its geometry set: the screen is read where the
/// window will stand, so the picture holds the windows behind it and never the window itself
/// (without a compositor a window that is already shown would be read back). A window that is
/// shown already is hidden for the reading and shown again. Where the screen cannot be read
/// the window is simply filled with the colour.
void TintBehind(QWidget* window, std::int32_t colour = kDefaultTint);

} // namespace zembra
