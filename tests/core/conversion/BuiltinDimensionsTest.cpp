// SPDX-License-Identifier: MIT
// The built-in dimension table against the shipped default.dat, compiled from data/ by the build.
#include "core/engine/BuiltinDimensions.h"
#include "core/currency/CurrencyCategory.h"
#include "core/db/Cp1252.h"
#include "core/db/DatabaseFile.h"
#include "core/db/UnitDatabase.h"
#include "core/engine/CategoryKind.h"

#include "support/TestDatabases.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace mensurio {
namespace {

using ExponentList = std::array<int, kDimensionSlots>;

ExponentList ExponentsOf(const BuiltinDimensionEntry &entry) {
    ExponentList exponents{};
    for (int slot = 0; slot < kDimensionSlots; ++slot)
        exponents[slot] = entry.exponents[slot];
    return exponents;
}

bool NearlyEqual(long double a, long double b) {
    return std::fabs(a - b) <= 1e-15L * std::fabs(b);
}

class BuiltinDimensionsTest : public ::testing::Test {
  protected:
    void SetUp() override { m_db = test::ShippedDatabase(); }

    const CategoryRecord *Category(const std::string &name) const {
        for (const CategoryRecord &category : m_db.Categories()) {
            if (category.Name == name)
                return &category;
        }
        return nullptr;
    }

    static const BuiltinDimensionEntry *Entry(const std::string &category) {
        for (const BuiltinDimensionEntry &entry : BuiltinDimensions()) {
            if (entry.category == category)
                return &entry;
        }
        return nullptr;
    }

    UnitDatabase m_db;
};

// Currencies convert by factors but are no physical quantity: they take part in no products.
TEST_F(BuiltinDimensionsTest, Table_holdsExactlyTheCategoriesConvertedByFactors_inDataOrder) {
    ASSERT_FALSE(m_db.Categories().empty());
    std::vector<std::string> expected;
    for (const CategoryRecord &category : m_db.Categories()) {
        if (CategoryKindOf(category.Name) == CategoryKind::Ordinary && category.Name != kCurrencyCategory)
            expected.push_back(category.Name);
    }
    std::vector<std::string> actual;
    for (const BuiltinDimensionEntry &entry : BuiltinDimensions())
        actual.push_back(entry.category);
    EXPECT_EQ(actual, expected);
}

struct KnownDimension {
    const char *Category;
    ExponentList Exponents;
    long double BaseInSi;
    bool Preferred;
};

// Exponents in slot order: L M T I Θ N J angle solidangle bit.
const KnownDimension KnownDimensions[] = {
    {"Length", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 1.0L, true},
    {"Typography", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 1.0L, false},
    {"Cooking Volume", {3, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 1e-6L, false},
    {"Pressure", {-1, 1, -2, 0, 0, 0, 0, 0, 0, 0}, 0.1L, true},
    {"Energy Density", {-1, 1, -2, 0, 0, 0, 0, 0, 0, 0}, 1.0L, false},
    {"Speed", {1, 0, -1, 0, 0, 0, 0, 0, 0, 0}, 1.0L, true},
    {"Pace", {-1, 0, 1, 0, 0, 0, 0, 0, 0, 0}, 0.06L, true},
    {"Energy", {2, 1, -2, 0, 0, 0, 0, 0, 0, 0}, 1.0L, true},
    {"Torque", {2, 1, -2, 0, 0, 0, 0, 0, 0, 0}, 1.0L, false},
    {"Frequency", {0, 0, -1, 0, 0, 0, 0, 0, 0, 0}, 1.0L, true},
    {"Radioactivity", {0, 0, -1, 0, 0, 0, 0, 0, 0, 0}, 1.0L, false},
    {"Angular Velocity", {0, 0, -1, 0, 0, 0, 0, 1, 0, 0}, 1.0L, true},
    {"Data Rate", {0, 0, -1, 0, 0, 0, 0, 0, 0, 1}, 1.0L, true},
    {"Illuminance", {-2, 0, 0, 0, 0, 0, 1, 0, 1, 0}, 1.0L, true},
    {"Temperature Interval", {0, 0, 0, 0, 1, 0, 0, 0, 0, 0}, 1.0L, true},
    {"Electric Capacitance", {-2, -1, 4, 2, 0, 0, 0, 0, 0, 0}, 1.0L, true},
    {"Ratio", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 1.0L, true},
};

TEST_F(BuiltinDimensionsTest, Entry_knownCategories_haveTheirDimensionAndSiValue) {
    for (const KnownDimension &known : KnownDimensions) {
        const BuiltinDimensionEntry *entry = Entry(known.Category);
        ASSERT_NE(entry, nullptr) << known.Category;
        EXPECT_EQ(ExponentsOf(*entry), known.Exponents) << known.Category;
        EXPECT_EQ(entry->baseInSi, known.BaseInSi) << known.Category;
        EXPECT_EQ(entry->preferred, known.Preferred) << known.Category;
    }
}

TEST_F(BuiltinDimensionsTest, Table_everyDimension_hasExactlyOnePreferredCategory) {
    std::map<ExponentList, int> preferredCount;
    for (const BuiltinDimensionEntry &entry : BuiltinDimensions())
        preferredCount[ExponentsOf(entry)] += entry.preferred ? 1 : 0;
    for (const auto &[exponents, count] : preferredCount)
        EXPECT_EQ(count, 1) << "dimension with L exponent " << exponents[kLength] << ", T exponent "
                            << exponents[kTime];
}

// Results are given in the preferred category's SI unit, so that unit must be one of its units.
TEST_F(BuiltinDimensionsTest, PreferredCategory_hasAUnitOfOneSiUnit) {
    for (const BuiltinDimensionEntry &entry : BuiltinDimensions()) {
        if (!entry.preferred)
            continue;
        const CategoryRecord *category = Category(entry.category);
        ASSERT_NE(category, nullptr) << entry.category;
        bool found = false;
        for (const UnitRecord &unit : category->Units)
            found = found || NearlyEqual(unit.Factor * entry.baseInSi, 1.0L);
        EXPECT_TRUE(found) << Cp1252::ToUtf8(entry.category) << " has no unit of one SI unit";
    }
}

// A unit named alike in two categories of one dimension is the same quantity in SI units; a
// wrong SI value of a base unit shows here.
TEST_F(BuiltinDimensionsTest, SameUnitName_inCategoriesOfOneDimension_hasTheSameSiValue) {
    std::map<std::pair<ExponentList, std::string>, std::pair<long double, std::string>> seen;
    int compared = 0;
    for (const BuiltinDimensionEntry &entry : BuiltinDimensions()) {
        const CategoryRecord *category = Category(entry.category);
        ASSERT_NE(category, nullptr) << entry.category;
        for (const UnitRecord &unit : category->Units) {
            const long double si = unit.Factor * entry.baseInSi;
            const auto [it, inserted] = seen.try_emplace({ExponentsOf(entry), unit.Name}, si, entry.category);
            if (inserted)
                continue;
            ++compared;
            EXPECT_TRUE(NearlyEqual(si, it->second.first))
                << Cp1252::ToUtf8(unit.Name) << " in " << Cp1252::ToUtf8(entry.category) << " and "
                << Cp1252::ToUtf8(it->second.second);
        }
    }
    EXPECT_GT(compared, 10); // Volume and Cooking Volume, Length and Typography share many names
}

} // namespace
} // namespace mensurio
