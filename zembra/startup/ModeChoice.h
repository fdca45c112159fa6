// SPDX-License-Identifier: GPL-3.0-or-later
// Picking the display mode nearest to a wanted size and refresh rate, without any X11.
#pragma once

#include <vector>

namespace zembra {

/// One mode an output can show, as it appears on the screen.
struct ModeInfo {
    int width = 0;
    int height = 0;
    double refresh = 0.0; ///< in Hz
};

/// The index in `modes` of the mode closest to width x height at `refresh` Hz; -1 when `modes`
/// is empty. A mode of exactly that size wins over any other size; among modes of the same
/// size the refresh rate nearest to `refresh` wins (the higher on a tie), and a `refresh` of 0
/// or less asks for the highest. Without an exact size, the smallest |dw| + |dh| wins.
int chooseMode(const std::vector<ModeInfo>& modes, int width, int height, double refresh);

} // namespace zembra
