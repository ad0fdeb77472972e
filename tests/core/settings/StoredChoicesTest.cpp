// SPDX-License-Identifier: MIT
#include "core/settings/StoredChoices.h"

#include <gtest/gtest.h>

#include <vector>

namespace mensurio {
namespace {

// The numbers settings files already hold for each choice; they must never change.
template <typename Choice>
void ExpectStoredNumbers(const std::vector<StoredNumber<Choice>> &expected, Choice fallback) {
    for (const StoredNumber<Choice> &entry : expected) {
        EXPECT_EQ(ToStoredNumber(entry.choice), entry.number);
        EXPECT_EQ(FromStoredNumber(entry.number, fallback), entry.choice) << entry.number;
    }
    // Every choice has its row in the table, and the table no other.
    EXPECT_EQ(StoredNumbers(fallback).size(), expected.size());
    for (const int32_t unknown : {-1, static_cast<int32_t>(expected.size()), 7, INT32_MIN, INT32_MAX})
        EXPECT_EQ(FromStoredNumber(unknown, fallback), fallback) << unknown;
}

TEST(StoredChoices, ResultFormat_ReNumber) {
    ExpectStoredNumbers<ResultFormat>({{ResultFormat::Auto, 0},
                                       {ResultFormat::Scientific, 1},
                                       {ResultFormat::Fixed, 2},
                                       {ResultFormat::FixedThousands, 3}},
                                      ResultFormat::Auto);
}

TEST(StoredChoices, CompoundStyle_multiformat) {
    ExpectStoredNumbers<CompoundStyle>({{CompoundStyle::ParenthesisedValue, 0},
                                        {CompoundStyle::PlainValue, 1},
                                        {CompoundStyle::UnitFirst, 2}},
                                       CompoundStyle::ParenthesisedValue);
}

TEST(StoredChoices, TableChoices_tableresultformatTablepaperTableconversionstyle) {
    ExpectStoredNumbers<TableResultFormat>(
        {{TableResultFormat::General, 0}, {TableResultFormat::Scientific, 1}}, TableResultFormat::General);
    ExpectStoredNumbers<TablePaper>({{TablePaper::Landscape, 0}, {TablePaper::Portrait, 1}},
                                    TablePaper::Landscape);
    ExpectStoredNumbers<TableDirection>({{TableDirection::RightAndUp, 0}, {TableDirection::DownAndLeft, 1}},
                                        TableDirection::RightAndUp);
}

// A fallback other than the first choice is what an unknown number gives.
TEST(StoredChoices, FromStoredNumber_unknownNumber_givesTheFallbackAsked) {
    EXPECT_EQ(FromStoredNumber(9, ResultFormat::Fixed), ResultFormat::Fixed);
    EXPECT_EQ(FromStoredNumber(0, ResultFormat::Fixed), ResultFormat::Auto);
}

} // namespace
} // namespace mensurio
