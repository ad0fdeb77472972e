// SPDX-License-Identifier: MIT
#include "core/manage/ManageLists.h"

#include "support/TestDatabases.h"

#include <gtest/gtest.h>

#include <string>

using namespace mensurio;

namespace {

// Length: meter, kilometer, foot, inch (hidden); Mass (hidden): kilogram, gram; Area: acre.
UnitDatabase makeDb() {
    return test::DatabaseOf({{"Length", {{"meter"}, {"kilometer"}, {"foot"}, {"inch", 1.0L, false, true}}},
                             {"Mass", {{"kilogram"}, {"gram", 0.001L}}, false, true},
                             {"Area", {{"acre"}}}});
}

bool byteLess(const std::string &a, const std::string &b) {
    return UnitDatabase::NameLess(a, b);
}

} // namespace

TEST(ManageListsTest, ItemsAndCounts_mirrorTheDatabase) {
    UnitDatabase db = makeDb();
    EXPECT_EQ(ManageLists::CategoryItems(db),
              (CheckItems{{"Length", true}, {"Mass", false}, {"Area", true}}));
    EXPECT_EQ(ManageLists::UnitItems(db, "Length"),
              (CheckItems{{"meter", true}, {"kilometer", true}, {"foot", true}, {"inch", false}}));
    EXPECT_TRUE(ManageLists::UnitItems(db, "Nowhere").empty());
    EXPECT_EQ(ManageLists::CountUnits(db, "Length"), (UnitCounts{4, 3}));
    EXPECT_EQ(ManageLists::UnitsVisibleText({12, 10}), "Units/Visible    12/10");
}

TEST(ManageListsTest, AcceptCategories_writesOrderAndVisibility) {
    UnitDatabase db = makeDb();
    ASSERT_TRUE(ManageLists::AcceptCategories(db, {{"Area", false}, {"Length", true}, {"Mass", true}}));
    EXPECT_EQ(ManageLists::CategoryItems(db),
              (CheckItems{{"Area", false}, {"Length", true}, {"Mass", true}}));
    db.SelectCategory("Length");
    db.FirstUnit();
    EXPECT_EQ(db.UnitName(), "meter"); // units travel with their category
}

TEST(ManageListsTest, AcceptCategories_noneTicked_refusedAndUnchanged) {
    UnitDatabase db = makeDb();
    const CheckItems before = ManageLists::CategoryItems(db);
    EXPECT_FALSE(ManageLists::AcceptCategories(db, {{"Area", false}, {"Length", false}, {"Mass", false}}));
    EXPECT_EQ(ManageLists::CategoryItems(db), before);
}

TEST(ManageListsTest, AcceptCategories_staleName_hidesNothingElse) {
    UnitDatabase db = makeDb();
    ASSERT_TRUE(ManageLists::AcceptCategories(db, {{"Gone", false}, {"Length", true}}));
    const CheckItems after = ManageLists::CategoryItems(db);
    EXPECT_EQ(after[0], (CheckItem{"Length", true}));
    EXPECT_EQ(after[1], (CheckItem{"Mass", false}));
}

TEST(ManageListsTest, AcceptUnits_writesOrderVisibilityAndKeepsDefaultOrder) {
    UnitDatabase db = makeDb();
    const UnitCounts counts = ManageLists::AcceptUnits(
        db, "Length", {{"inch", true}, {"foot", false}, {"meter", false}, {"kilometer", false}});
    EXPECT_EQ(counts, (UnitCounts{4, 1}));
    EXPECT_EQ(ManageLists::UnitItems(db, "Length"),
              (CheckItems{{"inch", true}, {"foot", false}, {"meter", false}, {"kilometer", false}}));
    // Default order still lists them as they were created.
    EXPECT_EQ(ManageLists::OrderUnits(db, "Length", ManageLists::UnitItems(db, "Length"),
                                      ManageLists::UnitOrder::Default),
              (CheckItems{{"meter", false}, {"kilometer", false}, {"foot", false}, {"inch", true}}));
}

TEST(ManageListsTest, OrderUnits_keepsPendingMarksAndLeavesDatabase) {
    UnitDatabase db = makeDb();
    const CheckItems pending{{"foot", false}, {"inch", true}, {"meter", true}, {"kilometer", true}};
    const CheckItems alphabetical =
        ManageLists::OrderUnits(db, "Length", pending, ManageLists::UnitOrder::Alphabetical);
    EXPECT_EQ(alphabetical,
              (CheckItems{{"foot", false}, {"inch", true}, {"kilometer", true}, {"meter", true}}));
    EXPECT_EQ(ManageLists::OrderUnits(db, "Length", alphabetical, ManageLists::UnitOrder::Default),
              (CheckItems{{"meter", true}, {"kilometer", true}, {"foot", false}, {"inch", true}}));
    EXPECT_EQ(ManageLists::UnitItems(db, "Length"),
              (CheckItems{{"meter", true}, {"kilometer", true}, {"foot", true}, {"inch", false}}));
}

TEST(ManageListsTest, TickCommandsAndSort) {
    const CheckItems start{{"b", true}, {"A", false}, {"c", true}};
    const struct {
        ManageLists::TickCommand command;
        CheckItems expected;
    } cases[] = {
        {ManageLists::TickCommand::All, {{"b", true}, {"A", true}, {"c", true}}},
        {ManageLists::TickCommand::None, {{"b", false}, {"A", false}, {"c", false}}},
        {ManageLists::TickCommand::Invert, {{"b", false}, {"A", true}, {"c", false}}},
    };
    for (const auto &c : cases) {
        CheckItems items = start;
        ManageLists::ApplyTicks(items, c.command);
        EXPECT_EQ(items, c.expected);
    }
    CheckItems sorted = start;
    ManageLists::SortByName(sorted, byteLess);
    EXPECT_EQ(sorted, (CheckItems{{"A", false}, {"b", true}, {"c", true}}));
}
