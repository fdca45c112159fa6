// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/browser/SkinBounds.h"

#include <algorithm>
#include <cmath>

namespace zembra {
namespace {

double bounded(double value, double low, double high) {
    return std::isnan(value) ? std::clamp(0.0, low, high) : std::clamp(value, low, high);
}

/// An extent that can be used as a bound: positive and finite, else the design's own.
double usable(double extent, double design) {
    return std::isfinite(extent) && extent > 0 ? extent : design;
}

} // namespace

double drawablePosition(double value, double extent) {
    return bounded(value, -extent, extent);
}

TwipRect drawableRect(const TwipRect& rect, double extentWidth, double extentHeight) {
    const double width = usable(extentWidth, kDesignWidthTwips);
    const double height = usable(extentHeight, kDesignHeightTwips);
    return {drawablePosition(rect.left, width), drawablePosition(rect.top, height),
            bounded(rect.width, 0, width), bounded(rect.height, 0, height)};
}

int drawableColumns(float listColumns, double areaWidth) {
    const int fit = std::max(1, fitCount(areaWidth, kPixelTwips));
    if (!(listColumns >= 1)) {
        return 1;
    }
    return static_cast<int>(std::min(std::floor(double(listColumns)), double(fit)));
}

std::int32_t scaledSpacing(std::int32_t spacing, double windowWidthTwips) {
    const double width = usable(windowWidthTwips, kDesignWidthTwips);
    const double scaled = std::nearbyint(double(spacing) * (width / kDesignWidthTwips));
    return static_cast<std::int32_t>(std::clamp(scaled, -width, width));
}

} // namespace zembra
