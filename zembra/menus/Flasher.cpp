// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/menus/Flasher.h"

#include "zembra/browser/HighlightPulse.h"

namespace zembra {

std::optional<std::int32_t> Flasher::tick(std::int32_t highColour) {
    const auto colour = pulseColour(flashStep_, highColour);
    flashStep_ = nextPulseStep(flashStep_);
    return colour;
}

} // namespace zembra
