// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/browser/HighlightPulse.h"

#include "common/text/Numbers.h"

namespace zembra {

std::optional<std::int32_t> pulseColour(int counter, std::int32_t highColour) {
    static constexpr double kFactors[] = {0.125, 0.25, 0.5, 1, 1, 0.5, 0.25};
    if (counter < 0 || counter >= 7) {
        return std::nullopt;
    }
    return common::toInt32(kFactors[counter] * highColour);
}

} // namespace zembra
