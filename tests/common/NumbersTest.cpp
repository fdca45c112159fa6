// SPDX-License-Identifier: GPL-3.0-or-later
// Text to number and back: the leading-number rule, rounding, and the written forms.
#include "common/text/Numbers.h"

#include <bit>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <utility>

namespace {

TEST(Numbers, LeadingNumberTakesWhatStartsLikeANumber) {
    const std::pair<const char*, double> rows[] = {
        {"  -.5x", -0.5}, {"2D2", 200}, {"1e", 1}, {"- 5", 0}, {"12,5", 12}, {"0x10", 0},
    };
    for (const auto& [text, value] : rows)
        EXPECT_EQ(common::leadingNumber(text), value) << text;
}

TEST(Numbers, ParseNumberWantsTheWholeTrimmedText) {
    EXPECT_EQ(common::parseNumber(" 640 "), 640.0);
    EXPECT_FALSE(common::parseNumber("640x"));
    EXPECT_FALSE(common::parseNumber("1e999"));
}

TEST(Numbers, IntegersRoundHalvesToEvenAndRefuseWhatDoesNotFit) {
    EXPECT_FALSE(common::toInt16(32767.5)); // rounds to 32768
    EXPECT_FALSE(common::toInt32(INFINITY));
    EXPECT_EQ(common::toSingle(-3.4028235e+38), -std::numeric_limits<float>::max());
    EXPECT_FALSE(common::toSingle(3.4028236e+38));
}

TEST(Numbers, WrittenFormIsTheShortestThatReadsBack) {
    const std::pair<double, const char*> rows[] = {
        {-0.0, "0"},      {1e19, "10000000000000000000"}, {-1e20, "-1e+20"}, {1.5e-5, "0.000015"},
        {1e-30, "1e-30"},
    };
    for (const auto& [value, text] : rows) {
        EXPECT_EQ(common::numberText(value), text) << value;
        // Every reader of the files takes the exponent form back to the same value.
        EXPECT_EQ(common::itemNumber(text), value) << text;
        EXPECT_EQ(common::parseNumber(text), value) << text;
    }
    EXPECT_EQ(common::numberText(0.1f), "0.1");
    EXPECT_EQ(common::numberText(3e38f), "3e+38");
}

TEST(Numbers, ItemsReadIntoNumbersFlagsAndBlankedNumbers) {
    EXPECT_FALSE(common::itemNumber("9e999"));
    const std::pair<const char*, std::optional<bool>> flags[] = {
        {"#false#", false}, {"True", true}, {"-1", true}, {"", false}, {"yes", std::nullopt}};
    for (const auto& [text, flag] : flags)
        EXPECT_EQ(common::itemFlag(text), flag) << text;
    EXPECT_EQ(common::blankNumber(7) + common::blankNumber(0) + common::blankNumber(-7) +
                  common::blankNumber(12.5),
              " 7 0-7 12.5");
}

TEST(Numbers, SinglesReadBackExactlyWhatWasWritten) {
    // Read through a double first, this value rounded twice and lost its last bit.
    const float tricky = std::bit_cast<float>(0x15AE43FDu);
    EXPECT_EQ(common::itemSingle(common::numberText(tricky)), tricky);
    for (const float value : {0.1f, 3.4e38f, 1e-45f})
        EXPECT_EQ(common::itemSingle(common::numberText(value)), value) << value;
    EXPECT_EQ(common::itemSingle("1e-60"), 0.0f);
    EXPECT_FALSE(common::itemSingle("1e39"));
}

} // namespace
