// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text form of floating-point numbers in worksheet files. Both directions ignore the
// C and C++ locales: the decimal separator is always a point.

// Length of the text GleitkommaText returns.
inline constexpr std::size_t GleitkommaTextLaenge = 23;

// Returns x in exactly 23 characters: "-" or a blank, one digit, a point, 14 digits, "E",
// the exponent's sign and four exponent digits (15 significant digits, rounded; zero is
// " 0.00000000000000E+0000"). Raises EConvertError for infinity and NaN, which the format
// cannot hold and the reader would refuse.
std::string GleitkommaText(double x);

// Reads a number of the form [+|-]digits[.digits][(E|e)[+|-]digits], with at least one digit
// before or after the point. Returns nothing when the text has any other form or its value
// lies outside the range of a double.
std::optional<double> GleitkommaAusText(std::string_view text);
