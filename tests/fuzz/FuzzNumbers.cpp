// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes number reading and writing: the leading-number rule, strict parsing, flags, and
// that every number the files can hold is written as text that reads back to the same value.
#include "FuzzSupport.h"
#include "common/text/Numbers.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace {

void checkWholeNumber(double value, std::optional<std::int32_t> whole, double lowest,
                      double highest) {
    if (!std::isfinite(value)) {
        FUZZ_REQUIRE(!whole);
        return;
    }
    // Values that round into the range must convert; the others must not.
    const double rounded = std::nearbyint(value);
    FUZZ_REQUIRE(whole.has_value() == (rounded >= lowest && rounded <= highest));
    if (!whole) {
        return;
    }
    const double distance = std::fabs(value - *whole);
    FUZZ_REQUIRE(distance <= 0.5);
    if (distance == 0.5) {
        FUZZ_REQUIRE(*whole % 2 == 0);
    }
}

void checkDouble(double value) {
    if (!std::isfinite(value)) {
        return;
    }
    const std::string text = common::numberText(value);
    FUZZ_REQUIRE(!text.empty());
    FUZZ_REQUIRE(text.find_first_of("eE") == std::string::npos);
    const auto back = common::parseNumber(text);
    FUZZ_REQUIRE(back && *back == value);
    FUZZ_REQUIRE(common::leadingNumber(text) == value);

    const std::string blank = common::blankNumber(value);
    FUZZ_REQUIRE(blank == (text.front() == '-' ? text : " " + text));

    const auto int16 = common::toInt16(value);
    checkWholeNumber(value, int16 ? std::optional<std::int32_t>(*int16) : std::nullopt, -32768.0,
                     32767.0);
    checkWholeNumber(value, common::toInt32(value), -2147483648.0, 2147483647.0);

    const auto single = common::toSingle(value);
    FUZZ_REQUIRE(single.has_value() == (std::fabs(value) <= std::numeric_limits<float>::max()));
}

void checkFloat(float value) {
    if (!std::isfinite(value)) {
        FUZZ_REQUIRE(!common::toSingle(value));
        return;
    }
    // Single-precision values are read as doubles and narrowed; the narrowing must land on the
    // value that was written.
    const std::string text = common::numberText(value);
    FUZZ_REQUIRE(text.find_first_of("eE") == std::string::npos);
    const auto back = common::parseNumber(text);
    FUZZ_REQUIRE(back.has_value());
    const auto single = common::toSingle(*back);
    FUZZ_REQUIRE(single && *single == value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzzing::fileText(data, size);

    const double leading = common::leadingNumber(text);
    FUZZ_REQUIRE(!std::isnan(leading));

    const auto parsed = common::parseNumber(text);
    if (parsed) {
        FUZZ_REQUIRE(std::isfinite(*parsed));
        FUZZ_REQUIRE(*parsed == leading);
    }

    const auto item = common::itemNumber(text);
    FUZZ_REQUIRE(item.has_value() == std::isfinite(leading));
    if (item) {
        FUZZ_REQUIRE(*item == leading);
    }

    const auto flag = common::itemFlag(text);
    if (parsed) {
        FUZZ_REQUIRE(flag && *flag == (*parsed != 0));
    }

    checkDouble(leading);
    if (item) {
        if (const auto single = common::toSingle(*item)) {
            checkFloat(*single);
        }
    }

    // The raw bytes as numbers too, so every bit pattern (tiny, huge, subnormal) is tried.
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        checkDouble(raw);
    }
    if (size >= sizeof(float)) {
        float raw;
        std::memcpy(&raw, data, sizeof raw);
        checkFloat(raw);
    }
    return 0;
}
