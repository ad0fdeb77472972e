// SPDX-License-Identifier: MIT
#include "core/tables/TableText.h"

#include "core/db/DatabaseFile.h"
#include "core/db/UnitDatabase.h"
#include "core/engine/CategoryKind.h"

#include "support/TestDatabases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <regex>
#include <string>

namespace mensurio {
namespace {

const NumberSeparators kPoint{'.', ','};

struct FormatCase {
    long double value;
    TableResultFormat format;
    const char *expected;
};

class FormatTableValueTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTableValueTest, WritesTheCell) {
    const FormatCase &c = GetParam();
    EXPECT_EQ(FormatTableValue(c.value, c.format, kPoint), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, FormatTableValueTest,
                         ::testing::Values(
                             // General: fixed between 1E-5 and 1E10, exponent form outside.
                             FormatCase{1E10L, TableResultFormat::General, "1.0000000E10"},
                             FormatCase{9999999999.0L, TableResultFormat::General, "9999999999"},
                             FormatCase{-1E10L, TableResultFormat::General, "-1.0000000E10"},
                             FormatCase{2.5E12L, TableResultFormat::General, "2.5000000E12"},
                             FormatCase{1E100L, TableResultFormat::General, "1.0000000E100"},
                             FormatCase{1E-5L, TableResultFormat::General, "0.00001"},
                             FormatCase{-1E-5L, TableResultFormat::General, "-0.00001"},
                             FormatCase{9.99E-6L, TableResultFormat::General, "9.9900000E-06"},
                             FormatCase{0.0000012345L, TableResultFormat::General, "1.2345000E-06"},
                             FormatCase{1E-100L, TableResultFormat::General, "1.0000000E-100"},
                             FormatCase{0.0L, TableResultFormat::General, "0.0000000E+00"},
                             FormatCase{24.0L, TableResultFormat::General, "24"},
                             FormatCase{-24.0L, TableResultFormat::General, "-24"},
                             FormatCase{1.0L / 24, TableResultFormat::General, "0.0416666667"},
                             FormatCase{1234567.891L, TableResultFormat::General, "1234567.891"},
                             FormatCase{1234567.89123L, TableResultFormat::General, "1234567.8912"},
                             FormatCase{1000.0L, TableResultFormat::General, "1000"},
                             FormatCase{0.001L, TableResultFormat::General, "0.001"},
                             // Scientific: seven decimals, no plus sign, a leading exponent zero dropped.
                             FormatCase{1234.5L, TableResultFormat::Scientific, "1.2345000E03"},
                             FormatCase{0.0000012345L, TableResultFormat::Scientific, "1.2345000E-06"},
                             FormatCase{1E100L, TableResultFormat::Scientific, "1.0000000E100"},
                             FormatCase{0.0L, TableResultFormat::Scientific, "0.0000000E00"},
                             FormatCase{-24.0L, TableResultFormat::Scientific, "-2.4000000E01"},
                             FormatCase{1E10L, TableResultFormat::Scientific, "1.0000000E10"},
                             FormatCase{1E-5L, TableResultFormat::Scientific, "1.0000000E-05"},
                             FormatCase{1.23456789L, TableResultFormat::Scientific, "1.2345679E00"}));

TEST(FormatTableValue, UsesTheLocaleDecimalSeparator) {
    const NumberSeparators comma{',', '.'};
    EXPECT_EQ(FormatTableValue(1.0L / 24, TableResultFormat::General, comma), "0,0416666667");
    EXPECT_EQ(FormatTableValue(24.0L, TableResultFormat::General, comma), "24");
    EXPECT_EQ(FormatTableValue(1234.5L, TableResultFormat::Scientific, comma), "1,2345000E03");
}

TEST(FormatTableValue, ValueOfAZeroFactorIsNotANumber) {
    EXPECT_EQ(
        FormatTableValue(std::numeric_limits<long double>::infinity(), TableResultFormat::General, kPoint),
        "n/a");
    EXPECT_EQ(FormatTableValue(std::numeric_limits<long double>::quiet_NaN(), TableResultFormat::Scientific,
                               kPoint),
              "n/a");
}

// The largest and the smallest factor the shipped database holds (and their quotient, the most
// extreme cell a table can show) are written in the expected form and read back to 8 digits.
TEST(FormatTableValue, ExtremeFactorsOfTheShippedData) {
    UnitDatabase db = test::ShippedDatabase();
    long double largest = 0;
    long double smallest = std::numeric_limits<long double>::max();
    for (const CategoryRecord &category : db.Categories()) {
        if (CategoryKindOf(category.Name) != CategoryKind::Ordinary)
            continue;
        for (const UnitRecord &unit : category.Units) {
            if (unit.Factor <= 0)
                continue;
            largest = std::max(largest, unit.Factor);
            smallest = std::min(smallest, unit.Factor);
        }
    }
    ASSERT_GT(largest, 1E10L);
    ASSERT_LT(smallest, 1E-5L);
    const std::regex general(R"(-?\d\.\d{7}E(\d{2,}|-\d{2,}))");
    const std::regex scientific(R"(-?\d\.\d{7}E-?\d{2,})");
    for (const long double value : {largest, smallest, largest / smallest, smallest / largest}) {
        for (const TableResultFormat format : {TableResultFormat::General, TableResultFormat::Scientific}) {
            const std::string text = FormatTableValue(value, format, kPoint);
            EXPECT_TRUE(std::regex_match(text, format == TableResultFormat::General ? general : scientific))
                << text;
            const long double back = std::strtold(text.c_str(), nullptr);
            EXPECT_NEAR(static_cast<double>(back / value), 1.0, 5E-8) << text;
        }
    }
}

// A fixed-width font: every character 7 pixels wide.
int FixedWidth(const std::string &text) {
    return static_cast<int>(text.size()) * 7;
}

struct WrapCase {
    const char *name;
    int width;
    const char *text;
    std::vector<std::string> pieces;
};

class WrapHeaderTextTest : public ::testing::TestWithParam<WrapCase> {};

TEST_P(WrapHeaderTextTest, BreaksTheName) {
    const WrapCase &c = GetParam();
    const WrappedHeader header = WrapHeaderText(c.name, c.width, FixedWidth);
    EXPECT_EQ(header.text, c.text);
    EXPECT_EQ(header.pieces, c.pieces);
    EXPECT_EQ(header.lines, static_cast<int>(c.pieces.size()));
    for (const std::string &piece : header.pieces)
        EXPECT_LE(FixedWidth(piece), c.width) << piece;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WrapHeaderTextTest,
    ::testing::Values(
        // Fits as it is (blanks around it are stripped).
        WrapCase{"meter", 74, "meter", {"meter"}}, WrapCase{"  meter  ", 35, "meter", {"meter"}},
        // metre/second is 12 characters (84 px): the break comes before the slash.
        WrapCase{"metre/second", 74, "metre /second", {"metre", "/second"}},
        // A blank break: the longest prefix that fits ends before "second".
        WrapCase{"foot per second", 74, "foot per second", {"foot per", "second"}},
        // A closing parenthesis stays on the first line.
        WrapCase{"ton (US)short", 70, "ton (US) short", {"ton (US)", "short"}},
        // Back-slash as a break point.
        WrapCase{"ab\\cdefghijk", 70, "ab \\cdefghijk", {"ab", "\\cdefghijk"}},
        // One long word: forced hyphenation, as many characters as fit with the hyphen.
        WrapCase{"abcdefghijklmnop", 70, "abcdefghi- jklmnop", {"abcdefghi-", "jklmnop"}},
        WrapCase{"abcdefghijklmnopqrstuvwxyz",
                 70,
                 "abcdefghi- jklmnopqr- stuvwxyz",
                 {"abcdefghi-", "jklmnopqr-", "stuvwxyz"}},
        // Recursive pieces of both kinds.
        WrapCase{"kilowatthour per cubic metre",
                 74,
                 "kilowatth- our per cubic metre",
                 {"kilowatth-", "our per", "cubic", "metre"}},
        WrapCase{"British thermal unit/hour",
                 74,
                 "British thermal unit/hour",
                 {"British", "thermal", "unit/hour"}},
        WrapCase{"British thermal unit/minute",
                 74,
                 "British thermal unit /minute",
                 {"British", "thermal", "unit", "/minute"}}));

} // namespace
} // namespace mensurio
