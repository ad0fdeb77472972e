// SPDX-License-Identifier: MIT
#include "core/engine/NumberSystems.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace mensurio {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

struct ParseCase {
    std::string digits;
    int base;
    std::int64_t value;
    bool tooLarge;
};

TEST(NumberSystems, ParseInBase_table_readsValuesAndDetects64BitLimit) {
    const ParseCase cases[] = {
        {"FF", 16, 255, false},
        {"ff", 16, 255, false},
        {"", 10, 0, false},
        {"00", 10, 0, false},
        {"7FFFFFFFFFFFFFFF", 16, kMax, false},
        {"8000000000000000", 16, 0, true},
        {"9223372036854775807", 10, kMax, false},
        {"9223372036854775808", 10, 0, true},
        {"777777777777777777777", 8, kMax, false},
        {std::string(63, '1'), 2, kMax, false},
        {"1" + std::string(63, '0'), 2, 0, true},
        {"1Y2P0IJ32E8E7", 36, kMax, false},
        {"1Y2P0IJ32E8E8", 36, 0, true},
        {"2021110011022210012102010021220101220221", 3, kMax, false},
        // A leading zero adds nothing, even where its place value passes the limit.
        {"00000000000000000001", 10, 1, false},
        {"0000000000000000001", 10, 1, false},
        {"00000000000000001", 16, 1, false},
        {"0" + std::string(63, '1'), 2, kMax, false},
        {std::string(200, '0') + "7FFFFFFFFFFFFFFF", 16, kMax, false},
        {std::string(200, '0') + "8000000000000000", 16, 0, true},
        {"0" + std::string(64, '1'), 2, 0, true},
        {"1", 1, 0, true},
        {"1", 37, 0, true},
    };
    for (const ParseCase &c : cases) {
        const PositionalNumber n = ParseInBase(c.digits, c.base);
        EXPECT_EQ(n.tooLarge, c.tooLarge) << c.digits << " base " << c.base;
        if (!c.tooLarge) {
            EXPECT_EQ(n.value, c.value) << c.digits << " base " << c.base;
        }
    }
}

