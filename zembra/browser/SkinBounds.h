// SPDX-License-Identifier: GPL-3.0-or-later
// skin.ini's numbers bounded to what a window can draw, where the browser applies them.
#pragma once

#include "zembra/browser/ListLayout.h"

#include <cstdint>

namespace zembra {

/// The design of the browser window in twips; every skin value is placed in it first.
inline constexpr double kDesignWidthTwips = 7680;
inline constexpr double kDesignHeightTwips = 5760;

/// Bounds an element's rectangle (twips) to what a window `extentWidth` x `extentHeight` twips
/// can show: each size within 0 and the window's extent in that direction, each position
/// within one extent either side of the window, so an element placed out of sight stays out of
/// sight. A value that is not a number counts as 0. The skin file itself keeps what it says.
TwipRect drawableRect(const TwipRect& rect, double extentWidth, double extentHeight);

/// A position (twips) within one extent either side of the window; not a number gives 0.
double drawablePosition(double value, double extent);

/// The skin's list columns as the layout takes them: below 1 (or not a number) is 1, and never
/// more columns than the list area holds at one pixel each, nor than kMaxListElements.
int drawableColumns(float listColumns, double areaWidth);

/// The skin's picture spacing grown with the window: spacing x (window width / 7680), rounded,
/// computed wide and kept within one window width either way.
std::int32_t scaledSpacing(std::int32_t spacing, double windowWidthTwips);

} // namespace zembra
