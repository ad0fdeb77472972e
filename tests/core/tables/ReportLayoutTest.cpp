// SPDX-License-Identifier: MIT
#include "core/tables/ReportLayout.h"

#include "TableFixture.h"
#include "core/tables/TableBuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace mensurio {
namespace {

using test::FixedMeasure;

// A category of `count` units "u1", "u2", ... with factors 1, 2, ...
UnitDatabase ManyUnits(int count) {
    UnitDatabase db;
    db.AddCategory("Counts", false);
    for (int i = 1; i <= count; ++i)
        db.AddUnit("Counts", "u" + std::to_string(i), "u1", i, false);
    return db;
}

ReportPages Build(UnitDatabase &db, int rows, int columns, TablePaper paper = TablePaper::Landscape,
                  TableDirection direction = TableDirection::RightAndUp) {
    TableChoices choices;
    choices.category = "Counts";
    for (int i = 1; i <= rows; ++i)
        choices.rowUnits.push_back("u" + std::to_string(i));
    for (int i = 1; i <= columns; ++i)
        choices.columnUnits.push_back("u" + std::to_string(i));
    choices.paper = paper;
    choices.direction = direction;
    return TableBuilder(db, choices, FixedMeasure()).BuildPages();
}

std::vector<const ReportText *> Items(const ReportPage &page, const std::string &field) {
    std::vector<const ReportText *> items;
    for (const ReportText &text : page.texts)
        if (text.field == field)
            items.push_back(&text);
    return items;
}

// Rows that fit between the page header (70), the column headers (one line: 22) and the footer (70).
int RowsPerPage(double pageHeight) {
    return static_cast<int>(std::floor((pageHeight - 70 - 22 - 70) / 21));
}

struct PaginationCase {
    const char *name;
    TablePaper paper;
    int rows; // negative: that many more than one full page
};

class PaginationTest : public ::testing::TestWithParam<PaginationCase> {};

TEST_P(PaginationTest, EveryPageHasHeadersNumberFooterAndItsRows) {
    const PaginationCase &c = GetParam();
    const double height = c.paper == TablePaper::Portrait ? ReportLayout::A4Long : ReportLayout::A4Short;
    const int perPage = RowsPerPage(height);
    const int rows = c.rows == 0 ? perPage : c.rows < 0 ? perPage - c.rows : c.rows;
    UnitDatabase db = ManyUnits(rows);
    const int columns = TableChoices::ColumnMaximum(c.paper);
    const ReportPages pages = Build(db, rows, columns, c.paper);
    const int expectedPages = (rows + perPage - 1) / perPage;
    ASSERT_EQ(static_cast<int>(pages.pages.size()), expectedPages);
    EXPECT_DOUBLE_EQ(pages.pageHeight, height);
    int nextRow = 1;
    for (const ReportPage &page : pages.pages) {
        const std::string number = std::to_string(page.number);
        ASSERT_EQ(Items(page, "Page1").size(), 1u);
        EXPECT_EQ(Items(page, "Page1")[0]->text, number);
        EXPECT_EQ(Items(page, "PageLabel")[0]->text, "Page");
        EXPECT_EQ(Items(page, "CategoryLabel")[0]->text, "Category");
        EXPECT_EQ(Items(page, "Category1")[0]->text, "Counts");
        ASSERT_EQ(Items(page, "Version1").size(), 1u);
        EXPECT_DOUBLE_EQ(Items(page, "Version1")[0]->y, height - 70) << "footer at the bottom";
        EXPECT_EQ(Items(page, "UnitH1")[0]->text, "u1") << "headers on page " << number;
        EXPECT_EQ(Items(page, "UnitH" + std::to_string(columns))[0]->text, "u" + std::to_string(columns));
        EXPECT_EQ(page.shapes.size(), 3u) << "arrow on page " << number;
        const auto names = Items(page, "UnitV1");
        ASSERT_FALSE(names.empty());
        EXPECT_LE(static_cast<int>(names.size()), perPage);
        for (const ReportText *name : names) {
            EXPECT_EQ(name->text, "u" + std::to_string(nextRow++));
            EXPECT_LE(name->y - 4 + 21, height - 70) << "row runs into the footer";
        }
        EXPECT_DOUBLE_EQ(names.front()->y, 70 + 22 + 4);
        EXPECT_EQ(Items(page, "Result1").size(), names.size());
    }
    EXPECT_EQ(nextRow, rows + 1);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PaginationTest,
                         ::testing::Values(PaginationCase{"OneRow", TablePaper::Landscape, 1},
                                           PaginationCase{"OneFullPage", TablePaper::Landscape, 0},
                                           PaginationCase{"OneRowMore", TablePaper::Landscape, -1},
                                           PaginationCase{"ThousandRows", TablePaper::Landscape, 1000},
                                           PaginationCase{"PortraitFullPage", TablePaper::Portrait, 0},
                                           PaginationCase{"PortraitOneRowMore", TablePaper::Portrait, -1},
                                           PaginationCase{"PortraitThousandRows", TablePaper::Portrait,
                                                          1000}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ReportLayout, PageGeometryOfBothTemplates) {
    UnitDatabase db = ManyUnits(kLandscapeTableColumns);
    const ReportPages landscape = Build(db, 1, kLandscapeTableColumns, TablePaper::Landscape);
    EXPECT_DOUBLE_EQ(landscape.pageWidth, ReportLayout::A4Long);
    const ReportPage &page = landscape.pages[0];
    EXPECT_DOUBLE_EQ(Items(page, "UnitH10")[0]->x, 975);
    EXPECT_DOUBLE_EQ(Items(page, "Result6")[0]->x, 651);
    EXPECT_DOUBLE_EQ(Items(page, "Page1")[0]->x + Items(page, "Page1")[0]->width, 1046);
    EXPECT_EQ(Items(page, "Page1")[0]->align, ReportAlign::Right);
    EXPECT_DOUBLE_EQ(Items(page, "Version1")[0]->x + Items(page, "Version1")[0]->width, 1046);
    EXPECT_EQ(Items(page, "Category1")[0]->font, ReportFont::Heading);
    EXPECT_DOUBLE_EQ(Items(page, "UnitV1")[0]->x, 72);

    UnitDatabase db2 = ManyUnits(kPortraitTableColumns);
    const ReportPages portraitPages = Build(db2, 1, kPortraitTableColumns, TablePaper::Portrait);
    const ReportPage &portrait = portraitPages.pages[0];
    EXPECT_DOUBLE_EQ(Items(portrait, "UnitH6")[0]->x, 640);
    EXPECT_DOUBLE_EQ(Items(portrait, "PageLabel")[0]->x, 662);
    EXPECT_DOUBLE_EQ(Items(portrait, "Version1")[0]->x + Items(portrait, "Version1")[0]->width, 709);
}

TEST(ReportLayout, WrappedHeaderGrowsTheBandAndRepeatsOnEveryPage) {
    UnitDatabase db;
    db.AddCategory("Counts", false);
    db.AddUnit("Counts", "u1", "u1", 1, false);
    db.AddUnit("Counts", "metre/second", "u1", 1, false);
    for (int i = 2; i <= 40; ++i)
        db.AddUnit("Counts", "u" + std::to_string(i), "u1", i, false);
    TableChoices choices;
    choices.category = "Counts";
    for (int i = 1; i <= 40; ++i)
        choices.rowUnits.push_back("u" + std::to_string(i));
    choices.columnUnits = {"u1", "metre/second"};
    const ReportPages pages = TableBuilder(db, choices, FixedMeasure()).BuildPages();
    ASSERT_EQ(pages.pages.size(), 2u);
    for (const ReportPage &page : pages.pages) {
        const auto header = Items(page, "UnitH2");
        ASSERT_EQ(header.size(), 2u);
        EXPECT_EQ(header[0]->text, "metre");
        EXPECT_EQ(header[1]->text, "/second");
        EXPECT_DOUBLE_EQ(header[0]->y, 72);
        EXPECT_DOUBLE_EQ(header[1]->y, 85);
        // The band is 2 + 33 high; the first row follows it.
        EXPECT_DOUBLE_EQ(Items(page, "UnitV1")[0]->y, 70 + 35 + 4);
    }
}

TEST(ReportLayout, ArrowIsThreeHeadsInEitherDirection) {
    for (const ArrowForm form : {ArrowForm::Right, ArrowForm::Left}) {
        const auto heads = ReportLayout::ArrowShape(112, 70, form);
        ASSERT_EQ(heads.size(), 3u);
        for (int i = 0; i < 3; ++i) {
            const auto &p = heads[static_cast<std::size_t>(i)].points;
            ASSERT_EQ(p.size(), 3u);
            const double base = form == ArrowForm::Right ? 112 + 25.2 * i : 112 + 80 - 25.2 * i;
            EXPECT_NEAR(p[0].x, base, 1E-9);
            EXPECT_NEAR(p[1].x, base, 1E-9);
            EXPECT_DOUBLE_EQ(p[0].y, 70);
            EXPECT_DOUBLE_EQ(p[1].y, 91);
            EXPECT_DOUBLE_EQ(p[2].y, 80.5);
            EXPECT_NEAR(p[2].x - base, form == ArrowForm::Right ? 29.4 : -29.4, 1E-9) << "tip";
        }
    }
}

TEST(ReportLayout, DirectionChoosesTheArrowOnThePage) {
    UnitDatabase db = ManyUnits(2);
    const ReportPage right = Build(db, 1, 1, TablePaper::Landscape, TableDirection::RightAndUp).pages[0];
    const ReportPage left = Build(db, 1, 1, TablePaper::Landscape, TableDirection::DownAndLeft).pages[0];
    EXPECT_GT(right.shapes[0].points[2].x, right.shapes[0].points[0].x);
    EXPECT_LT(left.shapes[0].points[2].x, left.shapes[0].points[0].x);
}

} // namespace
} // namespace mensurio
