// SPDX-License-Identifier: GPL-3.0-or-later
// The fixture of a contract test: the promises of an interface, written once as a typed test
// and held against each of its implementations.
#pragma once

#include <gtest/gtest.h>
#include <string>

namespace testing_support {

/// `World` sets up one implementation (the real service or its fake) and drives what the test
/// cannot do through the interface. A world that can be missing here (no display, no bus) says
/// why in `missing()`, and the test is skipped for it.
template <typename World>
class Contract : public ::testing::Test {
protected:
    void SetUp() override {
        if constexpr (requires { world.missing(); }) {
            const std::string why = world.missing();
            if (!why.empty()) {
                GTEST_SKIP() << why;
            }
        }
    }
    World world;
};

} // namespace testing_support
