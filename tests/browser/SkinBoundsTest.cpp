// SPDX-License-Identifier: GPL-3.0-or-later
// Skin values beyond any screen: bounded where the browser places them, counted wide.
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

TEST(SkinBounds, PlacesSizesColumnsAndSpacingStayWithinTheWindow) {
    using zembra::drawableRect;
    EXPECT_EQ(drawableRect({100, 200, 300, 400}, 7680, 5760), (TwipRect{100, 200, 300, 400}));
    EXPECT_EQ(drawableRect({900, 200, 3600, 2e9}, 7680, 5760), (TwipRect{900, 200, 3600, 5760}));
    // Out of sight stays out of sight; no negative sizes; not a number is 0.
    EXPECT_EQ(drawableRect({-2e9, 3e9, 2e9, -1}, 7680, 5760), (TwipRect{-7680, 5760, 7680, 0}));
    EXPECT_EQ(drawableRect({kNaN, kNaN, kNaN, kNaN}, 7680, 5760), (TwipRect{}));

    EXPECT_EQ(zembra::drawableColumns(0, 3600), 1);
    EXPECT_EQ(zembra::drawableColumns(std::nanf(""), 3600), 1);
    EXPECT_EQ(zembra::drawableColumns(2.7f, 3600), 2);
    EXPECT_EQ(zembra::drawableColumns(1e9f, 3600), 240); // none narrower than a pixel

    EXPECT_EQ(zembra::scaledSpacing(100, 28800), 375); // 1920 pixels wide
    EXPECT_EQ(zembra::scaledSpacing(kMin32, 28800), -28800);
    EXPECT_EQ(zembra::scaledSpacing(100, 0), 100); // no window yet: the design's width
}

TEST(SkinBounds, ListsNeverOutgrowWhatCouldShowAGame) {
    EXPECT_EQ(zembra::textListLayout({0, 0, 3600, 2e9}, 1, 300).labels.size(), kMax);
    EXPECT_EQ(zembra::textListLayout({0, 0, 2e9, 4500}, 1'000'000'000, 300).labels.size(), kMax);
    EXPECT_EQ(zembra::textListLayout({0, 0, 3000, 150}, 1, 0.001).labels.size(), 10u);
    EXPECT_EQ(zembra::stripLayout({0, 0, 28800, 16200}, 15, 15, 0).cells.size(), kMax);
    EXPECT_EQ(zembra::stripLayout({0, 0, 150, 15}, 1, 1, 0).cells.size(), 10u);
    EXPECT_LE(zembra::stripLayout({0, 0, 28800, 16200}, 1000, 1000, kMin32).cells.size(), kMax);
    EXPECT_EQ(zembra::fitCount(kNaN, 15), 0);
    EXPECT_EQ(zembra::fitCount(3000, -1), 0);
}

TEST(Scaling, ScaledPlacesStayWithinWhatAWindowHolds) {
    EXPECT_EQ(zembra::scaledPixels(1500, zembra::scaleRatio(1920, 512)), 375);
    EXPECT_EQ(zembra::scaledPixels(2e9, 3.75), zembra::kMaxElementPixels);
    EXPECT_EQ(zembra::scaledPixels(kMin32, 1e6), -zembra::kMaxElementPixels);
    EXPECT_EQ(zembra::scaledPixels(kNaN, 1), 0);
    EXPECT_EQ(zembra::scaleRatio(1920, 0), 0);
}

} // namespace
