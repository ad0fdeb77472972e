// SPDX-License-Identifier: MIT
// A sign before a parenthesised group binds to that group, wherever a sign may stand.
#include "core/engine/UnitExpression.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace mensurio {
namespace {

constexpr long double kFoot = 0.3048L;
constexpr long double kInch = 0.0254L;

const std::vector<KnownUnit> kLength = {{"foot", kFoot, false}, {"inch", kInch, false}};

UnitExpressionResult parse(const std::string &text) {
    return ParseUnitExpression(text, kLength, false, false);
}

struct SignCase {
    const char *signOutside; // a sign before a parenthesised group
    const char *signInside;  // the same expression with the sign moved inside the group
};

std::ostream &operator<<(std::ostream &os, const SignCase &c) {
    return os << '"' << c.signOutside << '"';
}

class SignedGroup : public ::testing::TestWithParam<SignCase> {};

TEST_P(SignedGroup, ParseUnitExpression_signBeforeGroup_equalsSignInsideGroup) {
    const UnitExpressionResult outside = parse(GetParam().signOutside);
    const UnitExpressionResult inside = parse(GetParam().signInside);
    ASSERT_EQ(inside.code, 0);
    EXPECT_EQ(outside.code, 0);
    EXPECT_EQ(outside.hasUnits, inside.hasUnits);
    EXPECT_EQ(outside.total, inside.total);
}

INSTANTIATE_TEST_SUITE_P(AfterOperators, SignedGroup,
                         ::testing::Values(SignCase{"8/-(2)", "8/(-2)"}, SignCase{"10/-(5)", "10/(-5)"},
                                           SignCase{"8/+(2)", "8/(+2)"}, SignCase{"2^-(2)", "2^(-2)"},
                                           SignCase{"2^+(2)", "2^(+2)"}, SignCase{"8*-(2)^2", "8*(-2)^2"},
                                           SignCase{"-(2)^2", "(-2)^2"}, SignCase{"3--(2)^2", "3-(-2)^2"},
                                           SignCase{"(-(2))", "((-2))"}, SignCase{"8/-(1+1)", "8/(-1-1)"},
                                           SignCase{"8/-(-(2))", "8/((2))"},
                                           SignCase{"8 / - ( 2 )", "8/(-2)"},
                                           SignCase{"10 foot/-(2)", "10 foot/(-2)"},
                                           SignCase{"10 foot/-(2)*3", "10 foot/(-2)*3"},
                                           SignCase{"-(3 foot)", "(-3 foot)"},
                                           SignCase{"1 foot + 2 foot/-(2)", "1 foot + 2 foot/(-2)"}));

TEST(SignedGroup, ParseUnitExpression_signedGroupAfterDivision_givesExpectedValues) {
    EXPECT_EQ(parse("8/-(2)").total, -4);
    EXPECT_EQ(parse("10/-(5)").total, -2);
    EXPECT_EQ(parse("8/+(2)").total, 4);
    EXPECT_EQ(parse("2^-(2)").total, 0.25L);
    EXPECT_EQ(parse("10 foot/-(2)").total, -5 * kFoot);
}

TEST(SignedGroup, ParseUnitExpression_operatorBeforeGroup_keepsItsRuleCode) {
    // A '-' after a unit is an operator: a sum of different units scaled by -1 stays refused.
    EXPECT_EQ(parse("foot - (2 inch - 3 foot)").code, 60);
    EXPECT_EQ(parse("5-(2)").total, 3);
    EXPECT_EQ(parse("-(2+3)").total, -5);
    EXPECT_EQ(parse("8/-(2").code, 100); // no closing parenthesis: still invalid
}

} // namespace
} // namespace mensurio
