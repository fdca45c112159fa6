// SPDX-License-Identifier: GPL-3.0-or-later
// Random numbers a test chooses: the given ones in turn, then the last one again.
#pragma once

#include "zembra/attract/RandomSource.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <vector>

namespace testing_fakes {

class FakeRandom final : public zembra::RandomSource {
public:
    FakeRandom(std::initializer_list<double> values) : values_(values) {}
    explicit FakeRandom(std::vector<double> values) : values_(std::move(values)) {}

    double unit() override {
        return values_.empty() ? 0.0 : values_[std::min(next_++, values_.size() - 1)];
    }

private:
    std::vector<double> values_;
    std::size_t next_ = 0;
};

} // namespace testing_fakes
