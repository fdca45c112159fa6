// SPDX-License-Identifier: GPL-3.0-or-later
// Picking the display mode nearest to a wanted size and refresh rate, without any X11.
#include "zembra/startup/ModeChoice.h"

#include <cmath>
#include <cstdlib>

namespace zembra {

namespace {

// Sizes come from X as 16-bit values, so the sums fit; long long keeps a wild request from
// overflowing all the same.
long long sizeDistance(const ModeInfo& mode, int width, int height) {
    return std::llabs(static_cast<long long>(mode.width) - width) +
           std::llabs(static_cast<long long>(mode.height) - height);
}

// Whether `candidate` shows the wanted refresh rate better than `best`. With no rate asked
// for, the fastest wins; otherwise the nearest, and of two equally near the faster, because a
// game looks smoother on it.
bool betterRefresh(double candidate, double best, double wanted) {
    if (!(wanted > 0.0)) {
        return candidate > best;
    }
    const double candidateGap = std::fabs(candidate - wanted);
    const double bestGap = std::fabs(best - wanted);
    if (candidateGap != bestGap) {
        return candidateGap < bestGap;
    }
    return candidate > best;
}

} // namespace

int chooseMode(const std::vector<ModeInfo>& modes, int width, int height, double refresh) {
    int best = -1;
    for (int i = 0; i < static_cast<int>(modes.size()); ++i) {
        if (best < 0) {
            best = i;
            continue;
        }
        const ModeInfo& candidate = modes[static_cast<std::size_t>(i)];
        const ModeInfo& current = modes[static_cast<std::size_t>(best)];
        const long long candidateDistance = sizeDistance(candidate, width, height);
        const long long currentDistance = sizeDistance(current, width, height);
        if (candidateDistance != currentDistance) {
            if (candidateDistance < currentDistance) {
                best = i;
            }
            continue;
        }
        if (candidate.refresh != current.refresh) {
            if (betterRefresh(candidate.refresh, current.refresh, refresh)) {
                best = i;
            }
            continue;
        }
        // Two different sizes equally far off at the same rate: the larger shows all of the
        // layout, so the choice does not depend on the order X lists the modes in.
        const long long candidateArea = static_cast<long long>(candidate.width) * candidate.height;
        const long long currentArea = static_cast<long long>(current.width) * current.height;
        if (candidateArea > currentArea) {
            best = i;
        }
    }
    return best;
}

} // namespace zembra
