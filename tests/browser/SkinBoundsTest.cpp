// SPDX-License-Identifier: GPL-3.0-or-later
// Skin values beyond any screen: bounded where the browser places them, counted wide.
#include "zembra/browser/SkinBounds.h"

#include "zembra/platform/Scaling.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

using zembra::TwipRect;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kMax = zembra::kMaxListElements;

TEST(SkinBounds, RectanglesStayWithinWhatTheWindowShows) {
    struct Row {
        TwipRect skin;
        TwipRect placed;
    } const rows[] = {
        {{100, 200, 300, 400}, {100, 200, 300, 400}},         // an ordinary element
        {{900, 200, 3600, 2e9}, {900, 200, 3600, 5760}},      // a list area beyond the screen
        {{-2e9, 3e9, 2e9, 2e9}, {-7680, 5760, 7680, 5760}},   // out of sight stays so
        {{0, 0, -300, -1}, {0, 0, 0, 0}},                     // no negative sizes
        {{kNaN, kNaN, kNaN, kNaN}, {0, 0, 0, 0}},             // not a number
        {{-1000, -500, 9000, 100}, {-1000, -500, 7680, 100}}, // partly out of sight
    };
    for (const Row& row : rows) {
        EXPECT_EQ(zembra::drawableRect(row.skin, 7680, 5760), row.placed)
            << row.skin.left << " " << row.skin.top << " " << row.skin.width << " "
            << row.skin.height;
    }
}

TEST(SkinBounds, ColumnsAndSpacingAreCountedWideAndBounded) {
    struct Columns {
        float skin;
        double areaWidth;
        int used;
    } const columns[] = {
        {0, 3600, 1},      {-5, 3600, 1}, {2.7f, 3600, 2}, {std::nanf(""), 3600, 1},
        {1e9f, 3600, 240}, // no column narrower than a pixel
        {1e9f, 1e9, kMax}, {3, 0, 1},
    };
    for (const Columns& row : columns) {
        EXPECT_EQ(zembra::drawableColumns(row.skin, row.areaWidth), row.used) << row.skin;
    }
    struct Spacing {
        std::int32_t skin;
        double windowWidth;
        std::int32_t used;
    } const spacings[] = {
        {100, 7680, 100},
        {100, 28800, 375}, // 1920 pixels wide
        {std::numeric_limits<std::int32_t>::min(), 28800, -28800},
        {std::numeric_limits<std::int32_t>::max(), 28800, 28800},
        {100, 0, 100}, // no window yet: the design's width
    };
    for (const Spacing& row : spacings) {
        EXPECT_EQ(zembra::scaledSpacing(row.skin, row.windowWidth), row.used) << row.skin;
    }
}

TEST(SkinBounds, ListsNeverOutgrowWhatCouldShowAGame) {
    // A list area two thousand million twips high, or a thousand million columns.
    const auto tall = zembra::textListLayout({0, 0, 3600, 2e9}, 1, 300);
    EXPECT_EQ(tall.labels.size(), std::size_t(kMax));
    EXPECT_EQ(tall.midIndex, kMax / 2);
    const auto wide = zembra::textListLayout({0, 0, 2e9, 4500}, 1'000'000'000, 300);
    EXPECT_EQ(wide.labels.size(), std::size_t(kMax));
    // Rows lower than a pixel count as a pixel.
    EXPECT_EQ(zembra::textListLayout({0, 0, 3000, 150}, 1, 0.001).labels.size(), 10u);

    // Cells of one pixel over a whole screen, and cells of a twip.
    const auto strip = zembra::stripLayout({0, 0, 28800, 16200}, 15, 15, 0);
    EXPECT_EQ(strip.cells.size(), std::size_t(kMax));
    EXPECT_EQ(zembra::stripLayout({0, 0, 150, 15}, 1, 1, 0).cells.size(), 10u);
    const auto spaced = zembra::stripLayout({0, 0, 28800, 16200}, 1000, 1000, -2147483648.0);
    EXPECT_LE(spaced.cells.size(), std::size_t(kMax));

    for (const double bad : {kNaN, -1.0, 0.0, std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(zembra::fitCount(bad, 15), bad > 0 ? kMax : 0) << bad;
        EXPECT_EQ(zembra::fitCount(3000, bad), 0) << bad;
    }
}

TEST(Scaling, ScaledPlacesStayWithinWhatAWindowHolds) {
    EXPECT_EQ(zembra::scaledPixels(1500, zembra::scaleRatio(1920, 512)), 375);
    EXPECT_EQ(zembra::scaledPixels(2e9, 3.75), zembra::kMaxElementPixels);
    EXPECT_EQ(zembra::scaledPixels(-2147483648.0, 1e6), -zembra::kMaxElementPixels);
    EXPECT_EQ(zembra::scaledPixels(kNaN, 1), 0);
    EXPECT_EQ(zembra::scaleRatio(1920, 0), 0);
    EXPECT_EQ(zembra::scaledPixels(1500, zembra::scaleRatio(1920, 0)), 0);
}

} // namespace
