// SPDX-License-Identifier: MIT
#include "core/custom/CustomCategories.h"

#include "core/custom/CustomTexts.h"
#include "core/db/UnitDatabase.h"

#include "support/TestDatabases.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace mensurio;

namespace {

using Names = std::vector<std::string>;

class CustomCategoriesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        db = test::DatabaseOf(
            {{"Length", {{"meter", 1.0L}}},
             {"Fuel", {{"tank", 1.0L, true, true}, {"can", 0.1L, true, false, "tank"}}, true},
             {"apples", {}, true}});
    }

    Names AllCategories() {
        Names names;
        for (db.FirstCategory(); db.HasCategory(); db.NextCategory())
            names.push_back(db.CategoryName());
        return names;
    }

    UnitDatabase db;
    CustomCategories categories{db};
};

TEST_F(CustomCategoriesTest, Names_onlyCustomOnes_sorted) {
    EXPECT_EQ(categories.Names(), (Names{"apples", "Fuel"}));
}

TEST_F(CustomCategoriesTest, UnitCountText_countsHiddenUnits) {
    EXPECT_EQ(categories.UnitCountText("Fuel"), "The selected category contains 2 units.");
    EXPECT_EQ(categories.UnitCountText("apples"), "The selected category contains 0 units.");
}

TEST_F(CustomCategoriesTest, Add_appendsAnEmptyCustomCategoryLast) {
    ASSERT_TRUE(categories.Add("Game money").done);
    EXPECT_EQ(AllCategories(), (Names{"Length", "Fuel", "apples", "Game money"}));
    EXPECT_EQ(db.UnitCount("Game money"), 0);
    db.SelectCategory("Game money");
    EXPECT_TRUE(db.CategoryCustom());
    EXPECT_FALSE(db.CategoryHidden());
}

TEST_F(CustomCategoriesTest, Add_sixtyCharacters_storedAsFifty) {
    ASSERT_TRUE(categories.Add(std::string(60, 'q')).done);
    EXPECT_EQ(categories.LastStoredName(), std::string(50, 'q'));
    EXPECT_EQ(categories.Names().back(), std::string(50, 'q'));
    ASSERT_TRUE(categories.Add(std::string(10000, 'z')).done); // a pasted page
    EXPECT_EQ(categories.LastStoredName(), std::string(50, 'z'));
    // The check compares the first 50 characters too.
    EXPECT_EQ(categories.Add(std::string(50, 'Q') + "different").message, CustomTexts::CategoryNameTaken);
}

TEST_F(CustomCategoriesTest, Add_refusals) {
    const std::pair<const char *, const char *> cases[] = {{"Length", CustomTexts::CategoryNameTaken},
                                                           {"LENGTH", CustomTexts::CategoryNameTaken},
                                                           {"fuel", CustomTexts::CategoryNameTaken},
                                                           {"  ", CustomTexts::BlankCategoryName},
                                                           {"Category", CustomTexts::ReservedCategoryName}};
    for (const auto &[name, message] : cases)
        EXPECT_EQ(categories.Add(name).message, message) << name;
    EXPECT_EQ(AllCategories().size(), 3u);
}

TEST_F(CustomCategoriesTest, Rename_caseOnlyAccepted_otherCategoryRefused) {
    EXPECT_EQ(categories.Rename("Fuel", "length").message, CustomTexts::CategoryNameTaken);
    ASSERT_TRUE(categories.Rename("Fuel", "FUEL").done);
    EXPECT_EQ(categories.Names(), (Names{"apples", "FUEL"}));
    ASSERT_TRUE(categories.Rename("FUEL", "Petrol").done);
    EXPECT_EQ(db.UnitCount("Petrol"), 2);
    EXPECT_EQ(categories.LastStoredName(), "Petrol");
}

TEST_F(CustomCategoriesTest, Remove_takesItsUnitsAlong) {
    categories.Remove("Fuel");
    EXPECT_EQ(AllCategories(), (Names{"Length", "apples"}));
    EXPECT_FALSE(db.UnitExists("Fuel", "tank"));
}

} // namespace
