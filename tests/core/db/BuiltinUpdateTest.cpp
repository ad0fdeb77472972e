// SPDX-License-Identifier: MIT
#include "core/db/BuiltinUpdate.h"

#include "core/db/DatabaseFile.h"
#include "core/db/UnitDatabase.h"

#include "support/TestDatabases.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mensurio {
namespace {

using test::AddTestCategory;
using test::CategoryOf;
using test::DatabaseOf;
using test::UnitNamesOf;
using test::UnitOf;

// A small history: version 2 brought "Pace" and "hand", version 3 "span" and replaced "old mile".
const BuiltinHistoryEntry kHistory[] = {
    {"Pace", "", "", 2},
    {"Length", "hand", "", 2},
    {"Length", "span", "", 3},
    {"Length", "mile", "old mile", 3},
};

UnitDatabase Shipped() {
    return DatabaseOf(
        {{"Length",
          {{"meter", 1}, {"foot", 0.3048L}, {"hand", 0.1016L}, {"span", 0.2286L}, {"mile", 1609.344L}}},
         {"Pace", {{"second/meter", 1}, {"minute/kilometer", 0.06L}}}});
}

// The user's database as the first data left it, with their own units and flags.
UnitDatabase FirstDataUser() {
    return DatabaseOf(
        {{"Length",
          {{"meter", 1}, {"foot", 0.3048L, false, true}, {"old mile", 1609.3L}, {"stride", 0.75L, true}}},
         {"Garden", {{"bed", 1, true}}, true}});
}

TEST(BuiltinUpdate, Apply_fromTheFirstData_addsEverythingShippedSinceAndHidesTheReplaced) {
    UnitDatabase user = FirstDataUser();
    const BuiltinUpdateSummary summary = BuiltinUpdate::Apply(user, Shipped(), kHistory, 1);
    EXPECT_EQ(summary.units, 5); // hand, span, mile and the two of Pace
    EXPECT_EQ(summary.categories, 1);
    EXPECT_EQ(summary.hidden, 1);
    EXPECT_EQ(UnitNamesOf(user, "Length"),
              (std::vector<std::string>{"meter", "foot", "old mile", "stride", "hand", "span", "mile"}));
    EXPECT_EQ(user.Categories().back().Name, "Pace");
    EXPECT_EQ(UnitNamesOf(user, "Pace"), (std::vector<std::string>{"second/meter", "minute/kilometer"}));
    EXPECT_TRUE(UnitOf(user, "Length", "old mile")->Hidden);
    EXPECT_TRUE(UnitOf(user, "Length", "foot")->Hidden);            // the user's flag stays
    EXPECT_EQ(UnitOf(user, "Length", "old mile")->Factor, 1609.3L); // the user's factor stays
    EXPECT_EQ(UnitOf(user, "Length", "stride")->Custom, 1);
    EXPECT_EQ(UnitOf(user, "Length", "span")->Custom, 0);
    EXPECT_EQ(UnitOf(user, "Length", "span")->DefaultOrder, 6);
    EXPECT_EQ(UnitOf(user, "Length", "span")->Factor, 0.2286L);
    EXPECT_FALSE(UnitOf(user, "Length", "span")->Hidden);
    // Nothing is new any more: a second start adds nothing.
    const BuiltinUpdateSummary again = BuiltinUpdate::Apply(user, Shipped(), kHistory, 3);
    EXPECT_FALSE(again.Changed());
    const BuiltinUpdateSummary sameVersion = BuiltinUpdate::Apply(user, Shipped(), kHistory, 1);
    EXPECT_EQ(sameVersion.units, 0);
    EXPECT_EQ(sameVersion.categories, 0);
}

TEST(BuiltinUpdate, Apply_leavesTheUsersDeletionsAndNamesAlone) {
    struct Case {
        const char *what;
        int version;
        std::vector<std::string> length; // the Length units afterwards
        bool pace;
    };
    const std::vector<Case> cases = {
        // Deleted "hand" (version 2) and "Pace" from a version-2 database: both stay deleted.
        {"deletions of the user's version", 2, {"meter", "HAND", "span", "mile"}, false},
        // From version 1 "hand" is new; "HAND" of the user takes its name in another case.
        {"a name taken in another letter case", 1, {"meter", "HAND", "span", "mile"}, true},
    };
    for (const Case &c : cases) {
        UnitDatabase user;
        AddTestCategory(user, {"Length", {{"meter", 1}, {"HAND", 0.1L, true}}});
        BuiltinUpdate::Apply(user, Shipped(), kHistory, c.version);
        EXPECT_EQ(UnitNamesOf(user, "Length"), c.length) << c.what;
        EXPECT_EQ(CategoryOf(user, "Pace") != nullptr, c.pace) << c.what;
    }
    // A category the user renamed ("pace") is not added again under its old name.
    UnitDatabase renamed;
    AddTestCategory(renamed, {"pace", {{"second/meter", 1}}});
    BuiltinUpdate::Apply(renamed, Shipped(), kHistory, 1);
    EXPECT_EQ(CategoryOf(renamed, "Pace"), nullptr);
}

TEST(BuiltinUpdate, Apply_replacedUnit_staysWhenTheUserMadeItOrNoReplacementCame) {
    UnitDatabase custom;
    AddTestCategory(custom, {"Length", {{"meter", 1}, {"old mile", 1609.3L, true}}});
    EXPECT_EQ(BuiltinUpdate::Apply(custom, Shipped(), kHistory, 2).hidden, 0);
    EXPECT_FALSE(UnitOf(custom, "Length", "old mile")->Hidden);
    UnitDatabase noReplacement;
    AddTestCategory(noReplacement, {"Length", {{"meter", 1}, {"old mile", 1609.3L}}});
    UnitDatabase shippedWithoutMile;
    AddTestCategory(shippedWithoutMile, {"Length", {{"meter", 1}}});
    EXPECT_EQ(BuiltinUpdate::Apply(noReplacement, shippedWithoutMile, kHistory, 2).hidden, 0);
    EXPECT_FALSE(UnitOf(noReplacement, "Length", "old mile")->Hidden);
}

TEST(BuiltinUpdate, Apply_simplifiedNames_areComparedAndAddedSimplified) {
    const BuiltinHistoryEntry history[] = {{"Area", "meter\xB2", "", 2}};
    UnitDatabase shipped;
    AddTestCategory(shipped, {"Area", {{"are", 100}, {"meter\xB2", 1}}});
    UnitDatabase user;
    user.NamesSimplified = true;
    AddTestCategory(user, {"Area", {{"are", 100}}});
    EXPECT_EQ(BuiltinUpdate::Apply(user, shipped, history, 1).units, 1);
    EXPECT_EQ(UnitNamesOf(user, "Area"),
              (std::vector<std::string>{"are", UnitDatabase::SimplifyName("meter\xB2")}));
    EXPECT_EQ(BuiltinUpdate::Apply(user, shipped, history, 1).units, 0);
}

TEST(BuiltinUpdate, InferredVersion_isTheNewestBuiltInTheDatabaseHolds) {
    struct Case {
        const char *what;
        UnitDatabase db;
        int version;
    };
    UnitDatabase first = FirstDataUser();
    UnitDatabase withPace = FirstDataUser();
    AddTestCategory(withPace, {"Pace", {{"second/meter", 1}}});
    UnitDatabase withSpan = FirstDataUser();
    withSpan.AddUnit("Length", "span", "", 0.2286L, false);
    UnitDatabase customSpan = FirstDataUser();
    customSpan.AddUnit("Length", "span", "", 0.2286L, true);
    UnitDatabase customPace = FirstDataUser();
    AddTestCategory(customPace, {"Pace", {{"second/meter", 1, true}}, true});
    const std::vector<std::pair<const char *, std::pair<const UnitDatabase *, int>>> cases = {
        {"first data", {&first, 1}},
        {"a version-2 category", {&withPace, 2}},
        {"a version-3 unit", {&withSpan, 3}},
        {"the user's own unit of that name", {&customSpan, 1}},
        {"the user's own category of that name", {&customPace, 1}},
    };
    for (const auto &[what, c] : cases)
        EXPECT_EQ(BuiltinUpdate::InferredVersion(*c.first, kHistory), c.second) << what;
}

TEST(BuiltinUpdate, SummaryText_countsUnitsAndCategories) {
    EXPECT_EQ(BuiltinUpdate::SummaryText({27, 1, 0}), "27 new units, 1 new category");
    EXPECT_EQ(BuiltinUpdate::SummaryText({1, 2, 0}), "1 new unit, 2 new categories");
    EXPECT_EQ(BuiltinUpdate::SummaryText({3, 0, 1}), "3 new units");
    EXPECT_EQ(BuiltinUpdate::SummaryText({0, 0, 1}), "");
}

// ---- The shipped data on a units.dat written before data versions were recorded ------------------

// tests/data/units-data-version-2.dat: the default database of data version 2 as the program of
// that time saved it, with the user's changes: custom units in Length and Fractions, a custom
// category "Garden", the built-in "chain" hidden, "league" (version 1), "rack unit (U)" and the
// category "Pace" (version 2) deleted.
class ShippedDataUpdate : public ::testing::Test {
  protected:
    void SetUp() override {
        DatabaseFile::LoadFromPath(m_user, MENSURIO_SOURCE_DIR "/tests/data/units-data-version-2.dat");
        DatabaseFile::LoadFromPath(m_shipped, MENSURIO_BIN_DIR "/default.dat");
        m_before = m_user.Categories();
    }

