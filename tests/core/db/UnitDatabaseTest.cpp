// SPDX-License-Identifier: MIT
#include "core/db/UnitDatabase.h"

#include "support/TestDatabases.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace mensurio;

namespace {

// Length: meter, foot, inch; Mass: gram (hidden), pound; Area hidden with one unit.
UnitDatabase makeDb() {
    return mensurio::test::DatabaseOf(
        {{"Length",
          {{"meter", 1.0L},
           {"foot", 0.3048L, false, false, "meter"},
           {"inch", 0.0254L, true, false, "foot"}}},
         {"Mass", {{"gram", 1.0L, false, true}, {"pound", 453.59237L, false, false, "gram"}}},
         {"Area", {{"acre", 1.0L}}, true, true}});
}

std::vector<std::string> visibleCategories(UnitDatabase &db) {
    std::vector<std::string> out;
    for (db.FirstVisibleCategory(); db.HasVisibleCategory(); db.NextVisibleCategory())
        out.push_back(db.CategoryName());
    return out;
}

std::vector<std::string> unitNames(UnitDatabase &db, const std::string &category) {
    std::vector<std::string> out;
    db.SelectCategory(category);
    for (db.FirstUnit(); db.HasVisibleUnit(); db.NextVisibleUnit())
        out.push_back(db.UnitName());
    return out;
}

std::vector<int> defaultOrders(UnitDatabase &db, const std::string &category) {
    std::vector<int> out;
    db.SelectCategory(category);
    for (db.FirstUnit(); db.HasUnit(); db.NextUnit())
        out.push_back(db.UnitDefaultOrder());
    return out;
}

} // namespace

TEST(UnitDatabase, AddCategory_longName_isCutTo50AndFoundByLongText) {
    UnitDatabase db;
    const std::string longName(60, 'x');
    db.AddCategory(longName, false);
    EXPECT_EQ(db.CategoryName(), std::string(50, 'x'));
    EXPECT_TRUE(db.CategoryExists(longName));
}

TEST(UnitDatabase, Lookups_matchCaseAsDocumented) {
    UnitDatabase db = makeDb();
    EXPECT_TRUE(db.SelectCategory("length"));
    EXPECT_EQ(db.CategoryName(), "Length");
    EXPECT_EQ(db.UnitFactorOf("length", "meter"), 0.0L); // exact match only
    EXPECT_EQ(db.UnitFactorOf("Length", "foot"), 0.3048L);
    EXPECT_EQ(db.UnitOriginOf("Length", "furlong"), "Error!");
    EXPECT_EQ(db.UnitOriginOf("Length", "inch"), "foot");
    EXPECT_TRUE(db.UnitExists("LENGTH", "INCH"));
    EXPECT_FALSE(db.UnitExists("Volume", "liter"));
    EXPECT_TRUE(db.UnitNameTaken("Volume", "liter"));
    EXPECT_TRUE(db.UnitNameTaken("Length", "Foot"));
    EXPECT_FALSE(db.UnitNameTaken("Length", "yard"));
    EXPECT_EQ(db.UnitCount("length"), 3);
    EXPECT_EQ(db.UnitCount("nothing"), 0);
    EXPECT_FALSE(db.SelectCategory("nothing"));
    EXPECT_FALSE(db.HasCategory());
}

TEST(UnitDatabase, IsUnitHidden_hiddenCategoryOrMissingUnit_isTrue) {
    UnitDatabase db = makeDb();
    EXPECT_TRUE(db.IsUnitHidden("Area", "acre")); // visible unit, hidden category
    EXPECT_TRUE(db.IsUnitHidden("Mass", "gram")); // hidden unit
    EXPECT_FALSE(db.IsUnitHidden("Mass", "pound"));
    EXPECT_TRUE(db.IsUnitHidden("Mass", "stone")); // missing
}

TEST(UnitDatabase, IsCategoryShown_followsSkipHidden) {
    UnitDatabase db = makeDb();
    EXPECT_TRUE(db.IsCategoryShown("Area"));
    db.SkipHidden = true;
    EXPECT_FALSE(db.IsCategoryShown("area"));
    EXPECT_TRUE(db.IsCategoryShown("mass"));
    EXPECT_FALSE(db.IsCategoryShown("Volume"));
}

TEST(UnitDatabase, VisibleStepping_skipsHiddenOnlyWhenAsked) {
    UnitDatabase db = makeDb();
    EXPECT_EQ(visibleCategories(db), (std::vector<std::string>{"Length", "Mass", "Area"}));
    EXPECT_EQ(unitNames(db, "Mass"), (std::vector<std::string>{"gram", "pound"}));
    db.SkipHidden = true;
    EXPECT_EQ(visibleCategories(db), (std::vector<std::string>{"Length", "Mass"}));
    EXPECT_EQ(unitNames(db, "Mass"), (std::vector<std::string>{"pound"}));
}

