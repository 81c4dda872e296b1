// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

// The filter of the number fields: reads the digits of text, in their order and ignoring
// every other character (signs, blanks, letters), as one decimal number, so "3a" is 3 and
// "-12" is 12. Returns fallback when the text holds no digit or the number does not fit a
// 32-bit signed integer; the result is never negative otherwise.
std::int32_t Ziffernfilter(std::string_view text, std::int32_t fallback);

// The same filter under the name the print dialog's fields use.
inline std::int32_t SecureStrtoInt(std::string_view text, std::int32_t vorgabe)
{
    return Ziffernfilter(text, vorgabe);
}
