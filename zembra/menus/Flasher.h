// SPDX-License-Identifier: GPL-3.0-or-later
// The blink of the selected entry or value of the menu's windows, one step per 150 ms tick.
#pragma once

#include <cstdint>
#include <optional>

namespace zembra {

/// Each window keeps its own. The colours are the browser's highlight pulse: the whole colour
/// number times 0.125, 0.25, 0.5, 1, 1, 0.5, 0.25, then one tick that leaves the colour as it
/// is, eight ticks in all.
class Flasher {
public:
    /// The text colour for this tick, or nothing for the tick that changes nothing; moves on.
    std::optional<std::int32_t> tick(std::int32_t highColour);

    int flashStep() const { return flashStep_; }

private:
    int flashStep_ = 0;
};

} // namespace zembra
