// SPDX-License-Identifier: MIT
#include "core/tips/Tips.h"

#include <gtest/gtest.h>

#include <set>

namespace mensurio {
namespace {

TEST(TipsOfTheDay, everyTipIsOneDistinctReadableParagraph) {
    const auto &tips = TipsOfTheDay();
    ASSERT_GE(tips.size(), 10u);
    std::set<std::string> seen;
    for (const std::string &tip : tips) {
        EXPECT_TRUE(seen.insert(tip).second) << "repeated: " << tip;
        EXPECT_GE(tip.size(), 20u) << tip;
        EXPECT_LE(tip.size(), 240u) << "too long for the dialog: " << tip;
        EXPECT_NE(tip.front(), ' ') << tip;
        EXPECT_NE(tip.back(), ' ') << tip;
        EXPECT_EQ(tip.find("  "), std::string::npos) << "double space: " << tip;
        for (unsigned char c : tip)
            EXPECT_GE(c, 32u) << "control character in: " << tip;
    }
}

TEST(TipNavigation, nextAndPreviousWrapAround) {
    const struct {
        std::size_t index;
        std::size_t count;
        std::size_t next;
        std::size_t previous;
    } cases[] = {
        {0, 5, 1, 4}, {4, 5, 0, 3}, {2, 5, 3, 1}, {0, 1, 0, 0}, {0, 0, 0, 0}, {7, 5, 3, 1}, // out of range
    };
    for (const auto &c : cases) {
        EXPECT_EQ(NextTip(c.index, c.count), c.next) << c.index << " of " << c.count;
        EXPECT_EQ(PreviousTip(c.index, c.count), c.previous) << c.index << " of " << c.count;
    }
}

} // namespace
} // namespace mensurio
