// SPDX-License-Identifier: MIT
#include "core/engine/NumberSystems.h"

#include <algorithm>
#include <cmath>

namespace mensurio {

namespace {

constexpr std::string_view kDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr int kLargestBase = 36;
// The running total of a Roman numeral may not pass this.
constexpr std::int64_t kRomanTotalLimit = 100000;
constexpr std::int64_t kLargestOverlineValue = 3999999;
constexpr std::int64_t kLargestPlainRomanValue = 3999;

char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string UpperCased(std::string_view text) {
    std::string upper(text);
    for (char &c : upper)
        c = AsciiUpper(c);
    return upper;
}

// Value of a digit character 0-9, A-Z (upper case only), or -1.
int DigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    return -1;
}

int RomanLetterValue(char c) {
    switch (c) {
    case 'I':
        return 1;
    case 'V':
        return 5;
    case 'X':
        return 10;
    case 'L':
        return 50;
    case 'C':
        return 100;
    case 'D':
        return 500;
    case 'M':
        return 1000;
    default:
        return 0;
    }
}

bool AllRomanLetters(std::string_view text) {
    for (char c : text)
        if (RomanLetterValue(c) == 0)
            return false;
    return true;
}

bool IsPositionalBase(int base) {
    return base >= 2 && base <= kLargestBase;
}

// One decimal place written with that place's one, five and ten letters.
void AppendRomanDigit(std::string &out, int digit, char one, char five, char ten) {
    static constexpr std::string_view kPatterns[] = {"",  "1",  "11",  "111",  "15",
                                                     "5", "51", "511", "5111", "1T"};
    for (char symbol : kPatterns[digit])
        out += symbol == '1' ? one : symbol == '5' ? five : ten;
}

// Roman form of 0 to 3999 (and, for larger values, as many M as there are thousands).
std::string RomanForm(std::int64_t n) {
    std::string out(static_cast<std::size_t>(n / 1000), 'M');
    AppendRomanDigit(out, static_cast<int>(n / 100 % 10), 'C', 'D', 'M');
    AppendRomanDigit(out, static_cast<int>(n / 10 % 10), 'X', 'L', 'C');
    AppendRomanDigit(out, static_cast<int>(n % 10), 'I', 'V', 'X');
    return out;
}

// Reads a validated input: the value, whether there was anything to convert, and failure.
struct NumberInput {
    std::int64_t value = 0;
    bool anything = true;
    bool failed = false;
};

NumberInput ReadPositional(std::string_view inputText, int inBase) {
    if (inputText.empty() || inputText == "0")
        return {0, false, false};
    const PositionalNumber number = ParseInBase(inputText, inBase);
    return {number.value, true, number.tooLarge};
}

NumberInput ReadRoman(std::string_view inputText) {
    const RomanParts parts = SplitRoman(inputText);
    if (parts.overline.empty() && parts.plain.empty())
        return {0, false, false};
    const RomanNumber low = RomanValue(parts.plain);
    if (low.failed)
        return {0, true, true};
    const RomanNumber high = RomanValue(parts.overline);
    if (high.failed)
        return {0, true, true};
    const std::int64_t value = high.value * 1000 + low.value;
    return {value, true, value < 1};
}

// The value written in a unit's system, or the message for a unit that has none.
std::string WriteInSystem(std::int64_t value, const NumberSystemUnit &unit) {
    const std::optional<int> base = NumberBaseOf(unit.factor);
    if (!base)
        return InvalidNumberMessage(unit.name);
    return *base == 0 ? ToRoman(value) : ToBase(value, *base);
}

} // namespace

std::optional<int> NumberBaseOf(long double factor) {
    if (!std::isfinite(factor))
        return std::nullopt;
    const long double rounded = std::nearbyint(factor);
    if (rounded == 0)
        return 0;
    if (rounded >= 2 && rounded <= kLargestBase)
        return static_cast<int>(rounded);
    return std::nullopt;
}

std::string InvalidNumberMessage(std::string_view unitName) {
    return "Invalid " + std::string(unitName) + " number";
}

std::optional<std::string> ValidateNumberInput(std::string_view inputText, int inBase,
                                               std::string_view inputUnitName) {
    if (inBase == 0) {
        if (SplitRoman(inputText).failed)
            return std::string(kInvalidRomanMessage);
        return std::nullopt;
    }
    if (!IsPositionalBase(inBase))
        return InvalidNumberMessage(inputUnitName);
    for (char c : inputText) {
        const int digit = DigitValue(AsciiUpper(c));
        if (digit < 0 || digit >= inBase)
            return InvalidNumberMessage(inputUnitName);
    }
    return std::nullopt;
}

