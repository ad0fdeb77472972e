// SPDX-License-Identifier: MIT
#include "core/engine/ResultFormatter.h"

#include "core/engine/NumberParser.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace mensurio {

namespace {

constexpr int kReducedDigits = 18;
constexpr int kGeneralPrecision = 10;
constexpr int kDefaultDecimalPlaces = 9;
constexpr int kMaxDecimalPlaces = 12;

// A finite value as a decimal digit string: value = ±0.digits × 10^pointPosition, so
// pointPosition is the number of digits before the decimal point (0.05 has −1). Zero has no
// digits and pointPosition 0; digits never end in '0'.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int pointPosition = 0;

    bool IsZero() const { return digits.empty(); }
};

void DropTrailingZeros(DecimalDigits &number) {
    const auto last = number.digits.find_last_not_of('0');
    number.digits.erase(last == std::string::npos ? 0 : last + 1);
    if (number.digits.empty()) {
        number.pointPosition = 0;
    }
}

// "%.17Le" gives exactly 18 significant digits, correctly rounded to nearest.
DecimalDigits ReduceToDecimal(long double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", value);
    DecimalDigits number;
    const char *p = buffer;
    if (*p == '-') {
        number.negative = true;
        ++p;
    }
    for (; *p != '\0' && *p != 'e'; ++p) {
        if (*p != '.') {
            number.digits.push_back(*p);
        }
    }
    if (*p == 'e') {
        number.pointPosition = std::atoi(p + 1) + 1;
    }
    DropTrailingZeros(number);
    if (number.IsZero()) {
        number.negative = false; // a negative zero is written like zero
    }
    return number;
}

// Keeps `keep` leading digits, rounding half away from zero; keep ≤ 0 may give 1 unit of the
// next higher place or zero. The sign is left as it was, even when the result is zero.
void RoundToDigits(DecimalDigits &number, int keep) {
    if (keep >= static_cast<int>(number.digits.size())) {
        return;
    }
    if (keep < 0) {
        number.digits.clear();
        number.pointPosition = 0;
        return;
    }
    const bool roundUp = number.digits[keep] >= '5';
    number.digits.resize(keep);
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && number.digits[i] == '9') {
            number.digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++number.digits[i];
        } else {
            number.digits.insert(number.digits.begin(), '1');
            ++number.pointPosition;
        }
    }
    DropTrailingZeros(number);
}

bool WriteNonFinite(long double value, std::string &out) {
    if (std::isnan(value)) {
        out = "NAN";
        return true;
    }
    if (std::isinf(value)) {
        out = value < 0 ? "-INF" : "INF";
        return true;
    }
    return false;
}

// The digit at `index` of the digit string, '0' outside it.
char DigitAt(const DecimalDigits &number, int index) {
    return index >= 0 && index < static_cast<int>(number.digits.size()) ? number.digits[index] : '0';
}

std::string GroupThousands(const std::string &integerDigits, char separator) {
    std::string grouped;
    const size_t count = integerDigits.size();
    for (size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) {
            grouped.push_back(separator);
        }
        grouped.push_back(integerDigits[i]);
    }
    return grouped;
}

std::string GeneralFixedNotation(const DecimalDigits &number, char decimal) {
    const int point = number.pointPosition;
    const int count = static_cast<int>(number.digits.size());
    std::string out;
    if (point <= 0) {
        out = "0";
        out.push_back(decimal);
        out.append(static_cast<size_t>(-point), '0');
        out += number.digits;
        return out;
    }
    for (int i = 0; i < point; ++i) {
        out.push_back(DigitAt(number, i));
    }
    if (count > point) {
        out.push_back(decimal);
        out.append(number.digits, static_cast<size_t>(point));
    }
    return out;
}

std::string GeneralScientificNotation(const DecimalDigits &number, char decimal) {
    std::string out(1, number.digits[0]);
    if (number.digits.size() > 1) {
        out.push_back(decimal);
        out.append(number.digits, 1);
    }
    const int exponent = number.pointPosition - 1;
    out.push_back('E');
    if (exponent < 0) {
        out.push_back('-');
    }
    out += std::to_string(std::abs(exponent));
    return out;
}

} // namespace

int EffectiveDecimalPlaces(int decimalPlaces) {
    return decimalPlaces >= 0 && decimalPlaces <= kMaxDecimalPlaces ? decimalPlaces : kDefaultDecimalPlaces;
}

