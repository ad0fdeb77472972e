// SPDX-License-Identifier: MIT
#include "tools/makedb/CategoryCompiler.h"
#include "tools/makedb/DataSource.h"
#include "tools/makedb/SourceError.h"
#include "tools/makedb/tests/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

namespace mensurio {
namespace {

/// Parses and compiles files written into a scratch folder, in the given order.
std::vector<CompiledCategory> CompileFiles(const ScratchFolder &folder,
                                           const std::vector<std::pair<std::string, std::string>> &files) {
    DataSource source;
    for (const auto &[name, text] : files)
        source.ParseFile(folder.Write(name, text));
    return CategoryCompiler::CompileAll(source);
}

struct FaultCase {
    const char *Title;
    std::vector<std::pair<std::string, std::string>> Files;
    const char *File; // where the fault is reported
    int Line;
    const char *Message;
};

const std::string Base = "category: A\nbase | 1 | | s\n";

const FaultCase FaultCases[] = {
    {"unknown reference",
     {{"a.txt", Base + "x | 2 | nothing | s\n"}},
     "a.txt",
     3,
     "unknown reference 'nothing'"},
    {"reference in other letter case",
     {{"a.txt", Base + "x | 2 | Base | s\n"}},
     "a.txt",
     3,
     "did you mean 'base'"},
    {"reference to another category",
     {{"a.txt", Base + "category: B\ny | 1 | | s\nz | 2 | base | s\n"}},
     "a.txt",
     5,
     "unknown reference 'base'"},
    {"cycle of two",
     {{"a.txt", Base + "p | 2 | q | s\nq | 3 | p | s\n"}},
     "a.txt",
     3,
     "cycle of references: p -> q -> p"},
    {"self reference", {{"a.txt", Base + "p | 2 | p | s\n"}}, "a.txt", 3, "cycle of references: p -> p"},
    {"cycle behind a chain",
     {{"a.txt", Base + "r | 2 | p | s\np | 2 | q | s\nq | 3 | p | s\n"}},
     "a.txt",
     4,
     "cycle of references: p -> q -> p"},
    {"duplicate ignoring case",
     {{"a.txt", Base + "BASE | 2 | | s\n"}},
     "a.txt",
     3,
     "duplicate unit name 'BASE'"},
    {"name over 50 bytes",
     {{"a.txt", Base + std::string(51, 'n') + " | 2 | | s\n"}},
     "a.txt",
     3,
     "at most 50"},
    {"character outside Windows-1252",
     {{"a.txt", Base + "ohm \xCE\xA9 | 2 | | s\n"}},
     "a.txt",
     3,
     "Windows-1252 cannot hold"},
    {"invalid UTF-8", {{"a.txt", Base + "bad \xFF | 2 | | s\n"}}, "a.txt", 3, "Windows-1252 cannot hold"},
    {"control character", {{"a.txt", Base + "bad\x01name | 2 | | s\n"}}, "a.txt", 3, "control character"},
    {"malformed value", {{"a.txt", Base + "x | 2 * * 3 | | s\n"}}, "a.txt", 3, "malformed value '2 * * 3'"},
    {"division by zero", {{"a.txt", Base + "x | 1/(1-1) | | s\n"}}, "a.txt", 3, "division by zero"},
    {"empty value", {{"a.txt", Base + "x |  | base | s\n"}}, "a.txt", 3, "has no value"},
    {"missing source", {{"a.txt", Base + "x | 2 | base | \n"}}, "a.txt", 3, "has no source"},
    {"three fields", {{"a.txt", Base + "x | 2 | source\n"}}, "a.txt", 3, "expected 4 fields"},
    {"seven fields", {{"a.txt", Base + "x | 2 | | s | t | u | v\n"}}, "a.txt", 3, "expected 4 fields"},
    {"empty name", {{"a.txt", Base + " | 2 | | s\n"}}, "a.txt", 3, "unit without a name"},
    {"unit before any category",
     {{"a.txt", "# legend\nx | 1 | | s\n"}},
     "a.txt",
     2,
     "before any 'category:'"},
    {"unit lines do not carry over to the next file",
     {{"a.txt", Base}, {"b.txt", "x | 1 | | s\n"}},
     "b.txt",
     1,
     "before any 'category:'"},
    {"category twice in one file",
     {{"a.txt", Base + "category: B\nb | 1 | | s\ncategory: A\n"}},
     "a.txt",
     5,
     "category 'A' appears twice"},
    {"category twice across files",
     {{"a.txt", Base}, {"b.txt", "\ncategory: a\nx | 1 | | s\n"}},
     "b.txt",
     2,
     "appears twice (first at"},
    {"category without units",
     {{"a.txt", "category: Empty\ncategory: B\nb | 1 | | s\n"}},
     "a.txt",
     1,
     "has no units"},
    {"category name over 50 bytes",
     {{"a.txt", "category: " + std::string(51, 'c') + "\nb | 1 | | s\n"}},
     "a.txt",
     1,
     "at most 50"},
    {"zero factor", {{"a.txt", Base + "x | 0 | base | s\n"}}, "a.txt", 3, "factor must be positive"},
    {"negative factor", {{"a.txt", Base + "x | -2 | | s\n"}}, "a.txt", 3, "factor must be positive"},
    {"factor overflowing through a chain",
     {{"a.txt", Base + "x | 1e4000 | | s\ny | 1e933 | x | s\n"}},
     "a.txt",
     4,
     "factor overflows"},
    {"factor below normal 80-bit values",
     {{"a.txt", Base + "x | 1e-4940 | | s\n"}},
     "a.txt",
     3,
     "outside the range"},
    {"unknown temperature scale",
     {{"a.txt", "category: Temperature\nKelvin | 0 | | s\nDelisle | 1 | | s\n"}},
     "a.txt",
     3,
     "no temperature scale"},
    {"number base above 36", {{"a.txt", "category: Numbers\nbase 37 | 37 | | s\n"}}, "a.txt", 2, "2 to 36"},
    {"number base 1", {{"a.txt", "category: Numbers\nunary | 1 | | s\n"}}, "a.txt", 2, "2 to 36"},
    {"fractional number base", {{"a.txt", "category: Numbers\nodd | 2.5 | | s\n"}}, "a.txt", 2, "2 to 36"},
    {"fractions denominator not whole",
     {{"a.txt", "category: Fractions\nas decimal | 1 | | s\nnearest 1/2.5 | 2.5 | | s\n"}},
     "a.txt",
     3,
     "factor is its denominator"},
    {"fractions negative denominator",
     {{"a.txt", "category: Fractions\nx | -2 | | s\n"}},
     "a.txt",
     2,
     "factor is its denominator"},
    {"fractions denominator too large",
     {{"a.txt", "category: Fractions\nnearest 1/2000000 | 2000000 | | s\n"}},
     "a.txt",
     2,
     "factor is its denominator"},
    {"fractions nearest unit misnamed",
     {{"a.txt", "category: Fractions\nnearest 1/8 | 16 | | s\n"}},
     "a.txt",
     2,
     "factor 16 rounds to the nearest 1/16"},
    {"fractions ratio unit",
     {{"a.txt", "category: Fractions\nas decimal | 1 | | s\nhalf | 0.5 | | s\n"}},
     "a.txt",
     3,
     "factor is its denominator"},
    {"fractions nearest name on a decimal",
     {{"a.txt", "category: Fractions\nnearest 1/1 | 1 | | s\n"}},
     "a.txt",
     2,
     "needs its denominator"},
    {"inverse name in other letter case",
     {{"a.txt", "category: Fuel Efficiency\nmeter/liter | 1 | | s\nLiter/100 km | 100 | meter/liter | s\n"}},
     "a.txt",
     3,
     "in letter case only"},
    {"currency with a shipped rate",
     {{"a.txt", "category: Currency\neuro (EUR) | 1 | | s\nUS dollar (USD) | 0.92 | | s\n"}},
     "a.txt",
     3,
     "no exchange rate is shipped"},
    {"currency without its code",
     {{"a.txt", "category: Currency\neuro (EUR) | 1 | | s\nUS dollar | 0 | | s\n"}},
     "a.txt",
     3,
     "ends with its ISO 4217 code"},
    {"currency euro not the base",
     {{"a.txt", "category: Currency\neuro (EUR) | 2 | | s\n"}},
     "a.txt",
     2,
     "the euro is the base"},
    {"currency code twice",
     {{"a.txt",
       "category: Currency\neuro (EUR) | 1 | | s\ndollar (USD) | 0 | | s\nUS dollar (USD) | 0 | | s\n"}},
     "a.txt",
     4,
     "USD is given twice"},
    {"currency without the euro",
     {{"a.txt", "category: Currency\nUS dollar (USD) | 0 | | s\n"}},
     "a.txt",
     1,
     "needs the euro"},
    {"wavelength without a fixed inverse name",
     {{"a.txt",
       "category: Frequency Wavelength\nhertz | 1 | | s\nwavelength in nanometres | 1 | hertz | s\n"}},
     "a.txt",
     3,
     "not one of the wavelength names"},
};

void PrintTo(const FaultCase &fault, std::ostream *out) {
    *out << fault.Title;
}

std::string FaultName(const testing::TestParamInfo<FaultCase> &info) {
    std::string name = info.param.Title;
    for (char &c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return name;
}

class GeneratorFault : public testing::TestWithParam<FaultCase> {};

TEST_P(GeneratorFault, Compile_faultyData_stopsAtFileAndLine) {
    const FaultCase &fault = GetParam();
    ScratchFolder folder;
    try {
        CompileFiles(folder, fault.Files);
        FAIL() << fault.Title << ": no error";
    } catch (const SourceError &e) {
        EXPECT_EQ(e.File(), folder.Path(fault.File)) << fault.Title;
        EXPECT_EQ(e.Line(), fault.Line) << fault.Title << ": " << e.what();
        const std::string expectedStart = folder.Path(fault.File) + ":" + std::to_string(fault.Line) + ": ";
        EXPECT_EQ(std::string(e.what()).rfind(expectedStart, 0), 0u) << e.what();
        EXPECT_NE(std::string(e.what()).find(fault.Message), std::string::npos)
            << fault.Title << ": " << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, GeneratorFault, testing::ValuesIn(FaultCases), FaultName);

TEST(Generator, ParseFile_missingFile_reportsTheFile) {
    ScratchFolder folder;
    DataSource source;
    try {
        source.ParseFile(folder.Path("absent.txt"));
        FAIL() << "no error";
    } catch (const SourceError &e) {
        EXPECT_EQ(e.File(), folder.Path("absent.txt"));
        EXPECT_NE(std::string(e.what()).find("cannot open"), std::string::npos);
    }
}

TEST(Generator, Compile_referenceChains_multiplyAndKeepTheDirectOrigin) {
    ScratchFolder folder;
    const auto categories = CompileFiles(
        folder, {{"a.txt", "category: Chain\nc | 2 | b | s\nb | 3 | a | s\na | 1.5 | | s\nd | 0.1 | | s\n"}});
    ASSERT_EQ(categories.size(), 1u);
    const auto &units = categories[0].Units;
    ASSERT_EQ(units.size(), 4u);
    EXPECT_EQ(units[0].Name, "c");
    EXPECT_EQ(units[0].Factor, 9.0L);
    EXPECT_EQ(units[0].OriginUnit, "b");
    EXPECT_EQ(units[1].Factor, 4.5L);
    EXPECT_EQ(units[1].OriginUnit, "a");
    EXPECT_EQ(units[2].OriginUnit, "");
    EXPECT_EQ(units[3].Factor, 0.1L); // correctly rounded, as strtold gives it
    for (std::size_t i = 0; i < units.size(); ++i)
        EXPECT_EQ(units[i].DefaultOrder, static_cast<int>(i) + 1);
}

TEST(Generator, Compile_chainOfInexactSteps_roundsOnlyOnce) {
    // 0.1 x 1.1^30 by a chain of 30 references, each step inexact in binary: rounding
    // every step to 80 bits ends one unit in the last place away from the exact value.
    ScratchFolder folder;
    std::string text = "category: C\nu0 | 0.1 | | s\n";
    for (int i = 1; i <= 30; ++i)
        text += "u" + std::to_string(i) + " | 1.1 | u" + std::to_string(i - 1) + " | s\n";
    const auto categories = CompileFiles(folder, {{"a.txt", text}});
    const long double exact = strtold("1.7449402268886407318558803753801", nullptr); // exactly 11^30 / 10^31
    EXPECT_EQ(categories[0].Units.back().Factor, exact);
}

TEST(Generator, ParseText_commentsBlankLinesBomAndCrLf_areAccepted) {
    ScratchFolder folder;
    const auto categories = CompileFiles(
        folder,
        {{"a.txt",
          "\xEF\xBB\xBF# legend\r\n\r\ncategory:   Spaced Name  \r\n  unit one |1| |s  \r\n   # note\r\n"}});
    ASSERT_EQ(categories.size(), 1u);
    EXPECT_EQ(categories[0].Name, "Spaced Name");
    ASSERT_EQ(categories[0].Units.size(), 1u);
    EXPECT_EQ(categories[0].Units[0].Name, "unit one");
}

TEST(Generator, Compile_utf8Names_becomeWindows1252WithinFiftyBytes) {
    ScratchFolder folder;
    std::string fifty;
    for (int i = 0; i < 50; ++i)
        fifty += "\xC3\xA9"; // 100 bytes of UTF-8, 50 in Windows-1252
    const auto categories =
        CompileFiles(folder, {{"a.txt", "category: Temperature\nR\xC3\xA9"
                                        "aumur | 491.67 | | s\n"
                                        "Kelvin | 0 | | s\ncategory: B\n" +
                                            fifty + " | 1 | | s\nmeter\xC2\xB2 | 1 | | s\n"}});
    EXPECT_EQ(categories[0].Units[0].Name, "R\xE9"
                                           "aumur");
    EXPECT_EQ(categories[0].Units[1].Factor, 0.0L);
    EXPECT_EQ(categories[1].Units[0].Name, std::string(50, '\xE9'));
    EXPECT_EQ(categories[1].Units[1].Name, "meter\xB2");
}

TEST(Generator, Compile_numberSystems_acceptRomanZeroAndBase36) {
    ScratchFolder folder;
    const auto categories = CompileFiles(
        folder, {{"a.txt", "category: Numbers\nRoman | 0 | | s\nbinary | 2 | | s\nbase 36 | 36 | | s\n"}});
    EXPECT_EQ(categories[0].Units[0].Factor, 0.0L);
    EXPECT_EQ(categories[0].Units[2].Factor, 36.0L);
}

TEST(Generator, Compile_fractions_acceptDecimalFractionAndNearestDenominators) {
    ScratchFolder folder;
    const auto categories = CompileFiles(
        folder,
        {{"a.txt",
          "category: Fractions\nas decimal | 1 | | s\nas fraction | 0 | | s\nnearest 1/16 | 16 | | s\n"
          "nearest 1/32 | 2 | nearest 1/16 | s\n"}});
    EXPECT_EQ(categories[0].Units[1].Factor, 0.0L);
    EXPECT_EQ(categories[0].Units[3].Factor, 32.0L);
}

} // namespace
} // namespace mensurio
