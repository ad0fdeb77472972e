// SPDX-License-Identifier: MIT
#include "core/engine/ExpressionTree.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <random>
#include <string>

namespace mensurio {
namespace {

struct StripCase {
    const char *text;
    bool stripped;
    const char *after;
};

std::ostream &operator<<(std::ostream &os, const StripCase &c) {
    return os << '"' << c.text << '"';
}

class StripEnclosingPairTable : public ::testing::TestWithParam<StripCase> {};

TEST_P(StripEnclosingPairTable, StripEnclosingPair_removesOnlyAnEnclosingPair) {
    std::string_view text = GetParam().text;
    EXPECT_EQ(StripEnclosingPair(text), GetParam().stripped);
    EXPECT_EQ(text, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Cases, StripEnclosingPairTable,
                         ::testing::Values(StripCase{"((1))", true, "(1)"}, StripCase{"(1)", true, "1"},
                                           StripCase{"()", false, "()"},
                                           StripCase{"(1)+(2)", false, "(1)+(2)"},
                                           StripCase{"((1)", true, "(1"}, StripCase{"(1))", false, "(1))"},
                                           StripCase{"(1", false, "(1"}, StripCase{"1)", false, "1)"},
                                           StripCase{"((1)+(2))", true, "(1)+(2)"},
                                           StripCase{"", false, ""}));

struct SplitCase {
    const char *text;
    std::size_t position;
    OperatorCode code;
};

std::ostream &operator<<(std::ostream &os, const SplitCase &c) {
    return os << '"' << c.text << '"';
}

class FindSplitPointTable : public ::testing::TestWithParam<SplitCase> {};

TEST_P(FindSplitPointTable, FindSplitPoint_findsRightmostOperatorOfLowestLevel) {
    const SplitPoint split = FindSplitPoint(GetParam().text);
    EXPECT_EQ(split.code, GetParam().code);
    if (GetParam().code != OperatorCode::None) {
        EXPECT_EQ(split.position, GetParam().position);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindSplitPointTable,
    ::testing::Values(SplitCase{"5-3-1", 3, OperatorCode::Subtract}, SplitCase{"1+2*3", 1, OperatorCode::Add},
                      SplitCase{"1*2+3", 3, OperatorCode::Add}, SplitCase{"8/4*2", 3, OperatorCode::Multiply},
                      SplitCase{"2^3^2", 3, OperatorCode::Power},
                      SplitCase{"2*3^2", 1, OperatorCode::Multiply},
                      SplitCase{"2*-3", 1, OperatorCode::Multiply}, SplitCase{"2^-1", 1, OperatorCode::Power},
                      SplitCase{"2--3", 1, OperatorCode::Subtract},
                      SplitCase{"(1+2)*3", 5, OperatorCode::Multiply},
                      SplitCase{"1-(2-3)", 1, OperatorCode::Subtract}, SplitCase{"-5", 0, OperatorCode::None},
                      SplitCase{"1e-5", 0, OperatorCode::None}, SplitCase{"2E+3", 0, OperatorCode::None},
                      SplitCase{"*3", 0, OperatorCode::None}, SplitCase{"(1+2)", 0, OperatorCode::None},
                      SplitCase{"", 0, OperatorCode::None}, SplitCase{")1+2(", 2, OperatorCode::None}));

struct ValueCase {
    const char *text;
    long double value;
};

std::ostream &operator<<(std::ostream &os, const ValueCase &c) {
    return os << '"' << c.text << '"';
}

class EvaluateExpressionValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(EvaluateExpressionValue, EvaluateExpression_validExpression_givesValue) {
    const EvaluationResult result = EvaluateExpression(GetParam().text);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Precedence, EvaluateExpressionValue,
                         ::testing::Values(ValueCase{"2+3*4", 14}, ValueCase{"(2+3)*4", 20},
                                           ValueCase{"2*3+4", 10}, ValueCase{"2*3^2", 18},
                                           ValueCase{"2^3*2", 16}, ValueCase{"1e3/4", 250},
                                           ValueCase{"10/4", 2.5L}, ValueCase{"((7))", 7},
                                           ValueCase{"(1)+(2)", 3}, ValueCase{"(1+2)*(3+4)", 21},
                                           ValueCase{"2*(3+(4-1))", 12}, ValueCase{"0.1+0.2", 0.1L + 0.2L}));

INSTANTIATE_TEST_SUITE_P(Associativity, EvaluateExpressionValue,
                         ::testing::Values(ValueCase{"5-3-1", 1}, ValueCase{"8/4/2", 1},
                                           ValueCase{"2^3^2", 64}, ValueCase{"8/4*2", 4},
                                           ValueCase{"1-2+3", 2}, ValueCase{"2^2^-1", 0.25L}));

INSTANTIATE_TEST_SUITE_P(Signs, EvaluateExpressionValue,
                         ::testing::Values(ValueCase{"-5", -5}, ValueCase{"+5", 5}, ValueCase{"2*-3", -6},
                                           ValueCase{"2^-1", 0.5L}, ValueCase{"1e-5", 1e-5L},
                                           ValueCase{"2E+3", 2000}, ValueCase{"2--3", 5},
                                           ValueCase{"2-+3", -1}, ValueCase{"-2^2", 4},
                                           ValueCase{"(-2)^3", -8}, ValueCase{"2e-1*10", 2},
                                           ValueCase{" 2*3", 6}, ValueCase{"-1-1", -2}));

INSTANTIATE_TEST_SUITE_P(EdgeValues, EvaluateExpressionValue,
                         ::testing::Values(ValueCase{"0^0", 1}, ValueCase{"0^2", 0}, ValueCase{"4^0.5", 2},
                                           ValueCase{"1e9999+1",
                                                     std::numeric_limits<long double>::infinity()},
                                           ValueCase{"2^-20000", 0}, ValueCase{"1e-3000*1e-3000", 0},
                                           ValueCase{".", 0}, ValueCase{"5.*.5", 2.5L}));

class EvaluateExpressionFails : public ::testing::TestWithParam<const char *> {};

TEST_P(EvaluateExpressionFails, EvaluateExpression_badOrFaultyExpression_fails) {
    EXPECT_TRUE(EvaluateExpression(GetParam()).failed);
}

INSTANTIATE_TEST_SUITE_P(Arithmetic, EvaluateExpressionFails,
                         ::testing::Values("1/0", "0/0", "0^-1", "(-8)^(1/3)", "1e4000*1e4000", "1e4000^2",
                                           "2^1e10", "1e9999-1e9999", "1e9999*0", "(1-1)^(0-1)", "1e5000",
                                           "1+1e5000", "5/(2-2)"));

INSTANTIATE_TEST_SUITE_P(Syntax, EvaluateExpressionFails,
                         ::testing::Values("", "2+", "*3", "()", "-(2+3)", "--5", "2 * 3", "2 ", "1 000",
                                           "1,5", "abc", "(2", "2)", "2(3)", "(2)(3)", "2**3", "2^", "+",
                                           "1+()", "foot"));

TEST(EvaluateExpression, EvaluateExpression_badLeafBesideFault_stillFails) {
    // A bad leaf anywhere fails the whole expression, whatever the rest computes.
    EXPECT_TRUE(EvaluateExpression("1/0+x").failed);
    EXPECT_TRUE(EvaluateExpression("x+2*3").failed);
}

std::string repeat(const std::string &piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

TEST(EvaluateExpression, EvaluateExpression_longChainWithinLimits_isEvaluated) {
    const EvaluationResult result = EvaluateExpression(repeat("1+", 900) + "1");
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.value, 901);
    const EvaluationResult nested = EvaluateExpression(repeat("(", 1000) + "2" + repeat(")", 1000));
    EXPECT_FALSE(nested.failed);
    EXPECT_EQ(nested.value, 2);
    const EvaluationResult deeper = EvaluateExpression(repeat("(", 1001) + "2" + repeat(")", 1001));
    EXPECT_TRUE(deeper.failed);
    EXPECT_EQ(deeper.failure, ExpressionFailure::NestedTooDeep);
}

TEST(EvaluateExpression, EvaluateExpression_pathologicalInput_failsCleanly) {
    EXPECT_TRUE(EvaluateExpression(repeat("1+", 50000) + "1").failed); // 100,001 characters
    EXPECT_TRUE(EvaluateExpression(repeat("1+(", 3000) + "1" + repeat(")", 3000)).failed); // too deep
    EXPECT_TRUE(EvaluateExpression(repeat("2^(", 2000) + "1" + repeat(")", 2000)).failed);
    EXPECT_TRUE(EvaluateExpression(std::string(kMaxExpressionLength + 1, '1')).failed);
    EXPECT_FALSE(EvaluateExpression(std::string(kMaxExpressionLength, '0')).failed);
}

TEST(EvaluateExpression, EvaluateExpression_randomBytes_endInResultOrFailure) {
    std::mt19937 random(12345);
    const std::string alphabet = "0123456789+-*/^().eE ,x";
    for (int round = 0; round < 3000; ++round) {
        std::string text(random() % 40, ' ');
        for (char &c : text)
            c = round % 2 == 0 ? alphabet[random() % alphabet.size()] : static_cast<char>(random() % 256);
        const EvaluationResult result = EvaluateExpression(text);
        if (!result.failed) {
            EXPECT_FALSE(std::isnan(result.value)) << text;
        }
    }
}

} // namespace
} // namespace mensurio