TEST(NumberSystems, ToBase_table_writesDigitsAndRefusesWhatItCannotWrite) {
    const struct {
        std::int64_t value;
        int base;
        std::string digits;
    } cases[] = {
        {255, 2, "11111111"},
        {255, 16, "FF"},
        {255, 10, "255"},
        {0, 2, "0"},
        {0, 36, "0"},
        {35, 36, "Z"},
        {36, 36, "10"},
        {kMax, 16, "7FFFFFFFFFFFFFFF"},
        {kMax, 2, std::string(63, '1')},
        {kMax, 36, "1Y2P0IJ32E8E7"},
        {5, 1, ""},
        {5, 37, ""},
        {5, 0, ""},
        {5, -2, ""},
        {-1, 10, ""},
        {std::numeric_limits<std::int64_t>::min(), 16, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ToBase(c.value, c.base), c.digits) << c.value << " base " << c.base;
}

TEST(NumberSystems, ToBaseThenParseInBase_everyBase_roundTrips) {
    const std::int64_t values[] = {1, 2, 35, 36, 1295, 1296, 123456789, kMax / 3, kMax - 1, kMax};
    for (int base = 2; base <= 36; ++base) {
        for (std::int64_t v : values) {
            const PositionalNumber n = ParseInBase(ToBase(v, base), base);
            EXPECT_FALSE(n.tooLarge) << v << " base " << base;
            EXPECT_EQ(n.value, v) << v << " base " << base;
        }
    }
}

TEST(NumberSystems, ToRoman_table_plainOverlineAndTooLarge) {
    const struct {
        std::int64_t value;
        std::string text;
    } cases[] = {
        {1, "I"},
        {4, "IV"},
        {9, "IX"},
        {14, "XIV"},
        {40, "XL"},
        {90, "XC"},
        {255, "CCLV"},
        {400, "CD"},
        {900, "CM"},
        {1994, "MCMXCIV"},
        {3888, "MMMDCCCLXXXVIII"},
        {3999, "MMMCMXCIX"},
        {4000, "overline(IV) "},
        {4001, "overline(IV) I"},
        {10005, "overline(X) V"},
        {1234567, "overline(MCCXXXIV) DLXVII"},
        {3999999, "overline(MMMCMXCIX) CMXCIX"},
        {4000000, "result too large"},
        {kMax, "result too large"},
        {0, ""},
        {-7, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ToRoman(c.value), c.text) << c.value;
}

TEST(NumberSystems, RomanValue_table_readsStandardAndLenientForms) {
    const struct {
        std::string letters;
        std::int64_t value;
        bool failed;
    } cases[] = {
        {"", 0, false},
        {"XIV", 14, false},
        {"MCMXCIV", 1994, false},
        {"IIV", 5, false},
        {"IM", 999, false},
        {"VV", 10, false},
        {"MMMM", 4000, false},
        {"IVX", 6, false},
        {std::string(101, 'M'), 101000, false},
        {std::string(102, 'M'), 0, true},
        {"xiv", 0, true},
        {"XIZ", 0, true},
    };
    for (const auto &c : cases) {
        const RomanNumber n = RomanValue(c.letters);
        EXPECT_EQ(n.failed, c.failed) << c.letters;
        if (!c.failed) {
            EXPECT_EQ(n.value, c.value) << c.letters;
        }
    }
}

TEST(NumberSystems, SplitRoman_table_prefixesPartsAndFailures) {
    const struct {
        std::string text;
        bool failed;
        std::string overline;
        std::string plain;
    } cases[] = {
        {"OVERLINE(IV)CCC", false, "IV", "CCC"},
        {"overline(iv)", false, "IV", ""},
        {"ol(X)V", false, "X", "V"},
        {"(X)", false, "X", ""},
        {"mmmm", false, "", "MMMM"},
        {"", false, "", ""},
        {"()", false, "", ""},
        {"OVERLINE()", false, "", ""},
        {"OVERLINE(IV) CCC", true, "", ""},
        {"(X", true, "", ""},
        {"X)", true, "", ""},
        {")X(", true, "", ""},
        {"O(X)", true, "", ""},
        {"OL (X)", true, "", ""},
        {"(XA)", true, "", ""},
        {"(X)(V)", true, "", ""},
        {"X V", true, "", ""},
        {"\xC9", true, "", ""},
    };
    for (const auto &c : cases) {
        const RomanParts parts = SplitRoman(c.text);
        EXPECT_EQ(parts.failed, c.failed) << c.text;
        if (!c.failed) {
            EXPECT_EQ(parts.overline, c.overline) << c.text;
            EXPECT_EQ(parts.plain, c.plain) << c.text;
        }
    }
}

TEST(NumberSystems, ValidateNumberInput_table_digitsBelowTheBaseOnly) {
    const struct {
        std::string text;
        int base;
        std::optional<std::string> message;
    } cases[] = {
        {"ff", 16, std::nullopt},           {"", 10, std::nullopt},
        {"zZ09", 36, std::nullopt},         {"1010", 2, std::nullopt},
        {"102", 2, "Invalid unit number"},  {"G", 16, "Invalid unit number"},
        {"8", 8, "Invalid unit number"},    {"-5", 10, "Invalid unit number"},
        {"1.5", 10, "Invalid unit number"}, {"1 000", 10, "Invalid unit number"},
        {"+5", 10, "Invalid unit number"},  {"\xB2", 36, "Invalid unit number"},
        {"", 1, "Invalid unit number"},     {"0", 37, "Invalid unit number"},
        {"MCM", 0, std::nullopt},           {"X Y", 0, "invalid Roman numeral"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ValidateNumberInput(c.text, c.base, "unit"), c.message) << c.text << " base " << c.base;
}

TEST(NumberSystems, NumberBaseOf_table_acceptsRomanAndBases2To36Only) {
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    const struct {
        long double factor;
        std::optional<int> base;
    } cases[] = {
        {0, 0},   {0.4L, 0},   {2, 2},   {15.6L, 16}, {36, 36},  {36.4L, 36}, {1, {}},    {0.6L, {}},
        {-2, {}}, {36.6L, {}}, {37, {}}, {1e30L, {}}, {nan, {}}, {inf, {}},   {-inf, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NumberBaseOf(c.factor), c.base) << static_cast<double>(c.factor);
}

// The units of a Numbers category as the database holds them: the factor is the base.
const NumberSystemUnit kDecimal{"decimal", 10};
const NumberSystemUnit kHex{"hexadecimal", 16};
const NumberSystemUnit kBinary{"binary", 2};
const NumberSystemUnit kRoman{"Roman numerals", 0};

struct ConvertCase {
    std::string text;
    NumberSystemUnit input;
    NumberSystemUnit output;
    NumbersOutcome outcome;
    std::string outputText;
    bool hasAllResults;
};

TEST(NumberSystems, ConvertNumberText_table_resultsAndMessages) {
    using O = NumbersOutcome;
    const ConvertCase cases[] = {
        {"ff", kHex, kDecimal, O::Converted, "255", true},
        {"255", kDecimal, kBinary, O::Converted, "11111111", true},
        {"255", kDecimal, kRoman, O::Converted, "CCLV", true},
        {"0", kDecimal, kBinary, O::Converted, "", false},
        {"", kDecimal, kBinary, O::Converted, "", false},
        {"00", kDecimal, kBinary, O::Converted, "0", true},
        {"00", kDecimal, kRoman, O::Converted, "", true},
        {"-5", kDecimal, kBinary, O::InvalidInput, "Invalid decimal number", false},
        {"1.5", kDecimal, kBinary, O::InvalidInput, "Invalid decimal number", false},
        {"7FFFFFFFFFFFFFFF", kHex, kDecimal, O::Converted, "9223372036854775807", true},
        {"8000000000000000", kHex, kDecimal, O::Failed, "result too large", false},
        {"4000", kDecimal, kRoman, O::Converted, "overline(IV) ", true},
        {"3999999", kDecimal, kRoman, O::Converted, "overline(MMMCMXCIX) CMXCIX", true},
        {"4000000", kDecimal, kRoman, O::Converted, "result too large", true},
        {"MMMM", kRoman, kDecimal, O::Converted, "4000", true},
        {"overline(iv)", kRoman, kDecimal, O::Converted, "4000", true},
        {"ol(X)V", kRoman, kDecimal, O::Converted, "10005", true},
        {"OVERLINE(IV)CCC", kRoman, kDecimal, O::Converted, "4300", true},
        {"()", kRoman, kDecimal, O::Converted, "", false},
        {"OVERLINE()", kRoman, kDecimal, O::Converted, "", false},
        {"(X", kRoman, kDecimal, O::InvalidInput, "invalid Roman numeral", false},
        {"0", kRoman, kDecimal, O::InvalidInput, "invalid Roman numeral", false},
        {std::string(102, 'M'), kRoman, kDecimal, O::Failed, "invalid Roman numeral", false},
        {"(" + std::string(102, 'M') + ")", kRoman, kDecimal, O::Failed, "invalid Roman numeral", false},
        {"(M)", kRoman, kRoman, O::Converted, "overline(M) ", true},
    };
    for (const ConvertCase &c : cases) {
        const NumbersConversion r = ConvertNumberText(c.text, c.input, c.output, {});
        EXPECT_EQ(r.outcome, c.outcome) << c.text;
        EXPECT_EQ(r.outputText, c.outputText) << c.text;
        EXPECT_EQ(r.hasAllResults, c.hasAllResults) << c.text;
    }
}

TEST(NumberSystems, ConvertNumberText_unitWithoutNumberSystem_givesInvalidNumberAndConvertsNothing) {
    const NumberSystemUnit unary{"unary", 1};
    const NumberSystemUnit huge{"base 100", 100};
    const NumberSystemUnit broken{"broken", std::numeric_limits<long double>::quiet_NaN()};
    const NumberSystemUnit listed[] = {kDecimal, huge};
    const struct {
        std::string text;
        NumberSystemUnit input;
        NumberSystemUnit output;
        std::string message;
    } cases[] = {
        {"0", unary, kDecimal, "Invalid unary number"},    {"", unary, kDecimal, "Invalid unary number"},
        {"12", kDecimal, huge, "Invalid base 100 number"}, {"XV", kRoman, unary, "Invalid unary number"},
        {"99", huge, kDecimal, "Invalid base 100 number"}, {"1", kDecimal, broken, "Invalid broken number"},
    };
    for (const auto &c : cases) {
        const NumbersConversion r = ConvertNumberText(c.text, c.input, c.output, listed);
        EXPECT_EQ(r.outcome, NumbersOutcome::InvalidInput) << c.message;
        EXPECT_EQ(r.outputText, c.message);
        EXPECT_FALSE(r.hasAllResults);
        EXPECT_TRUE(r.allResults.empty());
    }
}

TEST(NumberSystems, ConvertNumberText_allResults_oneLinePerListedUnitInOrder) {
    const NumberSystemUnit listed[] = {kBinary, kRoman, kHex, {"damaged", 1}, kDecimal};
    const NumbersConversion r = ConvertNumberText("255", kDecimal, kHex, listed);
    ASSERT_TRUE(r.hasAllResults);
    const std::vector<std::string> expected = {"11111111", "CCLV", "FF", "Invalid damaged number", "255"};
    EXPECT_EQ(r.allResults, expected);
}

// Any text, however long and whatever its bytes, ends in a result or one of the messages.
TEST(NumberSystems, ConvertNumberText_randomAndHugeInput_alwaysEndsInResultOrMessage) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> roman(0, 6);
    const NumberSystemUnit systems[] = {kDecimal, kHex, kBinary, kRoman, {"base 36", 36}};
    std::vector<std::string> inputs = {std::string(100000, 'F'), std::string(100000, 'M'),
                                       std::string(100000, '0'), "(" + std::string(99998, 'I') + ")"};
    for (std::size_t length : {1u, 2u, 17u, 300u, 100000u}) {
        std::string bytes(length, ' ');
        std::string letters(length, ' ');
        for (std::size_t i = 0; i < length; ++i) {
            bytes[i] = static_cast<char>(byte(random));
            letters[i] = "IVXLCDM"[roman(random)];
        }
        inputs.push_back(bytes);
        inputs.push_back(letters);
    }
    for (const std::string &text : inputs) {
        for (const NumberSystemUnit &from : systems) {
            const NumbersConversion r = ConvertNumberText(text, from, kRoman, systems);
            if (r.outcome != NumbersOutcome::Converted) {
                EXPECT_FALSE(r.outputText.empty());
            }
            EXPECT_LE(r.outputText.size(), 64u); // a Roman result is short; a message too
        }
    }
    EXPECT_EQ(ConvertNumberText(std::string(100000, 'F'), kHex, kDecimal, {}).outcome,
              NumbersOutcome::Failed);
    EXPECT_EQ(ConvertNumberText(std::string(100000, 'M'), kRoman, kDecimal, {}).outcome,
              NumbersOutcome::Failed);
}

} // namespace
} // namespace mensurio