RomanParts SplitRoman(std::string_view text) {
    const std::string upper = UpperCased(text);
    const std::size_t open = upper.find('(');
    const std::size_t close = upper.find(')');
    RomanParts parts;
    if (open == std::string::npos && close == std::string::npos) {
        parts.failed = !AllRomanLetters(upper);
        if (!parts.failed)
            parts.plain = upper;
        return parts;
    }
    if (open == std::string::npos || close == std::string::npos || close < open) {
        parts.failed = true;
        return parts;
    }
    const std::string_view prefix = std::string_view(upper).substr(0, open);
    parts.overline = upper.substr(open + 1, close - open - 1);
    parts.plain = upper.substr(close + 1);
    const bool prefixValid = prefix.empty() || prefix == "OL" || prefix == "OVERLINE";
    parts.failed = !prefixValid || !AllRomanLetters(parts.overline) || !AllRomanLetters(parts.plain);
    return parts;
}

RomanNumber RomanValue(std::string_view letters) {
    std::int64_t total = 0;
    std::int64_t pending = 0;
    std::int64_t previous = 0;
    bool first = true;
    for (char c : letters) {
        const std::int64_t v = RomanLetterValue(c);
        if (v == 0)
            return {0, true};
        if (first)
            previous = v;
        first = false;
        if (v > previous) {
            pending = v - pending;
        } else {
            total += pending;
            if (total > kRomanTotalLimit)
                return {0, true};
            pending = v;
        }
        previous = v;
    }
    return {total + pending, false};
}

PositionalNumber ParseInBase(std::string_view digits, int base) {
    PositionalNumber result;
    if (!IsPositionalBase(base)) {
        result.tooLarge = true;
        return result;
    }
    // Extended precision holds every whole number below 2^64 exactly, so the comparisons with the
    // limit are exact; the place value grows to infinity on very long input, which only compares
    // larger, and stays finite-or-infinite (never NaN) by itself.
    const long double limit = static_cast<long double>(kLargestPositionalValue);
    long double total = 0;
    long double power = 1;
    for (std::size_t i = digits.size(); i-- > 0;) {
        const int digit = DigitValue(AsciiUpper(digits[i]));
        const long double d = digit < 0 ? 0 : digit;
        if (d == 0) {
            // A zero digit adds nothing, however high its place: leading zeros never overflow.
        } else if (power > limit || power * d + total > limit)
            result.tooLarge = true;
        else
            total += d * power;
        power *= base;
    }
    result.value = static_cast<std::int64_t>(total);
    return result;
}

std::string ToBase(std::int64_t value, int base) {
    if (value < 0 || !IsPositionalBase(base))
        return {};
    // Exact integer division gives the same digits as dividing in extended precision, rounding
    // the quotient and correcting a negative remainder.
    std::string digits;
    do {
        digits.push_back(kDigits[static_cast<std::size_t>(value % base)]);
        value /= base;
    } while (value != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::string ToRoman(std::int64_t value) {
    if (value > kLargestOverlineValue)
        return std::string(kResultTooLargeMessage);
    if (value > kLargestPlainRomanValue) {
        const std::int64_t rest = value % 1000;
        return "overline(" + RomanForm(value / 1000) + ") " + (rest == 0 ? std::string() : RomanForm(rest));
    }
    if (value < 1)
        return {};
    return RomanForm(value);
}

NumbersConversion ConvertNumberText(std::string_view inputText, const NumberSystemUnit &inputUnit,
                                    const NumberSystemUnit &outputUnit,
                                    std::span<const NumberSystemUnit> listedUnits) {
    NumbersConversion conversion;
    const std::optional<int> inBase = NumberBaseOf(inputUnit.factor);
    const std::optional<int> outBase = NumberBaseOf(outputUnit.factor);
    std::optional<std::string> refusal;
    if (!inBase)
        refusal = InvalidNumberMessage(inputUnit.name);
    else if (!outBase)
        refusal = InvalidNumberMessage(outputUnit.name);
    else
        refusal = ValidateNumberInput(inputText, *inBase, inputUnit.name);
    if (refusal) {
        conversion.outcome = NumbersOutcome::InvalidInput;
        conversion.outputText = std::move(*refusal);
        return conversion;
    }

    const NumberInput input = *inBase == 0 ? ReadRoman(inputText) : ReadPositional(inputText, *inBase);
    if (input.failed) {
        conversion.outcome = NumbersOutcome::Failed;
        conversion.outputText = std::string(*inBase == 0 ? kInvalidRomanMessage : kResultTooLargeMessage);
        return conversion;
    }
    if (!input.anything)
        return conversion; // converted, with nothing to write

    conversion.outputText = WriteInSystem(input.value, outputUnit);
    conversion.hasAllResults = true;
    conversion.allResults.reserve(listedUnits.size());
    for (const NumberSystemUnit &unit : listedUnits)
        conversion.allResults.push_back(WriteInSystem(input.value, unit));
    return conversion;
}

} // namespace mensurio
