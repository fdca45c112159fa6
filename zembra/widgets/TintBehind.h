// SPDX-License-Identifier: GPL-3.0-or-later
// See-through windows: a small window that looks like a tinted pane over what lies behind.
#pragma once

#include <QWidget>
#include <cstdint>

namespace zembra {

/// Hides `window` for a moment, takes the picture of the screen where it stands, shows it
/// again and makes that picture, each pixel ANDed with `colour` (a colour number), its
/// background. Where the screen cannot be read (no display), the window is simply filled with
/// the colour.
void TintBehind(QWidget* window, std::int32_t colour = 170 | (250 << 8) | (250 << 16));

} // namespace zembra
