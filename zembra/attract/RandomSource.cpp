// SPDX-License-Identifier: GPL-3.0-or-later
// The clock-seeded generator and the two ways the attract mode draws from it.
#include "zembra/attract/RandomSource.h"

#include "common/text/Numbers.h"

#include <algorithm>
#include <chrono>

namespace zembra {

ClockSeededRandom::ClockSeededRandom()
    : engine_(
          static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())) {
}

double ClockSeededRandom::unit() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

namespace {

// A generator is trusted only as far as [0, 1): anything else (a fake's mistake, a NaN) is
// pulled back inside, so no pick ever leaves its range.
double bounded(RandomSource& random) {
    const double value = random.unit();
    if (!(value >= 0.0)) {
        return 0.0;
    }
    return std::min(value, 1.0);
}

} // namespace

int randomEntry(RandomSource& random, int count) {
    if (count <= 0) {
        return 0;
    }
    const int pick = static_cast<int>(bounded(random) * count) + 1;
    return std::min(pick, count);
}

int roundedPick(RandomSource& random, int scale) {
    return static_cast<int>(common::roundHalfEven(bounded(random) * scale));
}

} // namespace zembra
