// SPDX-License-Identifier: MIT
#include "core/engine/UnitExpression.h"

#include "core/engine/ExpressionTree.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace mensurio {
namespace {

constexpr long double kFoot = 0.3048L;
constexpr long double kInch = 0.0254L;

// Longest names first, as the engine lists them.
const std::vector<KnownUnit> kLength = {
    {"gallons (US)/mile", 7.0L, false},
    {"square foot", 0.09290304L, false},
    {"a,b", 3.0L, false},
    {"foot", kFoot, false},
    {"inch", kInch, false},
    {"Mm", 1e6L, false},
    {"mm", 1e-3L, false},
    {"huge", 1e3000L, false},
};

UnitExpressionResult parse(const std::string &text, bool wantTerms = false) {
    return ParseUnitExpression(text, kLength, false, wantTerms);
}

struct ValueCase {
    const char *text;
    long double total;
    bool hasUnits;
};

std::ostream &operator<<(std::ostream &os, const ValueCase &c) {
    return os << '"' << c.text << '"';
}

class UnitExpressionValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(UnitExpressionValue, ParseUnitExpression_validInput_givesTotalInBaseUnits) {
    const UnitExpressionResult result = parse(GetParam().text);
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.hasUnits, GetParam().hasUnits);
    EXPECT_EQ(result.total, GetParam().total);
}

INSTANTIATE_TEST_SUITE_P(
    Units, UnitExpressionValue,
    ::testing::Values(ValueCase{"5 foot + 3 inch", 5 * kFoot + 3 * kInch, true},
                      ValueCase{"(5) foot + (3) inch", 5 * kFoot + 3 * kInch, true},
                      ValueCase{"5 foot - 3 inch", 5 * kFoot - 3 * kInch, true},
                      ValueCase{"2*(3 foot)", 6 * kFoot, true}, ValueCase{"(6 foot)/2", 3 * kFoot, true},
                      ValueCase{"3 foot + 2 foot", 5 * kFoot, true}, ValueCase{"foot", kFoot, true},
                      ValueCase{"-foot", -kFoot, true}, ValueCase{"1,5 foot", 1.5L * kFoot, true},
                      ValueCase{"2^3 foot", 8 * kFoot, true}, ValueCase{"1 000 foot", 1000 * kFoot, true},
                      // Explicit parentheses around a name found elsewhere match it ignoring letter case.
                      ValueCase{"(Foot)+foot", 2 * kFoot, true},
                      ValueCase{"2 square foot", 2 * 0.09290304L, true},
                      ValueCase{"3 gallons (US)/mile", 21, true}, ValueCase{"2,5 a,b", 7.5L, true},
                      // Names that differ only in letter case keep their own factors.
                      ValueCase{"3 Mm + 2 mm", 3e6L + 2e-3L, true}, ValueCase{"2 mm", 2e-3L, true}));

INSTANTIATE_TEST_SUITE_P(PlainNumbers, UnitExpressionValue,
                         ::testing::Values(ValueCase{"-(2+3)", -5, false}, ValueCase{"1 000", 1000, false},
                                           ValueCase{"2 * 3", 6, false}, ValueCase{"1,5", 1.5L, false},
                                           ValueCase{"(2)(3)", 6, false}, ValueCase{"2+3*4", 14, false}));

struct CodeCase {
    const char *text;
    int code;
};

std::ostream &operator<<(std::ostream &os, const CodeCase &c) {
    return os << '"' << c.text << '"';
}

class UnitExpressionCode : public ::testing::TestWithParam<CodeCase> {};

