// SPDX-License-Identifier: GPL-3.0-or-later
// Row labels and picture cells: how many, where, which one is the selection; skin values beyond
// any screen bounded where the browser places them, counted wide.
#include "zembra/browser/ListLayout.h"

#include "zembra/browser/HighlightPulse.h"
#include "zembra/browser/SkinBounds.h"
#include "zembra/widgets/Scaling.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

using zembra::TwipRect;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr auto kMax = std::size_t(zembra::kMaxListElements);

TEST(ListLayout, TextRowsFillTheAreaColumnByColumn) {
    const auto layout = zembra::textListLayout({100, 600, 4000, 3000}, 2, 300);
    ASSERT_EQ(layout.labels.size(), 20u);
    EXPECT_EQ(layout.midIndex, 10);
    EXPECT_EQ(layout.labels[10], (TwipRect{2100, 600, 2000, 300})); // top of the second column

    const auto none = zembra::textListLayout({0, 0, 3000, 200}, 1, 300);
    EXPECT_EQ(none.labels.size(), 1u); // label 0 stays
    EXPECT_EQ(none.midIndex, 0);
}

TEST(ListLayout, StripCellsThatDoNotFitAreDropped) {
    const auto layout = zembra::stripLayout({0, 0, 4000, 1500}, 1000, 1000, 100);
    ASSERT_EQ(layout.cells.size(), 3u);
    EXPECT_EQ(layout.midIndex, 1);
    EXPECT_EQ(layout.highlight, (TwipRect{1050, -50, 1100, 1100}));

    EXPECT_EQ(zembra::stripLayout({0, 0, 500, 500}, 0, 0, 0).cells.size(), 1u);
}

TEST(ListLayout, RowsNearTheEndsShowNothing) {
    EXPECT_EQ(zembra::rowItem(3, 0, 4, 10), -1);
    EXPECT_EQ(zembra::rowItem(8, 9, 4, 10), -1);
    EXPECT_EQ(zembra::rowItem(4, -1, 4, 10), -1);
}

TEST(HighlightPulse, EightTicksOfWholeColourFactors) {
    const std::int32_t high = 0x0000FF; // red: 255
    std::vector<std::optional<std::int32_t>> seen;
    int counter = 0;
    for (int tick = 0; tick < 16; ++tick) {
        seen.push_back(zembra::pulseColour(counter, high));
        counter = zembra::nextPulseStep(counter);
    }
    const std::vector<std::optional<std::int32_t>> cycle = {32, 64, 128, 255, 255, 128, 64, {}};
    EXPECT_EQ(std::vector(seen.begin(), seen.begin() + 8), cycle);
    EXPECT_EQ(std::vector(seen.begin() + 8, seen.end()), cycle);
    // The factor applies to the whole number: 0.5 of blue 0xFF0000 bleeds into green.
    EXPECT_EQ(zembra::pulseColour(2, 0xFF0000), 0x7F8000);
    EXPECT_EQ(zembra::pulseColour(0, 20), 2); // 2.5 rounds to the even 2
}

TEST(SkinBounds, PlacesSizesColumnsAndSpacingStayWithinTheWindow) {
    using zembra::drawableRect;
    EXPECT_EQ(drawableRect({900, 200, 3600, 2e9}, 7680, 5760), (TwipRect{900, 200, 3600, 5760}));
    // Out of sight stays out of sight; no negative sizes; not a number is 0.
    EXPECT_EQ(drawableRect({-2e9, 3e9, 2e9, -1}, 7680, 5760), (TwipRect{-7680, 5760, 7680, 0}));
    EXPECT_EQ(drawableRect({kNaN, kNaN, kNaN, kNaN}, 7680, 5760), (TwipRect{}));

    EXPECT_EQ(zembra::drawableColumns(std::nanf(""), 3600), 1);
    EXPECT_EQ(zembra::drawableColumns(1e9f, 3600), 240); // none narrower than a pixel

    EXPECT_EQ(zembra::scaledSpacing(kMin32, 28800), -28800);
    EXPECT_EQ(zembra::scaledSpacing(100, 0), 100); // no window yet: the design's width
}

TEST(SkinBounds, ListsNeverOutgrowWhatCouldShowAGame) {
    EXPECT_EQ(zembra::textListLayout({0, 0, 3600, 2e9}, 1, 300).labels.size(), kMax);
    EXPECT_EQ(zembra::textListLayout({0, 0, 2e9, 4500}, 1'000'000'000, 300).labels.size(), kMax);
    EXPECT_EQ(zembra::stripLayout({0, 0, 28800, 16200}, 15, 15, 0).cells.size(), kMax);
    EXPECT_LE(zembra::stripLayout({0, 0, 28800, 16200}, 1000, 1000, kMin32).cells.size(), kMax);
    EXPECT_EQ(zembra::fitCount(kNaN, 15), 0);
}

TEST(Scaling, ScaledPlacesStayWithinWhatAWindowHolds) {
    EXPECT_EQ(zembra::scaledPixels(2e9, 3.75), zembra::kMaxElementPixels);
    EXPECT_EQ(zembra::scaledPixels(kNaN, 1), 0);
    EXPECT_EQ(zembra::scaleRatio(1920, 0), 0);
}

} // namespace
