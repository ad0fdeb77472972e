// SPDX-License-Identifier: MIT
#include "core/engine/EverydayInput.h"

#include "core/engine/BuiltinAliases.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace mensurio {
namespace {

constexpr BuiltinAliasEntry kAliases[] = {
    {"Length", "foot", "ft", "feet", "ft"},
    {"Length", "inch", "in", "inches", "in"},
    {"Length", "meter", "m", "meters\nmetre\nmetres", "m"},
    {"Length", "megameter", "Mm", "", "Mm"},
    {"Length", "millimeter", "mm", "", "mm"},
    {"Length", "mile", "mi", "miles", "mi"},
    {"Length", "kilometer/hour", "km/h\nkph", "", "km/h"},
    {"Time", "hour", "h", "hours\nhrs", "h"},
};

class EverydayInputTest : public ::testing::Test {
  protected:
    EverydayInputTest() {
        const std::vector<std::string> names = {
            "foot",       "inch",          "meter",       "megameter",  "mile",           "kilometer/hour",
            "millimeter", "furlong (fur)", "gallon (US)", "quart (US)", "mile/hour (mph)"};
        for (const std::string &name : names)
            m_known.push_back({name, 1.0L, false});
        std::stable_sort(m_known.begin(), m_known.end(), [](const KnownUnit &a, const KnownUnit &b) {
            return a.name.size() > b.name.size();
        });
        m_aliases = UnitAliases(kAliases, "Length", names);
    }

    EverydayInput Read(std::string_view text, char decimalMark = '.') const {
        return ReadEverydayInput(text, m_known, m_aliases, decimalMark);
    }

    std::vector<KnownUnit> m_known;
    UnitAliases m_aliases;
};

struct ReadCase {
    const char *typed;
    const char *text;    // what the parse is given; ignored when message is set
    const char *message; // the refusal, or ""
    char decimalMark = '.';
};

class EverydayReadTest : public EverydayInputTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(EverydayReadTest, ReadEverydayInput_rewritesOrRefuses) {
    const ReadCase &c = GetParam();
    const EverydayInput read = Read(c.typed, c.decimalMark);
    EXPECT_EQ(read.message, c.message) << c.typed;
    if (read.message.empty()) {
        EXPECT_EQ(read.text, c.text) << c.typed;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Everyday, EverydayReadTest,
    ::testing::Values(
        // Symbols and spellings as whole words, with or without a space before them.
        ReadCase{"5 ft", "5foot", ""}, ReadCase{"5ft", "5foot", ""}, ReadCase{"3 feet", "3foot", ""},
        ReadCase{"3 FEET", "3foot", ""}, ReadCase{"2 Foot", "2foot", ""}, ReadCase{"2 metres", "2meter", ""},
        ReadCase{"1 inches", "1inch", ""}, ReadCase{"5m", "5meter", ""}, ReadCase{"5 Mm", "5megameter", ""},
        ReadCase{"5 mm", "5millimeter", ""}, ReadCase{"2 mile", "2mile", ""}, ReadCase{"2 mi", "2mile", ""},
        ReadCase{"100 km/h", "100kilometer/hour", ""}, ReadCase{"9 fur", "9furlong (fur)", ""},
        ReadCase{"9 mph", "9mile/hour (mph)", ""},
        // Quantities side by side add up; a quantity after '/' is one operand.
        ReadCase{"5 ft 3 in", "5foot+3inch", ""}, ReadCase{"5 foot 3 inch", "5foot+3inch", ""},
        ReadCase{"(5) foot + (3) inch", "(5)foot+(3)inch", ""},
        ReadCase{"foot (5) + inch (3)", "foot(5)+inch(3)", ""}, ReadCase{"10 ft / 2", "10foot/2", ""},
        ReadCase{"10 / 2 ft", "10/(2 foot)", ""},
        // Mixed numbers, groups of three digits, numbers side by side.
        ReadCase{"1 3/4", "(1+3/4)", ""}, ReadCase{"-1 3/4", "-(1+3/4)", ""},
        ReadCase{"5 1/2 in", "(5+1/2)inch", ""}, ReadCase{"1 000", "1000", ""},
        ReadCase{"12 345 678", "12345678", ""}, ReadCase{"1 000,5", "1000,5", ""},
        ReadCase{"2 3", "", "two numbers side by side: '2 3'"},
        ReadCase{"12 34", "", "two numbers side by side: '12 34'"},
        // Decimal marks and grouping.
        ReadCase{"1,5", "1,5", ""}, ReadCase{"1.5", "1.5", ""}, ReadCase{"12,345.6", "12345.6", ""},
        ReadCase{"1,234,567", "1234567", ""}, ReadCase{"12.345,6", "12345.6", ""},
        ReadCase{"1.000", "1.000", ""}, ReadCase{"0,500", "0,500", ""}, ReadCase{"1,0000", "1,0000", ""},
        ReadCase{"1,000", "", "'1,000' is ambiguous: 1000 or 1?"},
        ReadCase{"1,500 ft", "", "'1,500' is ambiguous: 1500 or 1.5?"},
        ReadCase{"1.500", "", "'1.500' is ambiguous: 1500 or 1,5?", ','}, ReadCase{"1,500", "1,500", "", ','},
        // Words that name no unit.
        ReadCase{"5 fot", "", "unknown unit 'fot'; did you mean foot (ft)?"},
        ReadCase{"5 qwxyz", "", "unknown unit 'qwxyz'"},
        // A symbol never matches inside a longer word, a slash symbol not before '^'.
        ReadCase{"5 mix", "", "unknown unit 'mix'; did you mean mile (mi)?"},
        ReadCase{"1e3 ft", "1e3foot", ""}, ReadCase{"2*3", "2*3", ""}));

TEST_F(EverydayInputTest, ReadEverydayInput_oneNumberWithItsUnit_namesBoth) {
    const EverydayInput read = Read("-72 mi");
    EXPECT_EQ(read.singleUnit, "mile");
    EXPECT_EQ(read.singleNumber, "-72");
    EXPECT_TRUE(Read("72 mi + 3 ft").singleUnit.empty());
}

TEST_F(EverydayInputTest, ReadEverydayInput_overTheLengthLimit_saysWhichLimit) {
    EXPECT_EQ(Read(std::string(10001, '1')).message, "input longer than 10,000 characters");
}

TEST(UnitAliasesTest, ParenthesisedEnding_isAnAliasOnlyWhenUnique) {
    const UnitAliases aliases({}, "Volume", {"gallon (US)", "quart (US)", "furlong (fur)"});
    EXPECT_EQ(aliases.UnitNamed("fur"), "furlong (fur)");
    EXPECT_EQ(aliases.UnitNamed("US"), "");
    EXPECT_EQ(aliases.UnitNamed("GALLON (us)"), "gallon (US)");
}

} // namespace
} // namespace mensurio
