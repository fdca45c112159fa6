// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/widgets/Scaling.h"

#include <algorithm>
#include <cmath>

namespace zembra {

double scaleRatio(int now, int recorded) {
    return recorded > 0 ? double(now) / double(recorded) : 0.0;
}

int scaledPixels(double recordedTwips, double ratio) {
    const double pixels = std::round(recordedTwips * ratio / 15.0);
    if (std::isnan(pixels)) {
        return 0;
    }
    return static_cast<int>(
        std::clamp(pixels, -double(kMaxElementPixels), double(kMaxElementPixels)));
}

} // namespace zembra
