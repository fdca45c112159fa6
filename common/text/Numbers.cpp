// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text/Numbers.h"

#include "common/text/Strings.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace common {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

/// Length of the number at the start of `text` (after blanks were skipped), 0 when none.
std::size_t numberLength(std::string_view text, bool& hasDigits) {
    std::size_t i = 0;
    hasDigits = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        hasDigits = true;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            hasDigits = true;
        }
    }
    if (!hasDigits) {
        return 0;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    return i;
}

double convert(std::string_view number) {
    std::string copy(number);
    for (char& c : copy) {
        if (c == 'd' || c == 'D') {
            c = 'e';
        }
    }
    return std::strtod(copy.c_str(), nullptr);
}

/// Plain decimal as short as reads back to the same value ("1000.25", "0.000015"); a value
/// whose plain form would run past kPlainDigits characters takes the shorter exponent form
/// ("-1e+308", not 309 digits). Every reader of the files takes an exponent.
constexpr std::size_t kPlainDigits = 20;

template <typename T>
std::string shortestText(T value) {
    if (value == 0) {
        return "0"; // also for -0
    }
    char buffer[512];
    const auto fixed =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (fixed.ec == std::errc() && static_cast<std::size_t>(fixed.ptr - buffer) <= kPlainDigits) {
        return std::string(buffer, fixed.ptr);
    }
    const auto shortest = std::to_chars(buffer, buffer + sizeof buffer, value);
    return shortest.ec == std::errc() ? std::string(buffer, shortest.ptr) : "0";
}

template <typename Int>
std::optional<Int> toInt(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double rounded = roundHalfEven(value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
        return std::nullopt;
    }
    return static_cast<Int>(rounded);
}

} // namespace

double leadingNumber(std::string_view text) {
    text = trimView(text);
    bool hasDigits = false;
    const std::size_t length = numberLength(text, hasDigits);
    return length == 0 ? 0.0 : convert(text.substr(0, length));
}

std::optional<double> parseNumber(std::string_view text) {
    text = trimView(text);
    bool hasDigits = false;
    const std::size_t length = numberLength(text, hasDigits);
    if (length == 0 || length != text.size()) {
        return std::nullopt;
    }
    const double value = convert(text);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

double roundHalfEven(double value) {
    // The default floating-point rounding mode rounds halves to even.
    return std::nearbyint(value);
}

std::optional<std::int16_t> toInt16(double value) {
    return toInt<std::int16_t>(value);
}

std::optional<std::int32_t> toInt32(double value) {
    return toInt<std::int32_t>(value);
}

std::optional<float> toSingle(double value) {
    // Up to half a step past the largest single still rounds to it ("3.4028235e+38", the
    // shortest text of that single, reads as a double just above it); from there on it is
    // too large.
    constexpr double kLargest = std::numeric_limits<float>::max();
    constexpr double kOverflow = 0x1.ffffffp+127;
    if (!std::isfinite(value) || std::fabs(value) >= kOverflow) {
        return std::nullopt;
    }
    if (std::fabs(value) > kLargest) {
        return static_cast<float>(std::copysign(kLargest, value));
    }
    return static_cast<float>(value);
}

std::string numberText(double value) {
    return shortestText(value);
}

std::string numberText(float value) {
    return shortestText(value);
}

std::string blankNumber(double value) {
    const std::string text = numberText(value);
    return text.front() == '-' ? text : " " + text;
}

std::optional<double> itemNumber(std::string_view item) {
    const double value = leadingNumber(item);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<float> itemSingle(std::string_view item) {
    const std::string_view text = trimView(item);
    bool hasDigits = false;
    const std::size_t length = numberLength(text, hasDigits);
    if (length == 0) {
        return 0.0f;
    }
    std::string number(text.substr(0, length));
    for (char& c : number) {
        if (c == 'd' || c == 'D') {
            c = 'e';
        }
    }
    // from_chars takes no leading plus sign.
    const char* first = number.c_str() + (number.front() == '+' ? 1 : 0);
    float value = 0;
    const auto result = std::from_chars(first, number.c_str() + number.size(), value);
    if (result.ec != std::errc()) {
        // Too small for a single reads as zero, as the files have always read it.
        if (result.ec == std::errc::result_out_of_range && std::fabs(convert(number)) < 1) {
            return 0.0f;
        }
        return std::nullopt;
    }
    return value;
}

std::optional<bool> itemFlag(std::string_view item) {
    const std::string upper = upperAscii(trimView(item));
    if (upper.empty() || upper == "#FALSE#" || upper == "FALSE") {
        return false;
    }
    if (upper == "#TRUE#" || upper == "TRUE") {
        return true;
    }
    if (const auto number = parseNumber(upper)) {
        return *number != 0;
    }
    return std::nullopt;
}

} // namespace common
