// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes number reading and writing: strict parsing agrees with the leading-number rule, and
// every number the files can hold is written as text that reads back.
#include "FuzzSupport.h"
#include "common/text/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <type_traits>

namespace {

/// Written in a short form (at most 24 characters, whatever the
/// value: plain decimal, or an exponent for the huge and the tiny) that reads back to the same
/// value; a single both ways the programs read singles.
template <typename Number>
void checkNumber(Number value) {
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
