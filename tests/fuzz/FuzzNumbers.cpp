// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes number reading and writing: the leading-number rule, strict parsing, flags, rounding
// to integers, and that every number the files can hold is written as text that reads back.
#include "FuzzSupport.h"
#include "common/text/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <type_traits>

namespace {

/// Rounded to the nearest whole number, halves to the even one (as the IEEE remainder rounds
/// the quotient), and refused only when that lies out of range.
void checkWhole(double value) {
    const double nearest = value - std::remainder(value, 1.0);
    const auto within = [nearest](double low, double high) {
        return nearest >= low && nearest <= high ? std::optional(nearest) : std::nullopt;
    };
    FUZZ_REQUIRE(common::toInt16(value) == within(-32768, 32767));
    FUZZ_REQUIRE(common::toInt32(value) == within(-2147483648.0, 2147483647.0));
}

/// Rounded to whole numbers, and written in a short form (at most 24 characters, whatever the
/// value: plain decimal, or an exponent for the huge and the tiny) that reads back to the same
/// value; a single both ways the programs read singles.
template <typename Number>
void checkNumber(Number value) {
    checkWhole(value);
    if (!std::isfinite(value))
        return;
    const std::string text = common::numberText(value);
    const auto parsed = common::parseNumber(text);
    FUZZ_REQUIRE(text.size() <= 24 && parsed && static_cast<Number>(*parsed) == value);
    if constexpr (std::is_same_v<Number, float>)
        FUZZ_REQUIRE(common::itemSingle(text) == value && common::toSingle(*parsed) == value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzzing::fileText(data, size);
    const double leading = common::leadingNumber(text);
    const auto parsed = common::parseNumber(text);
    // The strict reading agrees with the lenient one wherever it accepts the text, and a single
    // is refused only when too large for one.
    FUZZ_REQUIRE(!parsed || (std::isfinite(*parsed) && *parsed == leading &&
                             common::itemFlag(text) == (*parsed != 0)));
    FUZZ_REQUIRE(!std::isnan(leading) && (common::itemSingle(text) ||
                                          std::fabs(leading) > std::numeric_limits<float>::max()));
    // The raw bytes as numbers too, so every bit pattern (tiny, huge, subnormal) is tried.
    double rawDouble = 0;
    float rawFloat = 0;
    std::memcpy(&rawDouble, data, std::min(size, sizeof rawDouble));
    std::memcpy(&rawFloat, data, std::min(size, sizeof rawFloat));
    checkNumber(leading);
    checkNumber(rawDouble);
    checkNumber(rawFloat);
    return 0;
}
