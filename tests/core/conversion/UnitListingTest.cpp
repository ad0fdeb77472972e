// SPDX-License-Identifier: MIT
#include "ConversionFixture.h"

#include "core/engine/UnitListing.h"

namespace mensurio::testing {
namespace {

std::vector<std::string> Names(const std::vector<UnitRecord> &rows) {
    std::vector<std::string> names;
    for (const UnitRecord &row : rows)
        names.push_back(row.Name);
    return names;
}

class UnitListingTest : public ::testing::Test {
  protected:
    UnitListingTest() {
        m_db.AddCategory("Mixed", false);
        for (const char *name : {"beta", "Alpha", "gamma", "alpha", "Delta"})
            m_db.AddUnit("Mixed", name, "", 1, false);
        m_db.SelectCategory("Mixed");
        m_db.FirstUnit();
        m_db.NextUnit();
        m_db.NextUnit();
        m_db.SetUnitHidden(true); // gamma
    }
    UnitDatabase m_db;
};

TEST_F(UnitListingTest, ListCategoryUnits_listOrderSkipsHiddenUnlessShown) {
    EXPECT_EQ(Names(ListCategoryUnits(m_db, "Mixed", {})),
              (std::vector<std::string>{"beta", "Alpha", "alpha", "Delta"}));
    EXPECT_EQ(Names(ListCategoryUnits(m_db, "Mixed", {.showHidden = true})),
              (std::vector<std::string>{"beta", "Alpha", "gamma", "alpha", "Delta"}));
}

TEST_F(UnitListingTest, ListCategoryUnits_sortedIgnoresCaseAndKeepsListOrderOfEqualNames) {
    EXPECT_EQ(Names(ListCategoryUnits(m_db, "mixed", {.sortByName = true, .showHidden = true})),
              (std::vector<std::string>{"Alpha", "alpha", "beta", "Delta", "gamma"}));
}

TEST_F(UnitListingTest, ListCategoryUnits_unknownCategory_isEmptyAndCursorsStay) {
    m_db.SelectCategory("Mixed");
    m_db.FirstUnit();
    m_db.NextUnit();
    EXPECT_TRUE(ListCategoryUnits(m_db, "Nothing", {}).empty());
    ListCategoryUnits(m_db, "Mixed", {.sortByName = true});
    EXPECT_EQ(m_db.UnitName(), "Alpha");
}

} // namespace
} // namespace mensurio::testing
