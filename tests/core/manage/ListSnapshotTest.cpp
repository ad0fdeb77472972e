// SPDX-License-Identifier: MIT
#include "core/manage/ListSnapshot.h"

#include "core/db/UnitDatabase.h"

#include <gtest/gtest.h>

#include <string>

using namespace mensurio;

namespace {

bool byteLess(const std::string &a, const std::string &b) {
    return UnitDatabase::NameLess(a, b);
}

} // namespace

TEST(ListSnapshotTest, Restore_keepsPendingOrderAndMarks) {
    const CheckItems snapshot{{"Area", false}, {"Length", true}, {"Mass", true}};
    const struct {
        const char *what;
        CheckItems fresh;
        CheckItems expected;
    } cases[] = {
        {"unchanged database",
         {{"Length", true}, {"Mass", false}, {"Area", true}},
         {{"Area", false}, {"Length", true}, {"Mass", true}}},
        {"a new category follows, with its database mark",
         {{"Length", true}, {"Mass", false}, {"Area", true}, {"New", true}},
         {{"Area", false}, {"Length", true}, {"Mass", true}, {"New", true}}},
        {"a removed category is dropped",
         {{"Length", true}, {"Area", true}},
         {{"Area", false}, {"Length", true}}},
        {"a renamed hidden category keeps its database mark",
         {{"Length", true}, {"Weight", false}, {"Area", true}},
         {{"Area", false}, {"Length", true}, {"Weight", false}}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ListSnapshot::Restore(snapshot, c.fresh), c.expected) << c.what;
}

TEST(ListSnapshotTest, Restore_sorted_takesSnapshotMarksOnly) {
    const CheckItems snapshot{{"Mass", true}, {"Length", false}};
    const CheckItems fresh{{"Length", true}, {"Mass", false}, {"Area", true}};
    EXPECT_EQ(ListSnapshot::Restore(snapshot, fresh, byteLess),
              (CheckItems{{"Area", true}, {"Length", false}, {"Mass", true}}));
}

TEST(ListSnapshotTest, Restore_duplicateNames_matchedInTurn) {
    const CheckItems snapshot{{"x", false}, {"y", true}, {"x", true}};
    const CheckItems fresh{{"x", true}, {"x", true}, {"y", true}};
    EXPECT_EQ(ListSnapshot::Restore(snapshot, fresh), snapshot);
}
