// SPDX-License-Identifier: GPL-3.0-or-later
// Which display mode a resolution request lands on, whatever order X lists the modes in.
#include "zembra/platform/ModeChoice.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using zembra::ModeInfo;

namespace {

struct Row {
    std::string guards;
    std::vector<ModeInfo> modes;
    int width;
    int height;
    double refresh;
    ModeInfo expected;
};

const std::vector<ModeInfo> kMonitor = {
    {1920, 1080, 60.0},  {1920, 1080, 59.94}, {1920, 1080, 50.0},
    {1280, 1024, 75.02}, {1280, 1024, 60.02}, {1024, 768, 70.07},
    {1024, 768, 60.0},   {800, 600, 60.32},   {640, 480, 59.94},
};

const std::vector<Row> kRows = {
    {"exact size and rate", kMonitor, 1024, 768, 60.0, {1024, 768, 60.0}},
    {"exact size beats a nearer rate elsewhere", kMonitor, 800, 600, 75.0, {800, 600, 60.32}},
    {"exact size takes the nearest rate", kMonitor, 1280, 1024, 72.0, {1280, 1024, 75.02}},
    {"rounded rate prefers the true 60 over 59.94", kMonitor, 1920, 1080, 60.0, {1920, 1080, 60.0}},
    {"equally near rates take the faster",
     {{1024, 768, 59.0}, {1024, 768, 61.0}},
     1024,
     768,
     60.0,
     {1024, 768, 61.0}},
    {"rate 0 takes the fastest of the size", kMonitor, 1920, 1080, 0.0, {1920, 1080, 60.0}},
    {"negative rate takes the fastest of the size",
     kMonitor,
     1280,
     1024,
     -1.0,
     {1280, 1024, 75.02}},
    {"no exact size takes the least |dw|+|dh|", kMonitor, 1000, 750, 60.0, {1024, 768, 60.0}},
    {"size distance is summed, not area",
     {{1280, 1024, 60.0}, {1366, 768, 60.0}},
     1280,
     800,
     60.0,
     {1366, 768, 60.0}},
    {"no exact size still takes the nearest rate of the nearest size",
     kMonitor,
     1270,
     1020,
     70.0,
     {1280, 1024, 75.02}},
    {"no exact size with rate 0 takes the fastest", kMonitor, 1030, 770, 0.0, {1024, 768, 70.07}},
    {"sizes equally far at one rate take the larger",
     {{800, 600, 60.0}, {1000, 600, 60.0}},
     900,
     600,
     60.0,
     {1000, 600, 60.0}},
    {"a single mode is taken whatever is asked",
     {{640, 480, 59.94}},
     3840,
     2160,
     144.0,
     {640, 480, 59.94}},
};

bool sameMode(const ModeInfo& a, const ModeInfo& b) {
    return a.width == b.width && a.height == b.height && a.refresh == b.refresh;
}

std::string describe(const ModeInfo& m) {
    return std::to_string(m.width) + "x" + std::to_string(m.height) + "@" +
           std::to_string(m.refresh);
}

TEST(ModeChoice, PicksTheClosestModeInAnyListingOrder) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.guards);
        std::vector<ModeInfo> modes = row.modes;
        for (int order = 0; order < 2; ++order) {
            const int index = zembra::chooseMode(modes, row.width, row.height, row.refresh);
            ASSERT_GE(index, 0);
            ASSERT_LT(index, static_cast<int>(modes.size()));
            EXPECT_TRUE(sameMode(modes[static_cast<std::size_t>(index)], row.expected))
                << (order ? "reversed list: " : "listed order: ") << "got "
                << describe(modes[static_cast<std::size_t>(index)]) << ", expected "
                << describe(row.expected);
            std::reverse(modes.begin(), modes.end());
        }
    }
}

TEST(ModeChoice, NoModesGivesNone) {
    EXPECT_EQ(zembra::chooseMode({}, 1024, 768, 60.0), -1);
    EXPECT_EQ(zembra::chooseMode({}, 0, 0, 0.0), -1);
}

} // namespace
