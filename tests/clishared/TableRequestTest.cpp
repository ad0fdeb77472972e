// SPDX-License-Identifier: MIT
#include "clishared/TableRequest.h"

#include "core/tables/TableFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mensurio {
namespace {

using Names = std::vector<std::string>;

TEST(TableRequest, SplitUnitListHonoursEscapedCommas) {
    EXPECT_EQ(TableRequest::SplitUnitList("meter,foot"), (Names{"meter", "foot"}));
    EXPECT_EQ(TableRequest::SplitUnitList(" meter , foot "), (Names{"meter", "foot"}));
    EXPECT_EQ(TableRequest::SplitUnitList("pound\\, troy,ounce"), (Names{"pound, troy", "ounce"}));
    EXPECT_EQ(TableRequest::SplitUnitList("a\\\\,b"), (Names{"a\\", "b"}));
    EXPECT_EQ(TableRequest::SplitUnitList("a\\b"), (Names{"a\\b"}));
    EXPECT_EQ(TableRequest::SplitUnitList(",,meter,"), (Names{"meter"}));
    EXPECT_EQ(TableRequest::SplitUnitList(""), Names{});
}

TEST(TableRequest, ParseReadsEveryOption) {
    const TableRequest r = TableRequest::Parse(
        {"--table", "out.pdf", "-c", "Time", "--rows", "all", "--columns=hour", "--direction", "down-left",
         "--table-format", "scientific", "--paper", "vertical", "--db", "x.dat"});
    EXPECT_EQ(r.pdfPath, "out.pdf");
    EXPECT_EQ(r.category, "Time");
    EXPECT_EQ(r.rows, "all");
    EXPECT_EQ(r.columns, "hour");
    EXPECT_EQ(r.direction, TableDirection::DownAndLeft);
    EXPECT_EQ(r.resultFormat, TableResultFormat::Scientific);
    EXPECT_EQ(r.paper, TablePaper::Portrait);
    EXPECT_EQ(r.databasePath, "x.dat");
}

TEST(TableRequest, ParseRefusesWhatItCannotUse) {
    const std::vector<Names> bad = {
        {"--table", "a.pdf", "-c", "Time", "--rows", "all"},                              // no columns
        {"--table", "a.pdf", "--rows", "all", "--columns", "all"},                        // no category
        {"--table", "a.pdf", "-c", "Time", "--rows", "all", "--columns", "all", "--all"}, // foreign option
        {"--table", "a.pdf", "-c", "Time", "--rows", "all", "--columns", "all", "--paper", "a3"},
        {"--table", "a.pdf", "-c", "Time", "--rows", "all", "--columns"},
        {"--table", "a.pdf", "-c", "Time", "--rows", "all", "--columns", "all", "5"},
        {"--table", "a.pdf", "-c", "Time", "--rows", "all", "--columns", "all", "--help"},
    };
    for (const Names &args : bad)
        EXPECT_THROW(TableRequest::Parse(args), TableRequestError) << args.back();
}

struct ResolveCase {
    const char *category;
    const char *rows;
    const char *columns;
    TablePaper paper;
    const char *error; // empty: resolves
};

class TableResolveTest : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(TableResolveTest, ChecksCategoryUnitsAndColumns) {
    const ResolveCase &c = GetParam();
    UnitDatabase db = test::TableDatabase();
    for (int i = 1; i <= 8; ++i)
        db.AddUnit("Time", "t" + std::to_string(i), "second", i, false);
    TableRequest request;
    request.category = c.category;
    request.rows = c.rows;
    request.columns = c.columns;
    request.paper = c.paper;
    if (std::string(c.error).empty()) {
        EXPECT_NO_THROW(request.Resolve(db));
        return;
    }
    try {
        request.Resolve(db);
        ADD_FAILURE() << "resolved";
    } catch (const TableRequestError &error) {
        EXPECT_NE(std::string(error.what()).find(c.error), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TableResolveTest,
    ::testing::Values(
        ResolveCase{"time", "all", "hour,day", TablePaper::Landscape, ""},
        ResolveCase{"Time", "all", "second,minute,hour,day,t1,t2", TablePaper::Portrait, ""},
        ResolveCase{"Time", "all", "second,minute,hour,day,t1,t2,t3", TablePaper::Portrait, "at most 6"},
        ResolveCase{"Time", "all", "all", TablePaper::Landscape, "12 columns do not fit"},
        ResolveCase{"Time", "hour,fortnight", "day", TablePaper::Landscape, "no unit named 'fortnight'"},
        ResolveCase{"Time", "hour", "", TablePaper::Landscape, "no column units"},
        ResolveCase{"Weather", "all", "all", TablePaper::Landscape, "no category named 'Weather'"},
        ResolveCase{"Temperature", "all", "all", TablePaper::Landscape,
                    "does not convert by a plain factor"}));

TEST(TableRequest, ResolveKeepsTheGivenOrder) {
    UnitDatabase db = test::TableDatabase();
    TableRequest request;
    request.category = "length";
    request.rows = "inch,METER";
    request.columns = "all";
    request.direction = TableDirection::DownAndLeft;
    const TableChoices choices = request.Resolve(db);
    EXPECT_EQ(choices.category, "Length");
    EXPECT_EQ(choices.rowUnits, (Names{"inch", "meter"}));
    EXPECT_EQ(choices.columnUnits.size(), 7u);
    EXPECT_EQ(choices.direction, TableDirection::DownAndLeft);
}

} // namespace
} // namespace mensurio
