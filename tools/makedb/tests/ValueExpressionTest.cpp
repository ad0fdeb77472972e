// SPDX-License-Identifier: MIT
#include "tools/makedb/ValueExpression.h"

#include <gtest/gtest.h>

#include <quadmath.h>

#include <cmath>
#include <ostream>
#include <string>

namespace mensurio {
namespace {

using Quad = __float128;

Quad Decimal(const char *text) {
    return strtoflt128(text, nullptr);
}

struct ValueCase {
    const char *Expression;
    const char *Exact; // the exact value, 45 significant digits
};

// Each result, rounded to 80 bits, must be the correctly rounded exact value: the
// evaluation keeps far more than 64 significant bits through every step.
void PrintTo(const ValueCase &value, std::ostream *out) {
    *out << value.Expression;
}

class EvaluatePrecision : public testing::TestWithParam<ValueCase> {};

TEST_P(EvaluatePrecision, Evaluate_exactDefinition_roundsOnceToNearest80BitValue) {
    Quad value = 0;
    std::string error;
    ASSERT_TRUE(ValueExpression::Evaluate(GetParam().Expression, value, error)) << error;
    const Quad exact = Decimal(GetParam().Exact);
    EXPECT_LT(fabsq(value - exact), fabsq(exact) * Quad(1e-30L)) << GetParam().Expression;
    const long double rounded = static_cast<long double>(value);
    const long double below = std::nextafter(rounded, -INFINITY);
    const long double above = std::nextafter(rounded, INFINITY);
    EXPECT_LE(fabsq(Quad(rounded) - exact), fabsq(Quad(below) - exact));
    EXPECT_LE(fabsq(Quad(rounded) - exact), fabsq(Quad(above) - exact));
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, EvaluatePrecision,
    testing::Values(
        ValueCase{"1/3", "0.333333333333333333333333333333333333333333333"},
        ValueCase{"231*2.54^3/1000", "3.785411784"}, ValueCase{"0.45359237*7000", "3175.14659"},
        ValueCase{"0.45359237*9.80665/0.0254^2", "6894.75729316836133672267344534689069378138756"},
        ValueCase{"1/12*0.3048", "0.0254"}, ValueCase{"1e-3", "0.001"},
        ValueCase{"6.02214076e23", "602214076000000000000000"}, ValueCase{"10^-3", "0.001"},
        ValueCase{"2^(-2)", "0.25"}, ValueCase{"-(2 - 5) * .5", "1.5"}, ValueCase{"-2^2", "-4"},
        ValueCase{"1.602176634e-19/6.62607015e-34", "241798924208491.816223829142527264067676675593"},
        ValueCase{"4.184*(453.59237/1.8)", "1054.35026448888888888888888888888888888888889"},
        ValueCase{"3 - 2 - 1 + 1e0", "1"}, ValueCase{"12/4/3", "1"}));

struct MalformedCase {
    const char *Expression;
    const char *Reason;
};

void PrintTo(const MalformedCase &value, std::ostream *out) {
    *out << '"' << value.Expression << '"';
}

class EvaluateMalformed : public testing::TestWithParam<MalformedCase> {};

TEST_P(EvaluateMalformed, Evaluate_malformedText_failsWithReason) {
    Quad value = 0;
    std::string error;
    EXPECT_FALSE(ValueExpression::Evaluate(GetParam().Expression, value, error)) << GetParam().Expression;
    EXPECT_NE(error.find(GetParam().Reason), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, EvaluateMalformed,
    testing::Values(MalformedCase{"", "expected a number"}, MalformedCase{"abc", "expected a number"},
                    MalformedCase{"1/0", "division by zero"}, MalformedCase{"1/(2-2)", "division by zero"},
                    MalformedCase{"0^-1", "division by zero"}, MalformedCase{"2^0.5", "unexpected '.'"},
                    MalformedCase{"2^x", "whole-number exponent"},
                    MalformedCase{"10^99999", "exponent too large"}, MalformedCase{"1e5000", "out of range"},
                    MalformedCase{"1e4000*1e4000", "overflow"}, MalformedCase{"10^4000*10^4000", "overflow"},
                    MalformedCase{"(1+2", "expected ')'"}, MalformedCase{"1+2)", "unexpected ')'"},
                    MalformedCase{"1 2", "unexpected '2'"}, MalformedCase{"1..2", "unexpected '.'"},
                    MalformedCase{"1e", "malformed exponent"}, MalformedCase{"3,5", "unexpected ','"},
                    MalformedCase{"1*", "expected a number"}));

TEST(ValueExpression, Evaluate_deepNesting_failsInsteadOfExhaustingTheStack) {
    const std::string deep = std::string(100000, '(') + "1" + std::string(100000, ')');
    const std::string signs = std::string(100000, '-') + "1";
    Quad value = 0;
    std::string error;
    EXPECT_FALSE(ValueExpression::Evaluate(deep, value, error));
    EXPECT_FALSE(ValueExpression::Evaluate(signs, value, error));
    EXPECT_NE(error.find("nested too deeply"), std::string::npos) << error;
}

TEST(ValueExpression, Evaluate_errorPosition_pointsAtTheFault) {
    Quad value = 0;
    std::string error;
    ASSERT_FALSE(ValueExpression::Evaluate("2 * (3 + ", value, error));
    EXPECT_NE(error.find("position 10"), std::string::npos) << error;
}

} // namespace
} // namespace mensurio
