// SPDX-License-Identifier: MIT
// The texts of a conversion table: cell values and wrapped column headers.
#include "core/tables/TableText.h"

#include "core/engine/ResultFormatter.h"

#include <cmath>
#include <cstddef>

namespace mensurio {

namespace {

constexpr int kExponentDigits = 8; // "%.7e": one digit before the point, seven after

// The first exponent digit of an "e" text: two places after the E ("E+003").
void DropLeadingExponentZero(std::string &text) {
    const std::size_t e = text.find('E');
    if (e != std::string::npos && e + 2 < text.size() && text[e + 2] == '0')
        text.erase(e + 2, 1);
}

std::string ScientificCell(long double value, const NumberSeparators &separators) {
    std::string text = FormatScientific(value, kExponentDigits, separators);
    DropLeadingExponentZero(text);
    const std::size_t e = text.find('E');
    if (e != std::string::npos && e + 1 < text.size() && text[e + 1] == '+')
        text.erase(e + 1, 1);
    return text;
}

std::string LargeGeneralCell(long double value, const NumberSeparators &separators) {
    std::string text = FormatScientific(value, kExponentDigits, separators);
    const std::size_t plus = text.find('+');
    if (plus != std::string::npos) {
        text.erase(plus, 1);
        if (plus < text.size() && text[plus] == '0')
            text.erase(plus, 1);
    }
    return text;
}

std::string SmallGeneralCell(long double value, const NumberSeparators &separators) {
    std::string text = FormatScientific(value, kExponentDigits, separators);
    DropLeadingExponentZero(text);
    return text;
}

// Ten decimals, cut (not rounded) to twelve characters, trailing zeros and a bare decimal
// separator removed. Zeros are only removed behind a separator: a cut text that holds no
// separator is a whole number whose zeros are digits.
std::string FixedGeneralCell(long double value, const NumberSeparators &separators) {
    std::string text = FormatFixedPoint(value, 10, false, separators);
    if (text.size() > 12)
        text.resize(12);
    if (text.find(separators.decimal) == std::string::npos)
        return text;
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    if (!text.empty() && text.back() == separators.decimal)
        text.pop_back();
    return text;
}

bool IsBreakCharacter(char c) {
    return c == ' ' || c == '/' || c == '\\' || c == '(' || c == ')';
}

std::string StripBlanks(const std::string &text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// The length of the longest prefix that ends at a break point and fits, 0 when none does.
// Positions are 1-based as in the description of the header wrapping.
std::size_t LongestFittingBreak(const std::string &name, int width, const TextWidthFunction &measure) {
    const std::size_t n = name.size();
    std::size_t lastFit = 0;
    std::size_t start = 1;
    std::size_t position = 1;
    for (;;) {
        if (start <= n) {
            position = start;
            while (position <= n && !IsBreakCharacter(name[position - 1]))
                ++position;
        }
        if ((position <= n && name[position - 1] == ')') || position == n)
            ++position;
        if (measure(name.substr(0, position - 1)) > width || position > n)
            return lastFit;
        lastFit = position - 1;
        start = position + 1;
    }
}

void WrapInto(const std::string &text, int width, const TextWidthFunction &measure, WrappedHeader &out,
              std::string &result) {
    ++out.lines;
    const std::string name = StripBlanks(text);
    if (name.size() <= 1 || measure(name) <= width) {
        out.pieces.push_back(name);
        result += name;
        return;
    }
    const std::size_t lastFit = LongestFittingBreak(name, width, measure);
    if (lastFit > 0) {
        out.pieces.push_back(name.substr(0, lastFit));
        result += name.substr(0, lastFit) + " ";
        WrapInto(name.substr(lastFit), width, measure, out, result);
        return;
    }
    const int hyphen = measure("-");
    std::size_t keep = 1;
    while (keep + 1 < name.size() && measure(name.substr(0, keep + 1)) + hyphen <= width)
        ++keep;
    out.pieces.push_back(name.substr(0, keep) + "-");
    result += name.substr(0, keep) + "- ";
    WrapInto(name.substr(keep), width, measure, out, result);
}

} // namespace

std::string FormatTableValue(long double value, TableResultFormat resultFormat,
                             const NumberSeparators &separators) {
    if (!std::isfinite(value))
        return "n/a";
    if (resultFormat == TableResultFormat::Scientific)
        return ScientificCell(value, separators);
    const long double magnitude = std::fabs(value);
    if (magnitude >= 1E10L)
        return LargeGeneralCell(value, separators);
    if (magnitude < 1E-5L)
        return SmallGeneralCell(value, separators);
    return FixedGeneralCell(value, separators);
}

WrappedHeader WrapHeaderText(const std::string &name, int width, const TextWidthFunction &measure) {
    WrappedHeader out;
    WrapInto(name, width, measure, out, out.text);
    return out;
}

} // namespace mensurio