    int Version(const std::string &category, const std::string &unit) const {
        int version = 1;
        for (const BuiltinHistoryEntry &entry : BuiltinHistory()) {
            if (entry.category == category && (*entry.unit == '\0' || entry.unit == unit))
                version = entry.version;
        }
        return version;
    }

    UnitDatabase m_user;
    UnitDatabase m_shipped;
    std::vector<CategoryRecord> m_before;
};

TEST_F(ShippedDataUpdate, Apply_addsEveryNewBuiltInAndKeepsTheUsersUnits) {
    const int from = BuiltinUpdate::InferredVersion(m_user, BuiltinHistory());
    ASSERT_EQ(from, 2);
    ASSERT_GT(BuiltinDataVersion(), from);
    const BuiltinUpdateSummary summary = BuiltinUpdate::Apply(m_user, m_shipped, BuiltinHistory(), from);
    EXPECT_GT(summary.units, 0);
    // Currency (data version 4) comes as a new category.
    EXPECT_EQ(summary.categories, 1);
    EXPECT_EQ(BuiltinUpdate::SummaryText(summary),
              std::to_string(summary.units) + " new units, 1 new category");

    // Every built-in shipped after version 2 is there, as shipped.
    int newUnits = 0;
    for (const CategoryRecord &category : m_shipped.Categories()) {
        for (const UnitRecord &unit : category.Units) {
            if (Version(category.Name, unit.Name) <= from)
                continue;
            ++newUnits;
            const UnitRecord *added = UnitOf(m_user, category.Name, unit.Name);
            ASSERT_NE(added, nullptr) << category.Name << " / " << unit.Name;
            EXPECT_EQ(added->Factor, unit.Factor) << unit.Name;
            EXPECT_EQ(added->Custom, 0);
            EXPECT_EQ(added->Hidden, 0);
        }
    }
    EXPECT_EQ(newUnits, summary.units);
    // Everything the file held before is there unchanged, in its order; only the replaced
    // built-in got hidden.
    for (const CategoryRecord &before : m_before) {
        const CategoryRecord *after = CategoryOf(m_user, before.Name);
        ASSERT_NE(after, nullptr) << before.Name;
        EXPECT_EQ(after->Custom, before.Custom);
        ASSERT_GE(after->Units.size(), before.Units.size()) << before.Name;
        for (std::size_t i = 0; i < before.Units.size(); ++i) {
            const UnitRecord &was = before.Units[i], &is = after->Units[i];
            EXPECT_EQ(is.Name, was.Name);
            EXPECT_EQ(is.Factor, was.Factor) << was.Name;
            EXPECT_EQ(is.OriginUnit, was.OriginUnit) << was.Name;
            EXPECT_EQ(is.Custom, was.Custom) << was.Name;
            EXPECT_EQ(is.DefaultOrder, was.DefaultOrder) << was.Name;
            EXPECT_EQ(is.Hidden, was.Name == "decimal fraction" ? 1 : was.Hidden) << was.Name;
        }
    }
    EXPECT_EQ(UnitOf(m_user, "Length", "chain")->Hidden, 1);
    EXPECT_EQ(UnitOf(m_user, "Length", "stride (mine)")->Custom, 1);
    EXPECT_EQ(UnitOf(m_user, "Fractions", "my eighths")->Custom, 1);
    EXPECT_EQ(UnitOf(m_user, "Length", "league"), nullptr);
    EXPECT_EQ(UnitOf(m_user, "Length", "rack unit (U)"), nullptr);
    EXPECT_EQ(CategoryOf(m_user, "Pace"), nullptr);
    ASSERT_EQ(m_user.Categories().size(), m_before.size() + 1);
    EXPECT_EQ(m_user.Categories().back().Name, "Currency");

    // The next start records the shipped version: nothing more to add, and the saved file
    // reads back the same.
    const UnitDatabase saved = [&] {
        UnitDatabase reread;
        DatabaseFile::LoadFromBytes(reread, DatabaseFile::ToBytes(m_user, "MNSA"));
        return reread;
    }();
    UnitDatabase second = saved;
    EXPECT_FALSE(BuiltinUpdate::Apply(second, m_shipped, BuiltinHistory(), BuiltinDataVersion()).Changed());
    EXPECT_EQ(BuiltinUpdate::InferredVersion(second, BuiltinHistory()), BuiltinDataVersion());
    EXPECT_FALSE(BuiltinUpdate::Apply(second, m_shipped, BuiltinHistory(),
                                      BuiltinUpdate::InferredVersion(second, BuiltinHistory()))
                     .Changed());
}

// A fresh copy of the shipped database is at the shipped version: nothing is added.
TEST_F(ShippedDataUpdate, Apply_freshCopyOfTheShippedData_addsNothing) {
    UnitDatabase fresh = m_shipped;
    const int from = BuiltinUpdate::InferredVersion(fresh, BuiltinHistory());
    EXPECT_EQ(from, BuiltinDataVersion());
    EXPECT_FALSE(BuiltinUpdate::Apply(fresh, m_shipped, BuiltinHistory(), 1).Changed());
}

} // namespace
} // namespace mensurio
