// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/Separators.h"

#include <string>

namespace mensurio {

/// How shown results are written (the setting `ReNumber`).
enum class ResultFormat {
    Auto,           // general notation with 10 significant digits
    Scientific,     // a mantissa with the decimal places and a signed exponent
    Fixed,          // exactly the decimal places
    FixedThousands, // Fixed with thousands separators
};

/// The result-format settings (`ReNumber`, `ReDeciPlace`) and the locale's separators.
struct ResultFormatOptions {
    ResultFormat resultFormat = ResultFormat::Auto;
    int decimalPlaces = 9; // 0..12; anything else behaves as 9
    NumberSeparators separators{};
};

/// Writes a shown result under the settings: general with 10 digits for Auto or when
/// forceGeneral is set, else scientific, fixed or fixed with thousands separators.
std::string FormatResult(long double value, bool forceGeneral, const ResultFormatOptions &options);

/// The value that FormatResult shows for the value (not forced to the general format): the value
/// rounded to the shown digits. Values that are not finite come back unchanged.
long double ShownValue(long double value, const ResultFormatOptions &options);

/// Writes the value in fixed notation with the settings' decimal places, whatever the result format.
std::string FormatFixed(long double value, const ResultFormatOptions &options);

/// The decimal places the settings stand for: 0..12 as stored, anything else 9.
int EffectiveDecimalPlaces(int decimalPlaces);

// The four conversions on their own, for callers with fixed formats (conversion tables).
// Each reduces the value to 18 significant digits, rounds half away from zero at the last
// shown digit, and writes "INF", "-INF" or "NAN" for values that are not finite.

/// `g`: at most `precision` significant digits, trailing zeros dropped; scientific notation
/// ("1.5E20", "9E-5") outside −3 ≤ E ≤ precision, where E counts the digits before the point.
std::string FormatGeneral(long double value, int precision, const NumberSeparators &separators);

/// `e`: `digits` significant digits (kept within 2..18), a signed exponent of at least three
/// digits ("1.2E+003").
std::string FormatScientific(long double value, int digits, const NumberSeparators &separators);

/// `f` (and `n` with groupThousands): exactly `places` decimals; more than 18 integer digits
/// fall back to FormatGeneral with 18 digits.
std::string FormatFixedPoint(long double value, int places, bool groupThousands,
                             const NumberSeparators &separators);

} // namespace mensurio
