// SPDX-License-Identifier: GPL-3.0-or-later
// The random numbers of the attract mode, behind an interface so that tests choose them.
#pragma once

#include <cstdint>
#include <random>

namespace zembra {

/// Numbers in [0, 1), as the attract mode draws them for songs and artwork.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double unit() = 0;
};

/// The program's generator, seeded once from the clock when the window opens.
class ClockSeededRandom final : public RandomSource {
public:
    ClockSeededRandom();
    explicit ClockSeededRandom(std::uint64_t seed) : engine_(seed) {}
    double unit() override;

private:
    std::mt19937_64 engine_;
};

/// An entry number from 1 to `count`, each as likely; 0 when there is none.
int randomEntry(RandomSource& random, int count);

/// `unit()` times `scale`, rounded to the nearest whole number with halves to even, as the
/// rotation picks its kind, path and row (so 0 and `scale` come up half as often as the rest).
int roundedPick(RandomSource& random, int scale);

} // namespace zembra
