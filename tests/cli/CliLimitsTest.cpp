// SPDX-License-Identifier: MIT
// The longest expressions the command line takes, and what it answers beyond them.
#include "cli/CliFixture.h"
#include "core/engine/ExpressionTree.h"

#include <string>

using namespace mensurio;
using namespace mensurio::test;

namespace {

// kMaxExpressionLength characters of arithmetic with fewer than kMaxTreeDepth operators.
std::string LongestSum() {
    std::string text = "1." + std::string(kMaxExpressionLength - 2 - 900 * 11, '0');
    for (int i = 0; i < 900; ++i)
        text += "+1.00000000";
    return text;
}

} // namespace

TEST_F(CliTest, Convert_longestExpression_givesItsResult) {
    const auto r = runOnFixture({LongestSum(), "foot", "--to", "foot"});
    EXPECT_EQ(r.out, "901\n");
    EXPECT_EQ(r.status, 0);
}

TEST_F(CliTest, Convert_expressionsBeyondTheLimits_giveAMessage) {
    // Longer than the parsers take, nested deeper than they go, and a 100,000-character paste.
    const std::string deep =
        std::string(1500, '(') + "1" + std::string(1500, ')') + "+" + std::string(1200, '-') + "1";
    for (const std::string &text : {LongestSum() + "0", std::string(100000, '7'), deep}) {
        const auto r = runOnFixture({"--to", "inch", "--", text, "foot"});
        EXPECT_EQ(r.status, 1) << text.size();
        EXPECT_NE(r.out, "");
        EXPECT_EQ(r.err, "");
    }
}
