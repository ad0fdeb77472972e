// SPDX-License-Identifier: MIT
// The tree limit counts nesting, not the operands of a flat sum.
#include "core/engine/ExpressionTree.h"
#include "core/engine/UnitExpression.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mensurio {
namespace {

std::string repeat(const std::string &piece, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += piece;
    return text;
}

const std::vector<KnownUnit> kLength = {{"foot", 0.3048L, false}, {"inch", 0.0254L, false}};

TEST(ExpressionDepth, EvaluateExpression_flatSumUpToLengthLimit_isEvaluated) {
    for (const std::size_t terms : {1001U, 1002U, 3000U, 5000U}) {
        const EvaluationResult result = EvaluateExpression(repeat("1+", terms - 1) + "1");
        EXPECT_FALSE(result.failed) << terms;
        EXPECT_EQ(result.value, static_cast<long double>(terms)) << terms;
    }
    const EvaluationResult products = EvaluateExpression(repeat("2*3+", 2000) + "1");
    EXPECT_FALSE(products.failed);
    EXPECT_EQ(products.value, 12001);
}

TEST(ExpressionDepth, ParseUnitExpression_flatSumOfUnits_isEvaluated) {
    const UnitExpressionResult feet =
        ParseUnitExpression(repeat("1 foot+", 1099) + "1 foot", kLength, false, true);
    EXPECT_EQ(feet.code, 0);
    EXPECT_NEAR(static_cast<double>(feet.total), 1100 * 0.3048, 1e-9);
    const UnitExpressionResult plain = ParseUnitExpression(repeat("1+", 1001) + "1", kLength, false, false);
    EXPECT_EQ(plain.code, 0);
    EXPECT_EQ(plain.total, 1002);
    const UnitExpressionResult mixed =
        ParseUnitExpression(repeat("foot+inch+", 990) + "foot", kLength, false, true);
    EXPECT_EQ(mixed.code, 0);
    EXPECT_EQ(mixed.terms.size(), 1981U);
}

TEST(ExpressionDepth, Parsers_deeplyNestedInput_failCleanly) {
    EXPECT_TRUE(EvaluateExpression(repeat("1+(", 1500) + "1" + repeat(")", 1500)).failed);
    EXPECT_TRUE(EvaluateExpression(repeat("2^(", 2000) + "1" + repeat(")", 2000)).failed);
    EXPECT_EQ(
        ParseUnitExpression(repeat("foot+(", 1200) + "inch" + repeat(")", 1200), kLength, false, false).code,
        kUnitCodeNestedTooDeep);
    EXPECT_EQ(ParseUnitExpression(repeat("-(", 3000) + "1" + repeat(")", 3000), kLength, false, false).code,
              kUnitCodeNestedTooDeep);
    // Nesting just within the limit still evaluates.
    EXPECT_FALSE(EvaluateExpression(repeat("1+(", 900) + "1" + repeat(")", 900)).failed);
}

// Every form of nesting meets the same limit: 1,000 levels evaluate, 1,001 are refused as too deep.
TEST(ExpressionDepth, Parsers_everyFormOfNesting_meetsOneLimit) {
    // The plain parse takes no sign before a parenthesis; the unit-aware one reads "-(" as "-1*(".
    for (const std::string opening : {"(", "(1+", "1+(", "1^(", "2*(", "(2)*(", "-("}) {
        for (const int levels : {kMaxTreeDepth, kMaxTreeDepth + 1}) {
            const std::string text = repeat(opening, static_cast<std::size_t>(levels)) + "1" +
                                     repeat(")", static_cast<std::size_t>(levels));
            const bool tooDeep = levels > kMaxTreeDepth;
            const EvaluationResult plain = EvaluateExpression(text);
            if (opening != "-(" || tooDeep) {
                EXPECT_EQ(plain.failed, tooDeep) << opening << " x" << levels;
                EXPECT_EQ(plain.failure, tooDeep ? ExpressionFailure::NestedTooDeep : ExpressionFailure::None)
                    << opening << " x" << levels;
            }
            const UnitExpressionResult units = ParseUnitExpression(text, kLength, false, false);
            EXPECT_EQ(units.code, tooDeep ? kUnitCodeNestedTooDeep : 0) << opening << " x" << levels;
        }
    }
    EXPECT_EQ(UnitExpressionMessage(kUnitCodeNestedTooDeep), "expression nested more than 1,000 levels deep");
    EXPECT_EQ(UnitExpressionMessage(kUnitCodeTooLong), "input longer than 10,000 characters");
    EXPECT_EQ(UnitExpressionMessage(kUnitCodeTooLarge), "result too large");
}

} // namespace
} // namespace mensurio
