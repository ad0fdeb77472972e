// SPDX-License-Identifier: MIT
#include "core/engine/UnitExpressionText.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace mensurio {
namespace {

const std::vector<KnownUnit> kUnits = {
    {"gallons (US)/mile", 1.0L, false},
    {"square foot", 0.09290304L, false},
    {"m3(x)", 2.0L, false},
    {"foot", 0.3048L, false},
    {"inch", 0.0254L, false},
    {"a,b", 3.0L, false},
    {"aa", 5.0L, false},
};

struct TextCase {
    const char *typed;
    const char *marked;   // after MarkUnitNames
    const char *prepared; // after NormalizeUnitText
};

std::ostream &operator<<(std::ostream &os, const TextCase &c) {
    return os << '"' << c.typed << '"';
}

class UnitTextTable : public ::testing::TestWithParam<TextCase> {};

TEST_P(UnitTextTable, MarkAndNormalize_giveTreeText) {
    ShadowText marked = MarkUnitNames(GetParam().typed, kUnits);
    EXPECT_EQ(marked.text, GetParam().marked);
    ASSERT_EQ(marked.shadow.size(), marked.text.size());
    NormalizeUnitText(marked);
    EXPECT_EQ(marked.text, GetParam().prepared);
    EXPECT_EQ(marked.shadow.size(), marked.text.size());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnitTextTable,
    ::testing::Values(TextCase{"5 foot + 3 inch", "5 (foot) + 3 (inch)", "5*(foot)+3*(inch)"},
                      TextCase{"5 foot 3 inch", "5 (foot) 3 (inch)", "5*(foot)*3*(inch)"},
                      TextCase{"-(2+3)", "-(2+3)", "-1*(2+3)"}, TextCase{"+(2)", "+(2)", "+1*(2)"},
                      TextCase{"2-(3)", "2-(3)", "2-1*(3)"}, TextCase{"-foot", "-(foot)", "-1*(foot)"},
                      TextCase{"1 000", "1 000", "1000"}, TextCase{"1,5 foot", "1,5 (foot)", "1.5*(foot)"},
                      TextCase{"(1)(2)", "(1)(2)", "(1)*(2)"}, TextCase{"(2)3", "(2)3", "(2)*3"},
                      TextCase{")2", ")2", ")2"}, TextCase{"5(foot)", "5((foot))", "5*((foot))"},
                      TextCase{"2 square foot", "2 (square foot)", "2*(square foot)"},
                      TextCase{"3 gallons (US)/mile", "3 (gallons (US)/mile)", "3*(gallons (US)/mile)"},
                      TextCase{"2,5 a,b", "2,5 (a,b)", "2.5*(a,b)"},
                      // Names keep their inner characters: no '*' between "3" and "(x)".
                      TextCase{"2 m3(x)", "2 (m3(x))", "2*(m3(x))"}, TextCase{"aaa", "(aa)a", "(aa)a"},
                      TextCase{"Foot", "Foot", "Foot"}, TextCase{"", "", ""}));

TEST(MarkUnitNames, MarkUnitNames_usedUnits_inListOrderEachOnce) {
    const ShadowText marked = MarkUnitNames("inch + 2 foot + 3 inch + square foot", kUnits);
    EXPECT_EQ(marked.usedUnits, (std::vector<std::size_t>{1, 3, 4}));
    EXPECT_EQ(marked.usedNames, (std::vector<std::string>{"square foot", "foot", "inch"}));
}

TEST(MarkUnitNames, MarkUnitNames_shorterNameInsideLongerOne_isNotFound) {
    const ShadowText marked = MarkUnitNames("2 square foot", kUnits);
    EXPECT_EQ(marked.usedNames, std::vector<std::string>{"square foot"});
    // The name's characters are masked in the shadow, its parentheses are not.
    EXPECT_EQ(marked.shadow[2], '(');
    for (std::size_t i = 3; i < 3 + 11; ++i)
        EXPECT_EQ(marked.shadow[i], kUnitNameMarker);
    EXPECT_EQ(marked.shadow[14], ')');
}

TEST(MarkUnitNames, MarkUnitNames_bytes254And255_areOrdinaryCharacters) {
    // Bytes 254 and 255 are typeable in Windows-1252; they neither mask nor hide a name.
    const std::string thorn = "\xFE";
    const std::vector<KnownUnit> units = {{"x" + thorn + "\xFF", 1.0L, false}, {"foot", 0.3048L, false}};
    const ShadowText marked = MarkUnitNames(thorn + "\xFF foot 2 x" + thorn + "\xFF", units);
    EXPECT_EQ(marked.usedUnits, (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(marked.text, thorn + "\xFF (foot) 2 (x" + thorn + "\xFF)");
}

TEST(MarkUnitNames, MarkUnitNames_emptyName_isSkipped) {
    const std::vector<KnownUnit> units = {{"", 1.0L, false}, {"foot", 0.3048L, false}};
    const ShadowText marked = MarkUnitNames("2 foot", units);
    EXPECT_EQ(marked.text, "2 (foot)");
    EXPECT_EQ(marked.usedUnits, std::vector<std::size_t>{1});
}

} // namespace
} // namespace mensurio
