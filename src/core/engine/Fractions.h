// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mensurio {

/// Whole numbers of the fraction arithmetic: wide enough for 38 decimal digits and for the
/// exact binary value of any 80-bit number between 2^-32 and 2^64.
__extension__ typedef unsigned __int128 FractionWhole;

/// A signed fraction; the magnitude is numerator / denominator (denominator at least 1).
struct Fraction {
    bool negative = false;
    FractionWhole numerator = 0;
    FractionWhole denominator = 1;

    /// The same fraction in lowest terms (zero is never negative).
    Fraction Reduced() const;
    /// The nearest 80-bit value.
    long double Value() const;
};

/// The largest denominator "as fraction" searches for a fraction equal to a computed value.
inline constexpr std::uint64_t kMaxFractionDenominator = 1000000000;
/// The largest n of a "nearest 1/n" unit.
inline constexpr std::uint64_t kMaxNearestDenominator = 1000000;

/// The exact fraction a typed decimal number stands for ("0.375" is 3/8, "-2.5e-1" is -1/4):
/// an optional sign, digits with an optional point, an optional exponent. Nothing for any other
/// text, or when numerator or denominator would need more than 38 digits.
std::optional<Fraction> FractionOfDecimal(std::string_view text);

/// The simplest fraction (smallest denominator, up to maxDenominator) whose 80-bit value is
/// `value` itself, with exact set; when none is, the fraction with a denominator up to
/// maxDenominator nearest to it, with exact cleared. Nothing for values that are not finite or
/// too large for the fraction arithmetic (2^127 and more).
struct FractionSearch {
    Fraction fraction;
    bool exact = false;
};
std::optional<FractionSearch> SimplestFractionOf(long double value, std::uint64_t maxDenominator);

/// The exact value of an 80-bit number as a fraction with a power of two below it, for
/// 2^-32 <= |value| < 2^64 and for 0; nothing outside that range.
std::optional<Fraction> BinaryFractionOf(long double value);

/// The nearest multiple of 1/n (halfway away from zero), and its difference from the fraction
/// (the multiple minus the fraction), both exact. Nothing when the arithmetic would overflow.
struct NearestMultiple {
    Fraction multiple;
    Fraction difference;
};
std::optional<NearestMultiple> NearestMultipleOf(const Fraction &fraction, std::uint64_t n);

/// "3/8", "1 3/8", "-2 1/2", "2", "0": lowest terms, a mixed number from 1 on.
std::string MixedNumberText(const Fraction &fraction);

/// The decimal digits of a whole number.
std::string WholeText(FractionWhole whole);

} // namespace mensurio
