// SPDX-License-Identifier: GPL-3.0-or-later
// The pulse of a selected row: the highlight colour faded in and out over eight ticks.
#pragma once

#include <cstdint>
#include <optional>

namespace zembra {

inline constexpr int kPulseSteps = 8;

/// The colour painted at pulse step `counter` (0 to 6): the whole colour number times 0.125,
/// 0.25, 0.5, 1, 1, 0.5 or 0.25, rounded halves to even. Step 7 (or any other) paints nothing.
/// Multiplying the number rather than each channel is what gives the pulse its colours.
std::optional<std::int32_t> pulseColour(int counter, std::int32_t highColour);

/// Advances a pulse counter the way the highlight timer does: 0 to 7, then back to 0.
inline int nextPulseStep(int counter) {
    return counter >= kPulseSteps - 1 ? 0 : counter + 1;
}

} // namespace zembra
