// SPDX-License-Identifier: MIT
#include "core/tables/TableBuilder.h"

#include "TableFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace mensurio {
namespace {

using test::FixedMeasure;
using test::TableDatabase;

TableChoices Choices(std::string category, std::vector<std::string> rows, std::vector<std::string> columns,
                     TableDirection direction = TableDirection::RightAndUp,
                     TablePaper paper = TablePaper::Landscape) {
    TableChoices choices;
    choices.category = std::move(category);
    choices.rowUnits = std::move(rows);
    choices.columnUnits = std::move(columns);
    choices.direction = direction;
    choices.paper = paper;
    return choices;
}

std::vector<std::string> Lines(const ReportTemplate &report, const std::string &field) {
    return report.Field(field)->lines;
}

struct CellCase {
    TableDirection direction;
    const char *row;
    const char *column;
    const char *expected;
};

class TableCellTest : public ::testing::TestWithParam<CellCase> {};

TEST_P(TableCellTest, CellIsTheQuotientOfTheFactorsInTheStyle) {
    const CellCase &c = GetParam();
    UnitDatabase db = TableDatabase();
    const bool time = std::string(c.row) == "hour" || std::string(c.row) == "day";
    TableBuilder builder(db, Choices(time ? "Time" : "Length", {c.row}, {c.column}, c.direction),
                         FixedMeasure());
    ReportTemplate report = ReportTemplate::LandscapeTemplate();
    builder.FillTableTemplate(report);
    EXPECT_EQ(Lines(report, "Result1"), std::vector<std::string>{c.expected});
}

INSTANTIATE_TEST_SUITE_P(
    Styles, TableCellTest,
    ::testing::Values(CellCase{TableDirection::RightAndUp, "hour", "day", "0.0416666667"},
                      CellCase{TableDirection::RightAndUp, "hour", "minute", "60"},
                      CellCase{TableDirection::DownAndLeft, "hour", "day", "24"},
                      CellCase{TableDirection::DownAndLeft, "hour", "minute", "0.0166666667"},
                      CellCase{TableDirection::RightAndUp, "kilometer", "meter", "1000"},
                      CellCase{TableDirection::DownAndLeft, "kilometer", "meter", "0.001"},
                      CellCase{TableDirection::RightAndUp, "inch", "foot", "0.0833333333"},
                      CellCase{TableDirection::DownAndLeft, "inch", "foot", "12"}));

// How far a cell text may be from the exact value: a rounding in the 8th digit of the exponent
// form; in the fixed form the cut after the last decimal shown.
double Tolerance(const std::string &cell, double exact) {
    const std::size_t point = cell.find('.');
    if (cell.find('E') != std::string::npos)
        return std::fabs(exact) * 6E-8;
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(cell.size() - point - 1);
    return std::pow(10.0, -decimals) + 1E-10;
}

// Every cell of a full table, read back, equals the quotient of the two factors computed here.
TEST(TableBuilder, EveryCellMatchesAnIndependentQuotientInBothStyles) {
    const std::vector<std::pair<std::string, double>> units = {
        {"meter", 1}, {"kilometer", 1000}, {"mile", 1609.344}, {"foot", 0.3048}, {"inch", 0.0254}};
    std::vector<std::string> names;
    for (const auto &unit : units)
        names.push_back(unit.first);
    for (const TableDirection direction : {TableDirection::RightAndUp, TableDirection::DownAndLeft}) {
        UnitDatabase db = TableDatabase();
        TableBuilder builder(db, Choices("length", names, names, direction), FixedMeasure());
        ReportTemplate report = ReportTemplate::LandscapeTemplate();
        builder.FillTableTemplate(report);
        for (std::size_t k = 0; k < units.size(); ++k) {
            const auto cells = Lines(report, "Result" + std::to_string(k + 1));
            ASSERT_EQ(cells.size(), units.size());
            for (std::size_t r = 0; r < units.size(); ++r) {
                const double expected = direction == TableDirection::RightAndUp
                                            ? units[r].second / units[k].second
                                            : units[k].second / units[r].second;
                EXPECT_NEAR(std::strtod(cells[r].c_str(), nullptr), expected, Tolerance(cells[r], expected))
                    << units[r].first << " / " << units[k].first << " = " << cells[r];
            }
        }
    }
}

TEST(TableBuilder, UnusedColumnsGetASingleBlankInHeaderAndEveryRow) {
    UnitDatabase db = TableDatabase();
    TableBuilder builder(db, Choices("Time", {"second", "minute"}, {"second", "minute", "hour"}),
                         FixedMeasure());
    ReportTemplate report = ReportTemplate::LandscapeTemplate();
    builder.FillTableTemplate(report);
    for (int k = 4; k <= kLandscapeTableColumns; ++k) {
        EXPECT_EQ(Lines(report, "UnitH" + std::to_string(k)), std::vector<std::string>{" "}) << k;
        EXPECT_EQ(Lines(report, "Result" + std::to_string(k)), (std::vector<std::string>{" ", " "})) << k;
    }
    EXPECT_EQ(Lines(report, "UnitH3"), std::vector<std::string>{"hour"});
    EXPECT_EQ(Lines(report, "Version1"), std::vector<std::string>{"Mensurio " MENSURIO_VERSION});
    EXPECT_EQ(Lines(report, "Category1"), std::vector<std::string>{"Time"});
    EXPECT_EQ(builder.ColumnFactors[2], 3600.0L);
}

// Two categories whose names differ only in letter case: the one named exactly is the table's.
TEST(TableBuilder, CategoriesDifferingInCase_theExactNameIsUsed) {
    UnitDatabase db = TableDatabase();
    db.AddCategory("time", false);
    db.AddUnit("time", "second", "second", 2, false);
    db.AddUnit("time", "minute", "second", 120, false);
    for (const char *category : {"Time", "time"}) {
        TableBuilder builder(db, Choices(category, {"minute"}, {"second", "minute"}), FixedMeasure());
        ReportTemplate report = ReportTemplate::LandscapeTemplate();
        builder.FillTableTemplate(report);
        EXPECT_EQ(Lines(report, "Category1"), std::vector<std::string>{category});
        EXPECT_EQ(builder.ColumnFactors[1], std::string(category) == "Time" ? 60.0L : 120.0L) << category;
        EXPECT_EQ(Lines(report, "Result1"), std::vector<std::string>{"60"}) << category;
    }
    EXPECT_TRUE(db.SelectCategory("TIME"));
    EXPECT_EQ(db.CategoryName(), "Time"); // without an exact name, the first ignoring case
}

// The captions, the command line's messages and the templates all hold these numbers.
TEST(TableChoices, ColumnMaximum_isTheTemplatesColumnCount) {
    EXPECT_EQ(TableChoices::ColumnMaximum(TablePaper::Landscape), 10);
    EXPECT_EQ(TableChoices::ColumnMaximum(TablePaper::Portrait), 6);
    for (const TablePaper paper : {TablePaper::Landscape, TablePaper::Portrait})
        EXPECT_EQ(ReportTemplate::ForPaper(paper).ColumnCount(), TableChoices::ColumnMaximum(paper));
    EXPECT_FALSE(ReportTemplate::ForPaper(TablePaper::Portrait).Landscape());
}

TEST(TableBuilder, PortraitTemplateHasSixColumns) {
    UnitDatabase db = TableDatabase();
    TableBuilder builder(
        db, Choices("Time", {"second"}, {"second"}, TableDirection::RightAndUp, TablePaper::Portrait),
        FixedMeasure());
    ReportTemplate report = ReportTemplate::PortraitTemplate();
    builder.FillTableTemplate(report);
    EXPECT_EQ(Lines(report, "Result6"), std::vector<std::string>{" "});
    EXPECT_EQ(report.Field("Result7"), nullptr);
    EXPECT_EQ(report.Field("UnitH1")->width, 73);
}

// A header of n lines is n × 13 + 7 high; the arrow is centred on the tallest one.
TEST(TableBuilder, HeaderHeightFollowsTheWrappedLinesAndPlacesTheArrow) {
    UnitDatabase db = TableDatabase();
    db.AddUnit("Time", "solar day/year", "second", 86400, false);
    TableBuilder oneLine(db, Choices("Time", {"hour"}, {"day"}), FixedMeasure());
    ReportTemplate report = ReportTemplate::LandscapeTemplate();
    oneLine.FillTableTemplate(report);
    EXPECT_EQ(oneLine.HeaderHeight, 20);
    EXPECT_EQ(report.ArrowTop, 0); // (20 - 21) div 2 truncates toward zero
    EXPECT_EQ(report.Arrow, ArrowForm::Right);

    TableBuilder twoLines(db,
                          Choices("Time", {"hour"}, {"day", "solar day/year"}, TableDirection::DownAndLeft),
                          FixedMeasure());
    ReportTemplate wrapped = ReportTemplate::LandscapeTemplate();
    twoLines.FillTableTemplate(wrapped);
    EXPECT_EQ(Lines(wrapped, "UnitH2"), std::vector<std::string>{"solar day /year"});
    EXPECT_EQ(wrapped.Field("UnitH2")->height, 2 * 13 + 7);
    EXPECT_EQ(wrapped.Field("UnitH1")->height, 20);
    EXPECT_EQ(twoLines.HeaderHeight, 33);
    EXPECT_EQ(wrapped.ArrowTop, 6);
    EXPECT_EQ(wrapped.Arrow, ArrowForm::Left);
}

// Rows are found by name going round the ring from the previous row: two units called "league"
// (4828.032 m and 5556 m) are taken in turn, in whatever order the rows come.
struct RingCase {
    std::vector<std::string> rows;
    std::vector<std::string> expected; // cells against meter
};

class UnitRingTest : public ::testing::TestWithParam<RingCase> {};

TEST_P(UnitRingTest, DuplicateNamesAreFoundAroundTheRing) {
    UnitDatabase db = TableDatabase();
    TableBuilder builder(db, Choices("Length", GetParam().rows, {"meter"}), FixedMeasure());
    ReportTemplate report = ReportTemplate::LandscapeTemplate();
    builder.FillTableTemplate(report);
    EXPECT_EQ(Lines(report, "UnitV1"), GetParam().rows);
    EXPECT_EQ(Lines(report, "Result1"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UnitRingTest,
    ::testing::Values(RingCase{{"league", "league"}, {"4828.032", "5556"}},
                      RingCase{{"mile", "league"}, {"1609.344", "5556"}},
                      RingCase{{"mile", "league", "league"}, {"1609.344", "5556", "4828.032"}},
                      RingCase{{"inch", "foot", "league", "meter"}, {"0.0254", "0.3048", "4828.032", "1"}},
                      RingCase{{"meter"}, {"1"}}, RingCase{{"inch"}, {"0.0254"}}));

TEST(TableBuilder, UnknownRowThrowsAndOpensTheRing) {
    UnitDatabase db = TableDatabase();
    TableBuilder builder(db, Choices("Length", {"meter", "furlong"}, {"meter"}), FixedMeasure());
    ReportTemplate report = ReportTemplate::LandscapeTemplate();
    EXPECT_THROW(builder.FillTableTemplate(report), TableUnitMissing);
    db.SelectCategory("Length");
    int count = 0;
    for (db.FirstUnit(); db.HasUnit() && count < 100; db.NextUnit())
        ++count;
    EXPECT_EQ(count, 7);
}

} // namespace
} // namespace mensurio
