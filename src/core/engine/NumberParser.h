// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace mensurio {

// Outcome of reading one typed number.
struct ParsedNumber {
    long double value = 0.0L;
    bool ok = false;       // the text is a number and its value is in range
    bool overflow = false; // the text is a number but its value lies beyond the extended range
};

// Reads a typed decimal number: leading spaces (character 32 only), an optional sign, digits,
// an optional point with digits, an optional exponent (E or e, optional sign, at least one digit),
// and nothing after it. Digits may be missing on either side of the point: "." is 0, "E5" is 0.
// Commas, trailing spaces and any other character make the text invalid, as does an empty text or
// a lone sign. The value is correctly rounded to long double, independent of the user's locale.
// A written exponent of 5120 or more gives infinity, one of -5120 or less gives 0 (a zero mantissa
// stays 0 in both cases); any other value beyond the range is an overflow (ok false, overflow true).
ParsedNumber ParseNumber(std::string_view text);

} // namespace mensurio
