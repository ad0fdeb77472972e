// SPDX-License-Identifier: MIT
#include "core/engine/FractionAnswers.h"

#include <cmath>

namespace mensurio {

FractionAnswers::FractionAnswers(long double value, std::optional<Fraction> typedDigits,
                                 const ResultFormatOptions &format)
    : m_value(value), m_format(format) {
    if (typedDigits) {
        m_simplest = FractionSearch{*typedDigits, true};
        m_exact = typedDigits;
        return;
    }
    m_simplest = SimplestFractionOf(value, kMaxFractionDenominator);
    // A computed value stands for the simplest fraction it equals ("1/3 + 1/6" is 1/2 exactly),
    // else for its own binary value.
    m_exact = m_simplest && m_simplest->exact ? std::optional<Fraction>(m_simplest->fraction)
                                              : BinaryFractionOf(value);
}

std::string FractionAnswers::InvalidUnitMessage(std::string_view unitName) {
    return "Invalid " + std::string(unitName) + " denominator";
}

std::optional<std::string> FractionAnswers::AnswerFor(long double factor) const {
    if (!(factor >= 0 && factor <= static_cast<long double>(kMaxNearestDenominator)) ||
        factor != std::floor(factor))
        return std::nullopt;
    const auto n = static_cast<std::uint64_t>(factor);
    if (n == 1)
        return FormatResult(m_value, false, m_format);
    if (n == 0)
        return AsFraction();
    return Nearest(n);
}

std::string FractionAnswers::AsFraction() const {
    if (!m_simplest)
        return FormatResult(m_value, false, m_format); // beyond 2^127: a whole number anyway
    const std::string text = MixedNumberText(m_simplest->fraction);
    if (m_simplest->exact)
        return text;
    return text + " (nearest; no fraction with a denominator up to 10^9 is exact)";
}

std::string FractionAnswers::Nearest(std::uint64_t n) const {
    std::optional<NearestMultiple> nearest;
    if (m_exact)
        nearest = NearestMultipleOf(*m_exact, n);
    const std::optional<Fraction> binary = BinaryFractionOf(m_value);
    if (!nearest && binary)
        nearest = NearestMultipleOf(*binary, n); // typed digits too long to multiply
    if (!nearest) {
        // Far from 1: below 2^-32 the nearest multiple is 0, from 2^64 on the value is whole.
        if (std::fabs(m_value) < 1)
            return "0 (" + Signed(-m_value) + ")";
        return AsFraction();
    }
    std::string text = MixedNumberText(nearest->multiple);
    if (nearest->difference.numerator != 0)
        text += " (" + Signed(nearest->difference.Value()) + ")";
    return text;
}

std::string FractionAnswers::Signed(long double difference) const {
    const std::string text = FormatResult(difference, false, m_format);
    return difference > 0 ? "+" + text : text;
}

} // namespace mensurio