TEST(UnitDatabase, FirstVisibleCategory_allHidden_unhidesTheFirst) {
    UnitDatabase db = makeDb();
    for (db.FirstCategory(); db.HasCategory(); db.NextCategory())
        db.SetCategoryHidden(true);
    db.SkipHidden = true;
    db.FirstVisibleCategory();
    ASSERT_TRUE(db.HasVisibleCategory());
    EXPECT_EQ(db.CategoryName(), "Length");
    EXPECT_FALSE(db.CategoryHidden());
    EXPECT_EQ(visibleCategories(db), (std::vector<std::string>{"Length"}));
}

TEST(UnitDatabase, UnitRing_wrapsWhileClosed) {
    UnitDatabase db = makeDb();
    db.SelectCategory("Length");
    db.FirstUnit();
    db.CloseUnitRing();
    std::vector<std::string> seen;
    for (int i = 0; i < 5; ++i, db.NextUnit())
        seen.push_back(db.UnitName());
    EXPECT_EQ(seen, (std::vector<std::string>{"meter", "foot", "inch", "meter", "foot"}));
    db.OpenUnitRing();
    db.NextUnit(); // inch
    db.NextUnit();
    EXPECT_FALSE(db.HasUnit());
}

TEST(UnitDatabase, DeleteUnit_renumbersLargerOrders) {
    UnitDatabase db;
    db.AddCategory("C", false);
    for (const char *n : {"a", "b", "c", "d"})
        db.AddUnit("C", n, "", 1.0L, false);
    db.DeleteUnit("C", "b");
    EXPECT_EQ(unitNames(db, "C"), (std::vector<std::string>{"a", "c", "d"}));
    EXPECT_EQ(defaultOrders(db, "C"), (std::vector<int>{1, 2, 3}));
    db.DeleteUnit("C", "missing");
    EXPECT_EQ(db.UnitCount("C"), 3);
}

TEST(UnitDatabase, CheckDefaultOrder_repairsDuplicatesKeepingListOrder) {
    UnitDatabase db;
    db.AppendCategoryRecord("C", false, false);
    const std::vector<std::pair<const char *, int>> units = {{"x", 5}, {"y", 9}, {"z", 5}};
    for (const auto &[name, order] : units)
        db.AppendUnitRecord("C", UnitRecord{name, "", 0, 0, 1.0L, order}, false);
    db.CheckDefaultOrder("C");
    EXPECT_EQ(unitNames(db, "C"), (std::vector<std::string>{"x", "y", "z"}));
    EXPECT_EQ(defaultOrders(db, "C"), (std::vector<int>{1, 3, 2}));
    // A valid order is left alone.
    db.CheckDefaultOrder("C");
    EXPECT_EQ(defaultOrders(db, "C"), (std::vector<int>{1, 3, 2}));
}

TEST(UnitDatabase, ModifyUnit_renamesOriginsInItsCategoryOnly) {
    UnitDatabase db = makeDb();
    db.AddCategory("Other", false);
    db.AddUnit("Other", "inch", "foot", 2.0L, false);
    db.ModifyUnit("Length", "foot", "international foot", "meter", 0.3048L, false);
    EXPECT_EQ(db.UnitOriginOf("Length", "inch"), "international foot");
    EXPECT_EQ(db.UnitOriginOf("Other", "inch"), "foot");
    EXPECT_EQ(db.UnitFactorOf("Length", "international foot"), 0.3048L);
}

TEST(UnitDatabase, SwapUnits_carriesDefaultOrderWithTheRecord) {
    UnitDatabase db = makeDb();
    db.SelectCategory("Length");
    db.FirstUnit();
    db.SwapUnits("inch");
    EXPECT_EQ(unitNames(db, "Length"), (std::vector<std::string>{"inch", "foot", "meter"}));
    db.BuildSortedByDefaultOrder("Length");
    std::vector<std::string> sorted;
    for (db.FirstSorted(); db.HasSorted(); db.NextSorted())
        sorted.push_back(db.SortedName());
    EXPECT_EQ(sorted, (std::vector<std::string>{"meter", "foot", "inch"}));
}

