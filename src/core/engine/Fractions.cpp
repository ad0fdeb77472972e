// SPDX-License-Identifier: MIT
#include "core/engine/Fractions.h"

#include <algorithm>
#include <cmath>

namespace mensurio {

namespace {

constexpr FractionWhole kMaxWhole = ~FractionWhole(0);
constexpr std::size_t kMaxDigits = 38; // 10^38 < 2^127

FractionWhole GreatestCommonDivisor(FractionWhole a, FractionWhole b) {
    while (b != 0) {
        const FractionWhole rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

FractionWhole PowerOfTen(std::size_t exponent) {
    FractionWhole power = 1;
    for (std::size_t i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The mantissa's digits (without the point) and the count of digits after the point.
struct DecimalDigits {
    std::string digits;
    long fractionDigits = 0;
};

std::optional<DecimalDigits> ReadMantissa(std::string_view text, std::size_t &pos) {
    DecimalDigits read;
    bool point = false;
    for (; pos < text.size(); ++pos) {
        if (IsDigit(text[pos])) {
            read.digits += text[pos];
            read.fractionDigits += point ? 1 : 0;
        } else if (text[pos] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (read.digits.empty())
        return std::nullopt;
    return read;
}

// The written exponent, kept within ±1000 (beyond that no fraction fits anyway).
std::optional<long> ReadExponent(std::string_view text, std::size_t &pos) {
    if (pos == text.size() || (text[pos] != 'e' && text[pos] != 'E'))
        return 0L;
    ++pos;
    const bool negative = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        ++pos;
    if (pos == text.size() || !IsDigit(text[pos]))
        return std::nullopt;
    long exponent = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        exponent = exponent * 10 + (text[pos] - '0');
        if (exponent > 1000)
            return std::nullopt;
    }
    return negative ? -exponent : exponent;
}

// The simplest fraction search on the fractional part f = F / 2^K (0 < f < 1) of a value whose
// last bit is worth 2^-K: which fractions r/q round to the value, exactly in whole numbers.
class RoundingInterval {
  public:
    RoundingInterval(FractionWhole fraction, int shift, bool powerOfTwo, bool evenLastBit)
        : m_fraction(fraction), m_shift(shift), m_powerOfTwo(powerOfTwo), m_closed(evenLastBit) {}

    // r/q lies within half a unit of the last place of the value (a quarter below a power of
    // two, where the next smaller value is nearer); halfway rounds to the even neighbour.
    bool Contains(FractionWhole r, FractionWhole q) const {
        const FractionWhole scaled = r << (m_shift + 2);
        const FractionWhole centre = (m_fraction * q) << 2;
        const FractionWhole low = centre - (m_powerOfTwo ? 1 : 2) * q;
        const FractionWhole high = centre + 2 * q;
        return m_closed ? low <= scaled && scaled <= high : low < scaled && scaled < high;
    }

  private:
    FractionWhole m_fraction;
    int m_shift;
    bool m_powerOfTwo;
    bool m_closed;
};

struct PartSearch {
    FractionWhole numerator = 0;
    FractionWhole denominator = 1;
    bool exact = false;
};

// Walks the continued fraction of f = F / 2^K: the first semiconvergent inside the interval is
// the simplest fraction that rounds to the value; when the denominators pass maxDenominator
// first, the nearer of the last convergent and the last semiconvergent is the nearest fraction.
PartSearch SearchFractionalPart(FractionWhole fraction, int shift, const RoundingInterval &interval,
                                FractionWhole maxDenominator, long double partValue) {
    FractionWhole a = fraction;
    FractionWhole b = FractionWhole(1) << shift;
    FractionWhole p2 = 0, q2 = 1, p1 = 1, q1 = 0;
    while (b != 0) {
        const FractionWhole term = a / b;
        FractionWhole cap = term;
        if (q1 != 0)
            cap = std::min(cap, (maxDenominator - q2) / q1);
        if (cap >= 1 && interval.Contains(p2 + cap * p1, q2 + cap * q1)) {
            FractionWhole low = 1, high = cap; // the first j inside
            while (low < high) {
                const FractionWhole middle = low + (high - low) / 2;
                if (interval.Contains(p2 + middle * p1, q2 + middle * q1))
                    high = middle;
                else
                    low = middle + 1;
            }
            return {p2 + low * p1, q2 + low * q1, true};
        }
        if (cap < term) {
            const FractionWhole r = p2 + cap * p1, q = q2 + cap * q1;
            const long double semi =
                std::fabs(static_cast<long double>(r) / static_cast<long double>(q) - partValue);
            const long double last =
                std::fabs(static_cast<long double>(p1) / static_cast<long double>(q1) - partValue);
            return last <= semi ? PartSearch{p1, q1, false} : PartSearch{r, q, false};
        }
        const FractionWhole p = term * p1 + p2, q = term * q1 + q2;
        p2 = p1;
        q2 = q1;
        p1 = p;
        q1 = q;
        const FractionWhole rest = a - term * b;
        a = b;
        b = rest;
    }
    return {p1, q1, true}; // the continued fraction ended: p1/q1 is f itself
}

} // namespace

Fraction Fraction::Reduced() const {
    if (numerator == 0)
        return Fraction{false, 0, 1};
    const FractionWhole divisor = GreatestCommonDivisor(numerator, denominator);
    return Fraction{negative, numerator / divisor, denominator / divisor};
}

long double Fraction::Value() const {
    const long double magnitude = static_cast<long double>(numerator) / static_cast<long double>(denominator);
    return negative ? -magnitude : magnitude;
}

std::optional<Fraction> FractionOfDecimal(std::string_view text) {
    std::size_t pos = text.find_first_not_of(' ');
    if (pos == std::string_view::npos)
        return std::nullopt;
    const bool negative = text[pos] == '-';
    if (text[pos] == '-' || text[pos] == '+')
        ++pos;
    std::optional<DecimalDigits> mantissa = ReadMantissa(text, pos);
    if (!mantissa)
        return std::nullopt;
    const std::optional<long> exponent = ReadExponent(text, pos);
    if (!exponent || pos != text.size())
        return std::nullopt;
    std::string digits = mantissa->digits;
    long scale = mantissa->fractionDigits - *exponent;
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    while (!digits.empty() && digits.back() == '0' && scale > 0) {
        digits.pop_back();
        --scale;
    }
    if (digits.empty())
        return Fraction{};
    if (scale < 0 && digits.size() + static_cast<std::size_t>(-scale) <= kMaxDigits) {
        digits.append(static_cast<std::size_t>(-scale), '0');
        scale = 0;
    }
    if (scale < 0 || digits.size() > kMaxDigits || scale > static_cast<long>(kMaxDigits))
        return std::nullopt;
    FractionWhole numerator = 0;
    for (const char digit : digits)
        numerator = numerator * 10 + static_cast<FractionWhole>(digit - '0');
    return Fraction{negative, numerator, PowerOfTen(static_cast<std::size_t>(scale))}.Reduced();
}

std::optional<FractionSearch> SimplestFractionOf(long double value, std::uint64_t maxDenominator) {
    if (!std::isfinite(value))
        return std::nullopt;
    const bool negative = value < 0;
    const long double magnitude = std::fabs(value);
    if (magnitude == 0)
        return FractionSearch{Fraction{}, true};
    if (magnitude >= std::ldexp(1.0L, 127))
        return std::nullopt;
    if (magnitude >= std::ldexp(1.0L, 64)) // every such value is a whole number
        return FractionSearch{Fraction{negative, static_cast<FractionWhole>(magnitude), 1}, true};
    if (magnitude < std::ldexp(1.0L, -32)) // nearer to 0 than to 1/maxDenominator, and not 0
        return FractionSearch{Fraction{}, false};
    int exponent = 0;
    const long double mantissa = std::frexp(magnitude, &exponent);
    const auto bits = static_cast<std::uint64_t>(std::ldexp(mantissa, 64));
    const int shift = 64 - exponent; // magnitude = bits / 2^shift, 0 <= shift <= 95
    const FractionWhole whole = shift == 64 ? 0 : FractionWhole(bits) >> shift;
    const FractionWhole part = FractionWhole(bits) & ((FractionWhole(1) << shift) - 1);
    if (part == 0)
        return FractionSearch{Fraction{negative, whole, 1}, true};
    const RoundingInterval interval(part, shift, bits == (std::uint64_t(1) << 63), bits % 2 == 0);
    const long double partValue = magnitude - static_cast<long double>(whole);
    const PartSearch found =
        SearchFractionalPart(part, shift, interval, std::max<std::uint64_t>(maxDenominator, 1), partValue);
    const Fraction fraction{negative, whole * found.denominator + found.numerator, found.denominator};
    return FractionSearch{fraction.Reduced(), found.exact};
}

std::optional<Fraction> BinaryFractionOf(long double value) {
    if (value == 0)
        return Fraction{};
    const long double magnitude = std::fabs(value);
    if (!(magnitude >= std::ldexp(1.0L, -32) && magnitude < std::ldexp(1.0L, 64)))
        return std::nullopt;
    int exponent = 0;
    const long double mantissa = std::frexp(magnitude, &exponent);
    const auto bits = static_cast<std::uint64_t>(std::ldexp(mantissa, 64));
    return Fraction{value < 0, bits, FractionWhole(1) << (64 - exponent)}.Reduced();
}

std::optional<NearestMultiple> NearestMultipleOf(const Fraction &fraction, std::uint64_t n) {
    const FractionWhole a = fraction.numerator, b = fraction.denominator;
    if (n == 0 || b == 0 || b > kMaxWhole / 2 || a > (kMaxWhole - b) / (2 * FractionWhole(n)))
        return std::nullopt;
    // The magnitude rounded half up, then given the fraction's sign: halfway goes away from zero.
    const FractionWhole m = (2 * a * n + b) / (2 * b);
    if (b > kMaxWhole / n || (m != 0 && b > kMaxWhole / m))
        return std::nullopt;
    const FractionWhole above = m * b, below = a * n;
    NearestMultiple nearest;
    nearest.multiple = Fraction{fraction.negative, m, n}.Reduced();
    const bool magnitudeBelow = above < below;
    nearest.difference =
        Fraction{magnitudeBelow != fraction.negative, magnitudeBelow ? below - above : above - below, b * n}
            .Reduced();
    return nearest;
}

std::string WholeText(FractionWhole whole) {
    std::string text;
    do {
        text += static_cast<char>('0' + static_cast<int>(whole % 10));
        whole /= 10;
    } while (whole != 0);
    std::reverse(text.begin(), text.end());
    return text;
}

std::string MixedNumberText(const Fraction &fraction) {
    const Fraction reduced = fraction.Reduced();
    const FractionWhole whole = reduced.numerator / reduced.denominator;
    const FractionWhole rest = reduced.numerator % reduced.denominator;
    std::string text = reduced.negative ? "-" : "";
    if (whole != 0 || rest == 0)
        text += WholeText(whole);
    if (whole != 0 && rest != 0)
        text += ' ';
    if (rest != 0)
        text += WholeText(rest) + "/" + WholeText(reduced.denominator);
    return text;
}

} // namespace mensurio
