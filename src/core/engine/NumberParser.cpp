// SPDX-License-Identifier: MIT
#include "core/engine/NumberParser.h"

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <stdlib.h>
#include <string>

namespace mensurio {

namespace {

// Written exponents from this magnitude on are taken as infinity or zero without converting.
constexpr long kExponentLimit = 5120;
// Exponent digits are accumulated up to this bound; anything larger behaves the same.
constexpr long kExponentSaturation = 1000000;

// The pieces of a syntactically valid number.
struct NumberParts {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    long exponent = 0;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view takeDigits(std::string_view text, std::size_t &pos) {
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return text.substr(start, pos - start);
}

// Reads the exponent part after 'E' or 'e' at pos; false when it has no digit.
bool takeExponent(std::string_view text, std::size_t &pos, long &exponent) {
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    const std::string_view digits = takeDigits(text, pos);
    if (digits.empty())
        return false;
    long value = 0;
    for (const char c : digits)
        value = std::min(kExponentSaturation, value * 10 + (c - '0'));
    exponent = negative ? -value : value;
    return true;
}

// Splits text into the parts of a number; false when the syntax is not met.
bool splitNumber(std::string_view text, NumberParts &parts) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        parts.negative = text[pos++] == '-';
    const std::size_t bodyStart = pos;
    parts.integerDigits = takeDigits(text, pos);
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        parts.fractionDigits = takeDigits(text, pos);
    }
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        if (!takeExponent(text, pos, parts.exponent))
            return false;
    }
    // An empty text, spaces only or a lone sign hold nothing after the sign.
    if (pos == bodyStart && pos == text.size())
        return false;
    return pos == text.size();
}

bool allZero(std::string_view digits) {
    return digits.find_first_not_of('0') == std::string_view::npos;
}

locale_t classicLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// Converts the mantissa and exponent with the C library's correctly rounded conversion.
ParsedNumber convert(const NumberParts &parts) {
    std::string normal;
    normal.reserve(parts.integerDigits.size() + parts.fractionDigits.size() + 16);
    normal += parts.negative ? "-0" : "0";
    normal += parts.integerDigits;
    normal += '.';
    normal += parts.fractionDigits;
    normal += 'e';
    normal += std::to_string(parts.exponent);
    errno = 0;
    char *end = nullptr;
    const long double value = strtold_l(normal.c_str(), &end, classicLocale());
    ParsedNumber result;
    result.value = value;
    // ERANGE also reports underflow, which silently gives 0 or a denormal; only infinity overflows.
    if (std::isinf(value) || end != normal.c_str() + normal.size()) {
        result.overflow = std::isinf(value);
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace

ParsedNumber ParseNumber(std::string_view text) {
    NumberParts parts;
    if (!splitNumber(text, parts))
        return {};
    const long double sign = parts.negative ? -1.0L : 1.0L;
    if (allZero(parts.integerDigits) && allZero(parts.fractionDigits))
        return {sign * 0.0L, true, false};
    if (parts.exponent >= kExponentLimit)
        return {sign * std::numeric_limits<long double>::infinity(), true, false};
    if (parts.exponent <= -kExponentLimit)
        return {sign * 0.0L, true, false};
    return convert(parts);
}

} // namespace mensurio
