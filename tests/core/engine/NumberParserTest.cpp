// SPDX-License-Identifier: MIT
#include "core/engine/NumberParser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace mensurio {
namespace {

constexpr long double kInf = std::numeric_limits<long double>::infinity();

struct ValidCase {
    const char *text;
    long double value;
};

std::ostream &operator<<(std::ostream &os, const ValidCase &c) {
    return os << '"' << c.text << '"';
}

class ParseNumberValid : public ::testing::TestWithParam<ValidCase> {};

TEST_P(ParseNumberValid, ParseNumber_validSyntax_givesCorrectlyRoundedValue) {
    const ParsedNumber parsed = ParseNumber(GetParam().text);
    EXPECT_TRUE(parsed.ok);
    EXPECT_FALSE(parsed.overflow);
    EXPECT_EQ(parsed.value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, ParseNumberValid,
    ::testing::Values(ValidCase{"5", 5.0L}, ValidCase{"   5", 5.0L}, ValidCase{"+5", 5.0L},
                      ValidCase{"-5", -5.0L}, ValidCase{"5.", 5.0L}, ValidCase{".5", 0.5L},
                      ValidCase{".", 0.0L}, ValidCase{"E5", 0.0L}, ValidCase{"e5", 0.0L},
                      ValidCase{"1e3", 1000.0L}, ValidCase{"2E+3", 2000.0L}, ValidCase{"1e-3", 0.001L},
                      ValidCase{"0.1", 0.1L}, ValidCase{"-.25e1", -2.5L}, ValidCase{"007", 7.0L},
                      ValidCase{"1.5e0", 1.5L}, ValidCase{"  -0.000123", -0.000123L},
                      ValidCase{"123456789012345678901234567890", 123456789012345678901234567890.0L}));

// Values beyond the range by the written exponent: infinity or zero instead of a failure.
INSTANTIATE_TEST_SUITE_P(ExponentRule, ParseNumberValid,
                         ::testing::Values(ValidCase{"1e5120", kInf}, ValidCase{"1e9999", kInf},
                                           ValidCase{"-1e5120", -kInf},
                                           ValidCase{"1e99999999999999999999", kInf},
                                           ValidCase{"1e-5120", 0.0L}, ValidCase{"-2.5e-9999", 0.0L},
                                           ValidCase{"1e-5000", 0.0L}, ValidCase{"0e9999", 0.0L},
                                           ValidCase{".e6000", 0.0L}, ValidCase{"1e4932", 1e4932L}));

class ParseNumberInvalid : public ::testing::TestWithParam<const char *> {};

TEST_P(ParseNumberInvalid, ParseNumber_badSyntax_isNotOk) {
    const ParsedNumber parsed = ParseNumber(GetParam());
    EXPECT_FALSE(parsed.ok);
    EXPECT_FALSE(parsed.overflow);
}

INSTANTIATE_TEST_SUITE_P(Syntax, ParseNumberInvalid,
                         ::testing::Values("", " ", "+", "-", "5 ", "1,5", "1 000", "1,000", "5e", "5e+", "e",
                                           ".e", "--5", "+-5", "0x10", "inf", "nan", "1.2.3", "\t5", "5a",
                                           "1e5.5", "(5)", "5+1", "1e 5", "- 5", "1E--5"));

TEST(ParseNumber, ParseNumber_valueBeyondRangeBelowExponentLimit_isOverflow) {
    for (const char *text : {"1e5000", "1e5119", "-1e4933", "123456789e5110"}) {
        const ParsedNumber parsed = ParseNumber(text);
        EXPECT_FALSE(parsed.ok) << text;
        EXPECT_TRUE(parsed.overflow) << text;
    }
}

TEST(ParseNumber, ParseNumber_tinyValue_underflowsSilentlyToDenormal) {
    const ParsedNumber parsed = ParseNumber("1e-4940");
    ASSERT_TRUE(parsed.ok);
    EXPECT_GT(parsed.value, 0.0L);
    EXPECT_LT(parsed.value, std::numeric_limits<long double>::min());
}

TEST(ParseNumber, ParseNumber_longDigitStrings_areRead) {
    EXPECT_EQ(ParseNumber("1" + std::string(4000, '0')).value, 1e4000L);
    EXPECT_TRUE(ParseNumber("1" + std::string(5000, '0')).overflow);
    const ParsedNumber tiny = ParseNumber("0." + std::string(100000, '0') + "1");
    EXPECT_TRUE(tiny.ok);
    EXPECT_EQ(tiny.value, 0.0L);
}

TEST(ParseNumber, ParseNumber_negativeZero_keepsItsSign) {
    const ParsedNumber parsed = ParseNumber("-0");
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(parsed.value, 0.0L);
    EXPECT_TRUE(std::signbit(parsed.value));
}

} // namespace
} // namespace mensurio
