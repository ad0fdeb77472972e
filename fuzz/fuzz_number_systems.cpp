// SPDX-License-Identifier: MIT
// The Roman and positional number parsers on arbitrary text: a number read in a base writes
// back as the same digits, and the whole Numbers conversion ends for any pair of units.
#include "FuzzCheck.h"

#include "core/engine/NumberSystems.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char &c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

void CheckPositional(std::string_view text, int base) {
    if (text.empty() || mensurio::ValidateNumberInput(text, base, "unit"))
        return;
    const std::string digits = Upper(text);
    const mensurio::PositionalNumber number = mensurio::ParseInBase(digits, base);
    if (number.tooLarge)
        return;
    const std::size_t first = digits.find_first_not_of('0');
    const std::string expected = first == std::string::npos ? "0" : digits.substr(first);
    FUZZ_CHECK(mensurio::ToBase(number.value, base) == expected);
}

void CheckRoman(std::string_view text) {
    const mensurio::RomanParts parts = mensurio::SplitRoman(text);
    if (parts.failed)
        return;
    const mensurio::RomanNumber overline = mensurio::RomanValue(parts.overline);
    const mensurio::RomanNumber plain = mensurio::RomanValue(parts.plain);
    if (!overline.failed && !plain.failed)
        (void)mensurio::ToRoman(overline.value * 1000 + plain.value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 2)
        return 0;
    // Two bytes choose the units' factors, including ones no number system has (1, 37, -2).
    const long double inFactor = static_cast<long double>(static_cast<std::int8_t>(data[0]) % 40);
    const long double outFactor = static_cast<long double>(static_cast<std::int8_t>(data[1]) % 40);
    const std::string_view text(reinterpret_cast<const char *>(data + 2), size - 2);

    CheckPositional(text, 2 + data[0] % 35);
    CheckRoman(text);

    const std::vector<mensurio::NumberSystemUnit> units = {
        {"in", inFactor}, {"out", outFactor}, {"Roman", 0}, {"hex", 16}, {"binary", 2}, {"broken", 1}};
    const auto conversion = mensurio::ConvertNumberText(text, units[0], units[1], units);
    if (conversion.hasAllResults)
        FUZZ_CHECK(conversion.allResults.size() == units.size());
    return 0;
}
