// SPDX-License-Identifier: GPL-3.0-or-later
// The scroll bars' throttle.
#include "tessel/Throttle.h"

#include <gtest/gtest.h>

namespace {

TEST(Throttle, OneValuePerTickAndTheLastOneLands) {
    tessel::Throttle throttle;
    EXPECT_TRUE(throttle.offer(0, 100));  // idle: applied at once
    EXPECT_FALSE(throttle.offer(0, 110)); // within the tick: held
    EXPECT_FALSE(throttle.offer(0, 120)); // the newest replaces it
    EXPECT_FALSE(throttle.offer(3, 7));
    EXPECT_EQ(throttle.tick(), (std::map<int, int>{{0, 120}, {3, 7}}));
    EXPECT_TRUE(throttle.running()); // runs one more tick after applying
    EXPECT_FALSE(throttle.offer(0, 130));
    EXPECT_EQ(throttle.tick(), (std::map<int, int>{{0, 130}}));
    EXPECT_TRUE(throttle.tick().empty());
    EXPECT_FALSE(throttle.running());
    EXPECT_TRUE(throttle.offer(1, 5));
}

} // namespace
