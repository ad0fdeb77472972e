// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/Fractions.h"
#include "core/engine/ResultFormatter.h"

#include <optional>
#include <string>
#include <string_view>

namespace mensurio {

/// The answers of the Fractions category for one value. A unit's factor is its denominator:
/// 1 writes the value as a decimal number, 0 as the fraction it stands for, n (2 or more) as the
/// nearest multiple of 1/n followed by the difference "(+0.0125)".
class FractionAnswers {
  public:
    /// value is the input's value; typedDigits the exact fraction of a typed decimal number,
    /// when the input was one ("0.1" is 1/10, which its 80-bit value is not).
    FractionAnswers(long double value, std::optional<Fraction> typedDigits,
                    const ResultFormatOptions &format);

    /// The answer of the unit with this factor; nothing when the factor is no denominator the
    /// category knows (possible only in a damaged or hand-edited database).
    std::optional<std::string> AnswerFor(long double factor) const;

    /// The message for a unit whose factor is no denominator.
    static std::string InvalidUnitMessage(std::string_view unitName);

  private:
    std::string AsFraction() const;
    std::string Nearest(std::uint64_t n) const;
    std::string Signed(long double difference) const;

    long double m_value;
    ResultFormatOptions m_format;
    std::optional<FractionSearch> m_simplest; // the fraction "as fraction" shows
    std::optional<Fraction> m_exact;          // the value exactly, when known, for the nearest multiples
};

} // namespace mensurio