TEST(UnitDatabase, SortedView_isDetachedAndAlphabetical) {
    UnitDatabase db;
    db.AddCategory("C", false);
    for (const char *n : {"yard", "Foot", "inch", "fathom", "chain", "Inch2", "mile", "rod"})
        db.AddUnit("C", n, "", 1.0L, false);
    db.BuildSortedByName("c");
    std::vector<std::string> sorted;
    for (db.FirstSorted(); db.HasSorted(); db.NextSorted())
        sorted.push_back(db.SortedName());
    EXPECT_EQ(sorted,
              (std::vector<std::string>{"chain", "fathom", "Foot", "inch", "Inch2", "mile", "rod", "yard"}));
    db.FirstSorted();
    db.SetSortedHidden(true);
    EXPECT_TRUE(db.SortedHidden());
    EXPECT_FALSE(db.IsUnitHidden("C", "chain"));
}

TEST(UnitDatabase, SortCategoriesByName_isCaseInsensitiveAndPrefixFirst) {
    UnitDatabase db;
    for (const char *n : {"mass", "Length", "Area2", "cubic", "Area"})
        db.AddCategory(n, false);
    db.AddUnit("Length", "meter", "", 1.0L, false);
    db.SortCategoriesByName();
    std::vector<std::string> names;
    for (db.FirstCategory(); db.HasCategory(); db.NextCategory())
        names.push_back(db.CategoryName());
    EXPECT_EQ(names, (std::vector<std::string>{"Area", "Area2", "cubic", "Length", "mass"}));
    EXPECT_EQ(db.UnitCount("Length"), 1); // units travel with their category
}

TEST(UnitDatabase, DeleteCategory_leavesCursorOnLast) {
    UnitDatabase db = makeDb();
    db.DeleteCategory("Length");
    EXPECT_EQ(db.CategoryName(), "Area");
    db.DeleteCategory("Mass");
    db.DeleteCategory("Area");
    EXPECT_FALSE(db.HasCategory());
    db.FirstCategory();
    EXPECT_FALSE(db.HasCategory());
}

TEST(UnitDatabase, RenameCategory_needsExactOldName) {
    UnitDatabase db = makeDb();
    db.RenameCategory("length", "Distance");
    EXPECT_FALSE(db.CategoryExists("Distance"));
    db.RenameCategory("Length", "Distance");
    EXPECT_TRUE(db.CategoryExists("Distance"));
}

TEST(UnitDatabase, Clear_removesEverything) {
    UnitDatabase db = makeDb();
    db.BuildSortedByName("Length");
    db.Clear();
    db.FirstCategory();
    EXPECT_FALSE(db.HasCategory());
    EXPECT_FALSE(db.HasSorted());
    EXPECT_FALSE(db.HasUnit());
}

struct SimplifyCase {
    std::string in;
    std::string out;
};

class SimplifyNameTest : public ::testing::TestWithParam<SimplifyCase> {};

TEST_P(SimplifyNameTest, rewritesSuperscriptsAndDegrees) {
    EXPECT_EQ(UnitDatabase::SimplifyName(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Names, SimplifyNameTest,
                         ::testing::Values(SimplifyCase{"BTU-inch/hour-foot\xB2-\xB0"
                                                        "F",
                                                        "BTU-inch/hour-square foot-degree F"},
                                           SimplifyCase{"gram/meter\xB3", "gram/cubic meter"},
                                           SimplifyCase{"gigabyte (10^9 bytes)", "gigabyte (1E9 bytes)"},
                                           SimplifyCase{"\xB2x", "square x"},
                                           SimplifyCase{"meter^2", "meter^2"},
                                           SimplifyCase{"meter\xB2", "square meter"},
                                           SimplifyCase{"kilometer/second\xB2", "kilometer/square second"},
                                           SimplifyCase{"15.5\xB0"
                                                        "C",
                                                        "15.5 degrees C"},
                                           SimplifyCase{"-\xB0"
                                                        "F",
                                                        "-degree F"},
                                           SimplifyCase{"1\xB0 and \xB0", "1 degrees  and  degrees "},
                                           SimplifyCase{"m\xB2/s\xB2", "square m/square s"}));

TEST(UnitDatabase, SimplifyNames_keepsReferencesAndCutsTo50) {
    UnitDatabase db;
    db.AddCategory("Area", false);
    const std::string longName = std::string(48, 'a') + "\xB2";
    db.AddUnit("Area", "meter\xB2", "", 1.0L, false);
    db.AddUnit("Area", longName, "meter\xB2", 2.0L, false);
    db.SimplifyNames();
    EXPECT_EQ(db.UnitOriginOf("Area", std::string("square ") + std::string(43, 'a')), "square meter");
    EXPECT_EQ(db.CategoryName(), "Area");
}
