// SPDX-License-Identifier: MIT
// The "dimension:" line of each category: its place, its grammar, the preferred category of
// each dimension, and the C++ table the programs are built with.
#include "core/engine/BuiltinDimensions.h"
#include "tools/makedb/DataSource.h"
#include "tools/makedb/DimensionCompiler.h"
#include "tools/makedb/DimensionsSource.h"
#include "tools/makedb/SourceError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace mensurio {
namespace {

std::vector<CompiledDimension> CompileText(const std::string &text) {
    DataSource source;
    source.ParseText(text, "a.txt");
    return DimensionCompiler::CompileAll(source);
}

// One category "A" with the given dimension line (the text after "dimension:").
std::string WithLine(const std::string &line) {
    return "category: A\ndimension: " + line + "\na | 1 | | s\n";
}

struct DimensionFault {
    const char *Title;
    std::string Text;
    int Line;
    const char *Message;
};

const DimensionFault DimensionFaults[] = {
    {"no dimension line", "category: A\na | 1 | | s\n", 1, "category 'A' has no 'dimension:' line"},
    {"second dimension line", "category: A\ndimension: L | 1\ndimension: M | 1\na | 1 | | s\n", 3,
     "second 'dimension:' line in category 'A' (first at a.txt:2)"},
    {"dimension line after the first unit", "category: A\na | 1 | | s\ndimension: L | 1\n", 3,
     "after the first unit of category 'A'"},
    {"dimension line before any category", "dimension: L | 1\ncategory: A\na | 1 | | s\n", 1,
     "before any 'category:'"},
    {"empty dimension line", WithLine(""), 2, "expected 'dimension: <exponents> | <SI value"},
    {"exponents without SI value", WithLine("L"), 2, "expected 'dimension: <exponents> | <SI value"},
    {"four fields", WithLine("L | 1 | preferred | x"), 2, "expected 'dimension: <exponents> | <SI value"},
    {"no exponents", WithLine(" | 1"), 2, "no exponents"},
    {"unknown symbol", WithLine("L Q | 1"), 2, "unknown dimension symbol 'Q'"},
    {"symbol in other letter case", WithLine("l | 1"), 2, "unknown dimension symbol 'l'"},
    {"space before caret", WithLine("L ^2 | 1"), 2, "exponent '^2' without a symbol"},
    {"symbol twice", WithLine("L M L^2 | 1"), 2, "dimension symbol 'L' given twice"},
    {"one beside a symbol", WithLine("1 L | 1"), 2, "'1' stands alone"},
    {"exponent zero", WithLine("L^0 | 1"), 2, "bad exponent in 'L^0'"},
    {"exponent missing", WithLine("L^ | 1"), 2, "bad exponent in 'L^'"},
    {"sign without digits", WithLine("T^- | 1"), 2, "bad exponent in 'T^-'"},
    {"fractional exponent", WithLine("L^1.5 | 1"), 2, "bad exponent in 'L^1.5'"},
    {"two signs", WithLine("T^--2 | 1"), 2, "bad exponent in 'T^--2'"},
    {"parenthesised exponent", WithLine("T^(-2) | 1"), 2, "bad exponent in 'T^(-2)'"},
    {"exponent too large", WithLine("L^100 | 1"), 2, "bad exponent in 'L^100'"},
    {"second caret", WithLine("L^2^2 | 1"), 2, "bad exponent in 'L^2^2'"},
    {"malformed SI value", WithLine("L | 1 +"), 2, "malformed SI value '1 +'"},
    {"empty SI value", WithLine("L | "), 2, "malformed SI value ''"},
    {"named constant as SI value", WithLine("L | pi"), 2, "malformed SI value 'pi'"},
    {"SI value dividing by zero", WithLine("L | 1/0"), 2, "division by zero"},
    {"zero SI value", WithLine("L | 0"), 2, "must be positive and finite"},
    {"negative SI value", WithLine("L | -0.1"), 2, "must be positive and finite"},
    {"SI value overflowing", WithLine("L | 10^5000"), 2, "malformed SI value"},
    {"SI value beyond the 80-bit range", WithLine("L | 1e-4940"), 2,
     "outside the range of the 80-bit format"},
    {"unknown mark", WithLine("L | 1 | favourite"), 2, "unknown mark 'favourite'"},
    {"preferred on none", WithLine("none | preferred"), 2, "'preferred' on a category without a dimension"},
    {"SI value on none", WithLine("none | 1"), 2, "'none' takes no SI value"},
    {"special category with a dimension",
     "category: Temperature\ndimension: \xCE\x98 | 1\nKelvin | 0 | | s\n", 2, "write 'dimension: none'"},
    {"inverse-unit category with a dimension",
     "category: Frequency Wavelength\ndimension: T^-1 | 1\nhertz | 1 | | s\n", 2, "write 'dimension: none'"},
    {"shared dimension without a preferred category",
     "category: Energy\ndimension: L^2 M T^-2 | 1\nJ | 1 | | s\ncategory: Torque\ndimension: M L^2 T^-2 | 1\n"
     "N m | 1 | | s\n",
     2, "categories 'Energy', 'Torque' share the dimension L^2 M T^-2; mark exactly one of them 'preferred'"},
    {"shared dimension with two preferred categories",
     "category: Energy\ndimension: L^2 M T^-2 | 1 | preferred\nJ | 1 | | s\ncategory: Work\ndimension: M "
     "T^-2 | 1\n"
     "x | 1 | | s\ncategory: Torque\ndimension: T^-2 M L^2 | 1 | preferred\nN m | 1 | | s\n",
     8, "'Torque' is marked 'preferred', but so is 'Energy' (a.txt:2) of the same dimension L^2 M T^-2"},
};

void PrintTo(const DimensionFault &fault, std::ostream *out) {
    *out << fault.Title;
}

std::string FaultName(const testing::TestParamInfo<DimensionFault> &info) {
    std::string name = info.param.Title;
    for (char &c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return name;
}

class DimensionLineFault : public testing::TestWithParam<DimensionFault> {};

TEST_P(DimensionLineFault, CompileAll_faultyLine_stopsAtFileAndLine) {
    const DimensionFault &fault = GetParam();
    try {
        CompileText(fault.Text);
        FAIL() << fault.Title << ": no error";
    } catch (const SourceError &e) {
        EXPECT_EQ(e.File(), "a.txt");
        EXPECT_EQ(e.Line(), fault.Line) << fault.Title << ": " << e.what();
        EXPECT_NE(std::string(e.what()).find(fault.Message), std::string::npos)
            << fault.Title << ": " << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, DimensionLineFault, testing::ValuesIn(DimensionFaults), FaultName);

struct GoodLine {
    const char *Line;
    std::array<int, kDimensionSlots> Exponents;
    long double BaseInSi;
    const char *Text; // as DimensionCompiler::Text writes it
};

const GoodLine GoodLines[] = {
    {"L | 1", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 1.0L, "L"},
    {"M L^-1 T^-2 | 0.1", {-1, 1, -2, 0, 0, 0, 0, 0, 0, 0}, 0.1L, "L^-1 M T^-2"},
    {"L^-1 T | 60/1000", {-1, 0, 1, 0, 0, 0, 0, 0, 0, 0}, 0.06L, "L^-1 T"},
    {"L^+3 | 1e-6", {3, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 1e-6L, "L^3"},
    {"I T M^-1 | 1", {0, -1, 1, 1, 0, 0, 0, 0, 0, 0}, 1.0L, "M^-1 T I"},
    {"\xCE\x98^-1 N^-1 L^2 M T^-2 | 1",
     {2, 1, -2, 0, -1, -1, 0, 0, 0, 0},
     1.0L,
     "L^2 M T^-2 \xCE\x98^-1 N^-1"},
    {"J solidangle L^-2 | 1", {-2, 0, 0, 0, 0, 0, 1, 0, 1, 0}, 1.0L, "L^-2 J solidangle"},
    {"angle T^-1 | 1", {0, 0, -1, 0, 0, 0, 0, 1, 0, 0}, 1.0L, "T^-1 angle"},
    {"bit\tT^-1 | 1/8", {0, 0, -1, 0, 0, 0, 0, 0, 0, 1}, 0.125L, "T^-1 bit"},
    {"L^99 T^-99 | 1", {99, 0, -99, 0, 0, 0, 0, 0, 0, 0}, 1.0L, "L^99 T^-99"},
    {"1 | 0.01", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0.01L, "1"},
    {"  L   M  |  2^-3  |  preferred  ", {1, 1, 0, 0, 0, 0, 0, 0, 0, 0}, 0.125L, "L M"},
};

TEST(Dimensions, Compile_goodLines_giveExponentsAndTheOnceRoundedSiValue) {
    for (const GoodLine &good : GoodLines) {
        const std::vector<CompiledDimension> dimensions = CompileText(WithLine(good.Line));
        ASSERT_EQ(dimensions.size(), 1u) << good.Line;
        const CompiledDimension &dimension = dimensions[0];
        EXPECT_TRUE(dimension.Proportional) << good.Line;
        EXPECT_EQ(dimension.Exponents, good.Exponents) << good.Line;
        EXPECT_EQ(dimension.BaseInSi, good.BaseInSi) << good.Line;
        EXPECT_TRUE(dimension.Preferred) << good.Line; // the only category of its dimension
        EXPECT_EQ(DimensionCompiler::Text(dimension), good.Text) << good.Line;
        EXPECT_EQ(dimension.Line, 2) << good.Line;
    }
}

TEST(Dimensions, CompileAll_sharedDimensions_preferExactlyTheMarkedCategory) {
    const auto dimensions =
        CompileText("category: Temperature\ndimension: none\nKelvin | 0 | | s\n"
                    "category: Torque\ndimension: L^2 M T^-2 | 1\nN m | 1 | | s\n"
                    "category: Length\n# between\ndimension: L | 1\nm | 1 | | s\n"
                    "category: Energy\ndimension: M L^2 T^-2 | 1 | preferred\nJ | 1 | | s\n"
                    "category: Work\ndimension: L^2 M T^-2 | 3.6e6\nkWh | 1 | | s\n"
                    "category: Fractions\ndimension: none\nx | 1 | | s\n");
    ASSERT_EQ(dimensions.size(), 6u);
    const std::vector<bool> proportional = {false, true, true, true, true, false};
    const std::vector<bool> preferred = {false, false, true, true, false, false};
    for (std::size_t i = 0; i < dimensions.size(); ++i) {
        EXPECT_EQ(dimensions[i].Proportional, proportional[i]) << dimensions[i].Category;
        EXPECT_EQ(dimensions[i].Preferred, preferred[i]) << dimensions[i].Category;
    }
    EXPECT_EQ(dimensions[0].Category, "Temperature");
    EXPECT_EQ(DimensionCompiler::Text(dimensions[0]), "none");
    EXPECT_EQ(dimensions[4].BaseInSi, 3.6e6L);
}

TEST(Dimensions, HexLiteral_valuesAcrossTheRange_readBackExactly) {
    const std::vector<std::pair<long double, std::string>> cases = {
        {1.0L, "0x1p0L"},
        {0.5L, "0x1p-1L"},
        {3.0L, "0x1.8p1L"},
        {0.1L, "0x1.999999999999999ap-4L"},
        {1e-6L, "0x1.0c6f7a0b5ed8d36cp-20L"},
        {LDBL_MAX, "0x1.fffffffffffffffep16383L"},
        {LDBL_MIN, "0x1p-16382L"},
        {1.0L + LDBL_EPSILON, "0x1.0000000000000002p0L"},
    };
    for (const auto &[value, expected] : cases) {
        const std::string literal = DimensionsSource::HexLiteral(value);
        EXPECT_EQ(literal, expected);
        EXPECT_EQ(std::strtold(literal.c_str(), nullptr), value) << literal;
    }
}

// The table the programs are built with holds exactly what the data source says.
TEST(Dimensions, BuiltinDimensions_builtTable_matchesTheDataSource) {
    std::vector<std::string> files;
    for (const auto &entry :
         std::filesystem::directory_iterator(std::string(MENSURIO_SOURCE_DIR) + "/data")) {
        if (entry.path().extension() == ".txt")
            files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    DataSource source;
    for (const std::string &file : files)
        source.ParseFile(file);
    std::vector<CompiledDimension> expected;
    for (const CompiledDimension &dimension : DimensionCompiler::CompileAll(source)) {
        if (dimension.Proportional)
            expected.push_back(dimension);
    }
    const auto table = BuiltinDimensions();
    ASSERT_EQ(table.size(), expected.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        const BuiltinDimensionEntry &entry = table[i];
        EXPECT_EQ(entry.category, expected[i].Category);
        EXPECT_TRUE(std::equal(expected[i].Exponents.begin(), expected[i].Exponents.end(), entry.exponents))
            << entry.category;
        EXPECT_EQ(entry.baseInSi, expected[i].BaseInSi) << entry.category;
        EXPECT_EQ(entry.preferred, expected[i].Preferred) << entry.category;
    }
}

} // namespace
} // namespace mensurio