std::string FormatGeneral(long double value, int precision, const NumberSeparators &separators) {
    std::string out;
    if (WriteNonFinite(value, out)) {
        return out;
    }
    precision = std::max(precision, 1);
    DecimalDigits number = ReduceToDecimal(value);
    RoundToDigits(number, precision);
    if (number.IsZero()) {
        return "0";
    }
    out = number.negative ? "-" : "";
    const int point = number.pointPosition;
    if (point >= -3 && point <= precision) {
        out += GeneralFixedNotation(number, separators.decimal);
    } else {
        out += GeneralScientificNotation(number, separators.decimal);
    }
    return out;
}

std::string FormatScientific(long double value, int digits, const NumberSeparators &separators) {
    std::string out;
    if (WriteNonFinite(value, out)) {
        return out;
    }
    digits = std::clamp(digits, 2, kReducedDigits);
    DecimalDigits number = ReduceToDecimal(value);
    RoundToDigits(number, digits);
    const int exponent = number.IsZero() ? 0 : number.pointPosition - 1;
    out = number.negative ? "-" : "";
    out.push_back(DigitAt(number, 0));
    out.push_back(separators.decimal);
    for (int i = 1; i < digits; ++i) {
        out.push_back(DigitAt(number, i));
    }
    out.push_back('E');
    out.push_back(exponent < 0 ? '-' : '+');
    std::string exponentDigits = std::to_string(std::abs(exponent));
    if (exponentDigits.size() < 3) {
        exponentDigits.insert(0, 3 - exponentDigits.size(), '0');
    }
    return out + exponentDigits;
}

std::string FormatFixedPoint(long double value, int places, bool groupThousands,
                             const NumberSeparators &separators) {
    std::string out;
    if (WriteNonFinite(value, out)) {
        return out;
    }
    places = std::max(places, 0);
    DecimalDigits number = ReduceToDecimal(value);
    if (number.pointPosition > kReducedDigits) {
        return FormatGeneral(value, kReducedDigits, separators);
    }
    const int keep = number.pointPosition + places;
    if (keep < 0) {
        // Two or more places below the last shown decimal: plain zero, without a sign.
        number = DecimalDigits{};
    } else {
        RoundToDigits(number, keep);
    }
    std::string integerDigits;
    for (int i = 0; i < number.pointPosition; ++i) {
        integerDigits.push_back(DigitAt(number, i));
    }
    if (integerDigits.empty()) {
        integerDigits = "0";
    }
    out = number.negative ? "-" : "";
    out += groupThousands ? GroupThousands(integerDigits, separators.thousands) : integerDigits;
    if (places > 0) {
        out.push_back(separators.decimal);
        for (int i = 0; i < places; ++i) {
            out.push_back(DigitAt(number, number.pointPosition + i));
        }
    }
    return out;
}

std::string FormatResult(long double value, bool forceGeneral, const ResultFormatOptions &options) {
    const int places = EffectiveDecimalPlaces(options.decimalPlaces);
    if (!forceGeneral) {
        switch (options.resultFormat) {
        case ResultFormat::Scientific:
            return FormatScientific(value, places, options.separators);
        case ResultFormat::Fixed:
            return FormatFixedPoint(value, places, false, options.separators);
        case ResultFormat::FixedThousands:
            return FormatFixedPoint(value, places, true, options.separators);
        case ResultFormat::Auto:
            break;
        }
    }
    return FormatGeneral(value, kGeneralPrecision, options.separators);
}

long double ShownValue(long double value, const ResultFormatOptions &options) {
    if (!std::isfinite(value)) {
        return value;
    }
    // The shown text without grouping and with a point, read back.
    ResultFormatOptions plain = options;
    plain.separators = NumberSeparators{'.', ','};
    if (plain.resultFormat == ResultFormat::FixedThousands) {
        plain.resultFormat = ResultFormat::Fixed;
    }
    const ParsedNumber shown = ParseNumber(FormatResult(value, false, plain));
    return shown.ok ? shown.value : value;
}

std::string FormatFixed(long double value, const ResultFormatOptions &options) {
    return FormatFixedPoint(value, EffectiveDecimalPlaces(options.decimalPlaces), false, options.separators);
}

} // namespace mensurio