TEST_P(UnitExpressionCode, ParseUnitExpression_badInput_givesErrorCode) {
    EXPECT_EQ(parse(GetParam().text).code, GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, UnitExpressionCode,
    ::testing::Values(CodeCase{"5 foot + 3", 10}, CodeCase{"3 - foot", 10}, CodeCase{"(5 foot)^2", 20},
                      CodeCase{"2^foot", 20}, CodeCase{"2/(3 foot)", 30}, CodeCase{"5 foot * 3 inch", 40},
                      CodeCase{"5 foot 3 inch", 40}, CodeCase{"foot/inch", 40}, CodeCase{"foot^inch", 50},
                      CodeCase{"(5 foot + 3 inch)*2", 60}, CodeCase{"2/(foot+inch)", 60},
                      CodeCase{"(foot+inch)^2", 60}, CodeCase{"5 foot + 3 inch + 2", 2},
                      CodeCase{"(5 foot - 3 inch) + 2", 2}, CodeCase{"2 + (5 foot - 3 inch)", 60},
                      // "-(" reads as "-1*(", which scales the sum of different units.
                      CodeCase{"foot - (2 inch - 3 foot)", 60}));

INSTANTIATE_TEST_SUITE_P(Invalid, UnitExpressionCode,
                         ::testing::Values(CodeCase{"Foot", 100}, CodeCase{"", 100},
                                           CodeCase{"5 foot +", 100}, CodeCase{"1/0 foot", 100},
                                           CodeCase{"0/0", 100}, CodeCase{"(-8)^(1/3)", 100},
                                           CodeCase{"1e5000 foot", kUnitCodeTooLarge},
                                           CodeCase{"1e4000 foot * 1e4000", kUnitCodeTooLarge},
                                           CodeCase{"1e2000 huge", kUnitCodeTooLarge},
                                           CodeCase{"2 foot / 0", 100}, CodeCase{"5 foo + 3 inch", 100},
                                           CodeCase{"x + foot", 100}));

TEST(ParseUnitExpression, ParseUnitExpression_footAndInch_collectsTermsInBaseUnits) {
    const UnitExpressionResult result = parse("5 foot - 3 inch + 1 foot", true);
    ASSERT_EQ(result.code, 0);
    EXPECT_EQ(result.terms, (std::vector<long double>{5 * kFoot, -3 * kInch, kFoot}));
    EXPECT_EQ(result.usedNames, (std::vector<std::string>{"foot", "inch"}));
    EXPECT_EQ(result.usedUnits, (std::vector<std::size_t>{3, 4}));
    EXPECT_EQ(result.usedCount, 2);
    EXPECT_FALSE(result.inverse);
}

TEST(ParseUnitExpression, ParseUnitExpression_subtractedTerms_areNegated) {
    const UnitExpressionResult result = parse("foot - 2 inch - 3 foot", true);
    ASSERT_EQ(result.code, 0);
    EXPECT_EQ(result.terms, (std::vector<long double>{kFoot, -2 * kInch, -3 * kFoot}));
    EXPECT_EQ(result.total, kFoot - 2 * kInch - 3 * kFoot);
}

TEST(ParseUnitExpression, ParseUnitExpression_termsOnlyWhenWantedAndWithUnits) {
    EXPECT_TRUE(parse("5 foot + 3 inch", false).terms.empty());
    EXPECT_TRUE(parse("2 + 3", true).terms.empty());
    EXPECT_EQ(parse("2 * (3 foot)", true).terms, std::vector<long double>{6 * kFoot});
}

TEST(ParseUnitExpression, ParseUnitExpression_failedParse_keepsUsedUnitsAndHasUnits) {
    const UnitExpressionResult result = parse("5 foot + 3");
    EXPECT_EQ(result.code, 10);
    EXPECT_TRUE(result.hasUnits);
    EXPECT_EQ(result.usedNames, std::vector<std::string>{"foot"});
    EXPECT_TRUE(parse("Foot").hasUnits);
}

const std::vector<KnownUnit> kEfficiency = {
    {"l/100km", 1.0L, false}, {"km/l", 100.0L, true}, {"mpg", 42.5L, true}};

TEST(ParseUnitExpression, ParseUnitExpression_mixedInverseUnits_givesCode1000WhenChecked) {
    const UnitExpressionResult checked = ParseUnitExpression("5 mpg + 3 l/100km", kEfficiency, true, true);
    EXPECT_EQ(checked.code, 1000);
    EXPECT_FALSE(checked.hasUnits);
    EXPECT_FALSE(checked.inverse);
    EXPECT_EQ(checked.usedCount, 2);
    EXPECT_EQ(checked.usedUnits, (std::vector<std::size_t>{0, 2}));

    const UnitExpressionResult unchecked =
        ParseUnitExpression("5 mpg + 3 l/100km", kEfficiency, false, false);
    EXPECT_EQ(unchecked.code, 0);
    EXPECT_FALSE(unchecked.inverse);
    EXPECT_EQ(unchecked.total, 5 * 42.5L + 3);
}

TEST(ParseUnitExpression, ParseUnitExpression_inverseUnits_divideByFactor) {
    const UnitExpressionResult result = ParseUnitExpression("85 mpg + 200 km/l", kEfficiency, true, true);
    ASSERT_EQ(result.code, 0);
    EXPECT_TRUE(result.inverse);
    EXPECT_EQ(result.total, 85 / 42.5L + 200 / 100.0L);
    EXPECT_EQ(result.terms, (std::vector<long double>{2, 2}));
    const UnitExpressionResult plain = ParseUnitExpression("85", kEfficiency, true, false);
    EXPECT_FALSE(plain.inverse);
    EXPECT_FALSE(plain.hasUnits);
    EXPECT_EQ(plain.total, 85);
}

TEST(ParseUnitExpression, ParseUnitExpression_inverseUnitWithZeroFactor_isInvalid) {
    const std::vector<KnownUnit> units = {{"zero", 0.0L, true}};
    EXPECT_EQ(ParseUnitExpression("2 zero", units, true, false).code, 100);
}

std::string repeat(const std::string &piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

TEST(ParseUnitExpression, ParseUnitExpression_pathologicalInput_endsInTheLimitsCode) {
    EXPECT_EQ(parse(repeat("1 foot + ", 12000) + "1 inch").code, kUnitCodeTooLong); // over 100,000 characters
    EXPECT_EQ(parse(repeat("foot+(", 1200) + "inch" + repeat(")", 1200)).code, kUnitCodeNestedTooDeep);
    EXPECT_EQ(parse(repeat("(", 3000) + "foot" + repeat(")", 3000)).code, kUnitCodeNestedTooDeep);
    EXPECT_EQ(parse(repeat("(", 1000) + "foot" + repeat(")", 1000)).code, 0);
    const UnitExpressionResult chain = parse(repeat("foot+inch+", 200) + "foot", true);
    EXPECT_EQ(chain.code, 0);
    EXPECT_EQ(chain.terms.size(), 401U);
    EXPECT_EQ(parse(repeat("foot+", 400) + "inch", true).terms.size(), 2U); // equal units reduce
}

TEST(ParseUnitExpression, ParseUnitExpression_randomInput_endsInResultOrCode) {
    std::mt19937 random(987);
    const std::vector<std::string> pieces = {"foot", "inch", "Mm",  "mm", "a,b", " ",
                                             "(",    ")",    "+",   "-",  "*",   "/",
                                             "^",    "1",    "2.5", "e",  ",",   "square foot"};
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const std::size_t length = random() % 12;
        for (std::size_t i = 0; i < length; ++i)
            text += round % 3 == 0 ? std::string(1, static_cast<char>(random() % 256))
                                   : pieces[random() % pieces.size()];
        const UnitExpressionResult result = ParseUnitExpression(text, kLength, round % 2 == 0, true);
        EXPECT_TRUE(result.code == 0 || !UnitExpressionMessage(result.code).empty()) << text;
        EXPECT_EQ(result.usedCount, static_cast<std::int32_t>(result.usedNames.size()));
    }
}

struct MessageCase {
    int code;
    const char *message;
};

std::ostream &operator<<(std::ostream &os, const MessageCase &c) {
    return os << c.code;
}

class UnitExpressionMessageTable : public ::testing::TestWithParam<MessageCase> {};

TEST_P(UnitExpressionMessageTable, UnitExpressionMessage_code_givesMessage) {
    EXPECT_EQ(UnitExpressionMessage(GetParam().code), GetParam().message);
}

constexpr const char *kInverse = "illegal use of inverse units";
constexpr const char *kInvalid = "invalid or incomplete expression";
constexpr const char *kPlusMinus = "incorrect use of '+' or '-' operator in expression";
constexpr const char *kPower = "incorrect use of '^' operator in expression";
constexpr const char *kTimesDivide = "incorrect use of '*' or '/' operator in expression";
constexpr const char *kAnyProduct = "incorrect use of '*','/' or '^' operator in expression";

INSTANTIATE_TEST_SUITE_P(
    Codes, UnitExpressionMessageTable,
    ::testing::Values(MessageCase{1000, kInverse}, MessageCase{1100, kInverse}, MessageCase{100, kInvalid},
                      MessageCase{110, kInvalid}, MessageCase{162, kInvalid}, MessageCase{1, kAnyProduct},
                      MessageCase{2, kPlusMinus}, MessageCase{3, kInvalid}, MessageCase{0, kInvalid},
                      MessageCase{10, kPlusMinus}, MessageCase{12, kPlusMinus}, MessageCase{20, kPower},
                      MessageCase{50, kPower}, MessageCase{30, kTimesDivide}, MessageCase{41, kTimesDivide},
                      MessageCase{60, kAnyProduct}, MessageCase{70, kInvalid}, MessageCase{99, kInvalid},
                      MessageCase{2000, kInvalid}, MessageCase{2010, kPlusMinus}));

} // namespace
} // namespace mensurio
