// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetic of window scaling: ratios and scaled places, kept within what a window holds.
#pragma once

namespace zembra {

/// The largest place or size in pixels a window element can take (Qt's own limit).
inline constexpr int kMaxElementPixels = (1 << 24) - 1;

/// A window's size now over its recorded size; 0 when nothing usable was recorded.
double scaleRatio(int now, int recorded);

/// A recorded place or size in twips times `ratio`, as whole pixels (15 twips each), computed
/// wide and kept within +-kMaxElementPixels; what is not a number gives 0.
int scaledPixels(double recordedTwips, double ratio);

} // namespace zembra
