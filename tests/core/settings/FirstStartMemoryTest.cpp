// SPDX-License-Identifier: MIT
#include "core/settings/FirstStartMemory.h"

#include "core/db/DatabaseFile.h"
#include "core/db/UnitDatabase.h"

#include "support/TestDatabases.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace mensurio {
namespace {

const std::vector<FirstStartUnits> kTable = {
    {"Length", "meter", "foot"},
    {"Temperature", "Celsius", "Fahrenheit"},
    {"Mass", "kilogram", "pound"},
};

// Length as listed sorted by name; the default order is meter, kilometer, foot, inch.
const std::vector<std::string> kLengthSorted = {"foot", "inch", "kilometer", "meter"};
const std::vector<int> kLengthSortedView = {3, 2, 0, 1}; // position -> row

struct SelectionCase {
    const char *what;
    std::string category;
    std::vector<std::string> rowNames;
    std::vector<int> orderView;
    std::optional<CapturedSelection> expected;
};

TEST(FirstStartSelection, asTheMemoryStoresIt) {
    const SelectionCase cases[] = {
        {"codes follow the default order, not the rows", "Length", kLengthSorted, kLengthSortedView,
         CapturedSelection{"meter", "", "02"}},
        {"category letter case ignored", "LENGTH", kLengthSorted, kLengthSortedView,
         CapturedSelection{"meter", "", "02"}},
        {"unit letter case ignored",
         "Length",
         {"Meter", "FOOT"},
         {0, 1},
         CapturedSelection{"Meter", "", "01"}},
        {"single selection stores names",
         "Temperature",
         {"Kelvin", "Fahrenheit", "Celsius"},
         {2, 1, 0},
         CapturedSelection{"Celsius", "Fahrenheit", ""}},
        {"output unit missing", "Mass", {"kilogram", "gram"}, {0, 1}, std::nullopt},
        {"input unit missing", "Length", {"foot", "inch"}, {0, 1}, std::nullopt},
        {"no entry", "Numbers", {"decimal", "binary"}, {0, 1}, std::nullopt},
        {"no category", "", kLengthSorted, kLengthSortedView, std::nullopt},
        {"output outside the order view", "Length", kLengthSorted, {2}, std::nullopt},
    };
    for (const SelectionCase &c : cases)
        EXPECT_EQ(FirstStartSelection(kTable, c.category, c.rowNames, c.orderView), c.expected) << c.what;
}

TEST(FirstStartRowsOf, rowsInTheListedOrder) {
    const auto rows = FirstStartRowsOf(kTable, "Length", kLengthSorted);
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(rows->input, 3);
    EXPECT_EQ(rows->output, 0);
    EXPECT_FALSE(FirstStartRowsOf({}, "Length", kLengthSorted).has_value());
}

// Every shipped entry names a category of the shipped database once, and two different units
// of it by their full names.
TEST(ShippedFirstStartMemories, matchTheDefaultDatabase) {
    UnitDatabase db = test::ShippedDatabase();
    std::set<std::string> categories;
    for (const FirstStartUnits &entry : ShippedFirstStartMemories()) {
        EXPECT_TRUE(categories.insert(entry.category).second) << entry.category;
        ASSERT_TRUE(db.CategoryExists(entry.category)) << entry.category;
        db.SelectCategory(entry.category);
        std::vector<std::string> names;
        for (db.FirstUnit(); db.HasUnit(); db.NextUnit())
            names.push_back(db.UnitName());
        std::vector<int> orderView(names.size());
        for (std::size_t p = 0; p < names.size(); ++p)
            orderView[p] = static_cast<int>(p);
        const auto rows = FirstStartRowsOf(ShippedFirstStartMemories(), entry.category, names);
        ASSERT_TRUE(rows.has_value()) << entry.category << ": " << entry.input << " / " << entry.output;
        EXPECT_EQ(names[static_cast<std::size_t>(rows->input)], entry.input) << entry.category;
        EXPECT_EQ(names[static_cast<std::size_t>(rows->output)], entry.output) << entry.category;
        EXPECT_NE(rows->input, rows->output) << entry.category;
        EXPECT_TRUE(
            FirstStartSelection(ShippedFirstStartMemories(), entry.category, names, orderView).has_value())
            << entry.category;
    }
    EXPECT_GE(categories.size(), 8u);
}

} // namespace
} // namespace mensurio
