// SPDX-License-Identifier: GPL-3.0-or-later
// How text becomes a number and a number becomes text in the cabinet's files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace common {

/// The leading-number rule: blanks are skipped, then an optional sign, digits, an optional
/// fraction and an optional exponent are taken as far as they go. Text that does not start
/// with a number gives 0. The result may be infinite when the digits overflow a double.
double leadingNumber(std::string_view text);

/// A strict conversion: the trimmed text must be one number and nothing else, and finite.
std::optional<double> parseNumber(std::string_view text);

/// Nearest whole number, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
double roundHalfEven(double value);

/// Rounded to a 16- or 32-bit integer; empty when the rounded value does not fit.
std::optional<std::int16_t> toInt16(double value);
std::optional<std::int32_t> toInt32(double value);

/// Single precision, rounded to the nearest; empty when the value is too large for it (rounds
/// past the largest single) or not finite.
std::optional<float> toSingle(double value);

/// Plain decimal with a point, as short as reads back to the same value ("0.1", "1440"); a
/// value whose plain form would be longer than 20 characters is written in the exponent form
/// ("1e+20", "-1e+308"), which reads back the same.
std::string numberText(double value);
std::string numberText(float value);

/// The rule that puts a blank before a non-negative number: 7 gives " 7", -7 gives "-7".
std::string blankNumber(double value);

/// An item read into a numeric value: the leading-number rule on the item, so text that is
/// not a number reads as 0. Empty only when the number overflows.
std::optional<double> itemNumber(std::string_view item);

/// An item read into a single-precision value: the leading-number rule, converted straight to
/// single precision (going through a double first could round twice and change the last bit
/// of a value the programs wrote themselves). Empty when the number is too large for a single.
std::optional<float> itemSingle(std::string_view item);

/// An item read into a true/false value: #TRUE#, #FALSE#, True, False (any case), or a number
/// (non-zero is true); an empty item is false. Anything else does not convert.
std::optional<bool> itemFlag(std::string_view item);

} // namespace common
