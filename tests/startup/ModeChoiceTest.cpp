// SPDX-License-Identifier: GPL-3.0-or-later
// Which display mode a resolution request lands on, whatever order X lists the modes in.
#include "zembra/startup/ModeChoice.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

using zembra::ModeInfo;

namespace {

const std::vector<ModeInfo> kMonitor = {
    {1920, 1080, 60.0},  {1920, 1080, 59.94}, {1920, 1080, 50.0},
    {1280, 1024, 75.02}, {1280, 1024, 60.02}, {1024, 768, 70.07},
    {1024, 768, 60.0},   {800, 600, 60.32},   {640, 480, 59.94},
};

// Modes set up for the ties and the size distance.
const std::vector<ModeInfo> kOdd = {{1024, 768, 59.0}, {1024, 768, 61.0}, {1280, 1024, 60.0},
                                    {1366, 768, 60.0}, {800, 600, 60.0},  {1000, 600, 60.0}};

auto shown(const ModeInfo& mode) {
    return std::tuple(mode.width, mode.height, mode.refresh);
}

TEST(ModeChoice, PicksTheClosestModeInAnyListingOrder) {
    const struct {
        std::vector<ModeInfo> modes;
        const char* guards;
        int width, height;
        double refresh;
        ModeInfo expected;
    } rows[] = {
        {kMonitor, "exact size beats a nearer rate elsewhere", 800, 600, 75.0, {800, 600, 60.32}},
        {kMonitor, "the true 60 over 59.94", 1920, 1080, 60.0, {1920, 1080, 60.0}},
        {kMonitor, "rate 0 takes the fastest of the size", 1920, 1080, 0.0, {1920, 1080, 60.0}},
        {kMonitor, "and with rate 0 its fastest", 1030, 770, 0.0, {1024, 768, 70.07}},
        {kOdd, "equally near rates: the faster", 1024, 768, 60.0, {1024, 768, 61.0}},
        {kOdd, "|dw|+|dh|, not area or straight distance", 1200, 648, 60.0, {1000, 600, 60.0}},
        {kOdd, "sizes equally far at one rate: the larger", 900, 600, 60.0, {1000, 600, 60.0}},
        {{{640, 480, 59.94}}, "one mode, whatever is asked", 3840, 2160, 144.0, {640, 480, 59.94}},
    };
    for (const auto& row : rows) {
        std::vector<ModeInfo> modes = row.modes;
        for (const char* order : {"as listed", "reversed"}) {
            const int index = zembra::chooseMode(modes, row.width, row.height, row.refresh);
            ASSERT_TRUE(index >= 0 && index < static_cast<int>(modes.size())) << row.guards;
            EXPECT_EQ(shown(modes[static_cast<std::size_t>(index)]), shown(row.expected))
                << row.guards << ", " << order;
            std::reverse(modes.begin(), modes.end());
        }
    }
    EXPECT_EQ(zembra::chooseMode({}, 1024, 768, 60.0), -1);
}

} // namespace
