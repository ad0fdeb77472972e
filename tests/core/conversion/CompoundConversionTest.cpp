// SPDX-License-Identifier: MIT
#include "ConversionFixture.h"

#include "core/engine/CompoundConversion.h"

#include <cctype>
#include <cmath>

namespace mensurio::testing {
namespace {

constexpr long double kYard = 0.9144L;
constexpr long double kFoot = 0.3048L;
constexpr long double kInch = 0.0254L;

struct SplitCase {
    const char *name;
    std::vector<long double> values;
    std::vector<long double> factors;
    bool inverse;
    std::vector<long double> parts;
};

class SplitCompoundTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitCompoundTest, SplitCompound_givesWholePartsAndTheRemainderLast) {
    const SplitCase &c = GetParam();
    const std::vector<long double> parts = SplitCompound(c.values, c.factors, c.inverse);
    ASSERT_EQ(parts.size(), c.parts.size());
    for (std::size_t i = 0; i < parts.size(); ++i)
        EXPECT_NEAR(static_cast<double>(parts[i]), static_cast<double>(c.parts[i]), 1e-9)
            << c.name << " part " << i;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i)
        EXPECT_EQ(parts[i], std::trunc(parts[i])) << c.name << " part " << i << " is not whole";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitCompoundTest,
    ::testing::Values(
        SplitCase{"four feet", {4 * kFoot}, {kYard, kFoot}, false, {1, 1}},
        SplitCase{"two and a half feet", {2.5L * kFoot}, {kYard, kFoot}, false, {0, 2.5L}},
        SplitCase{"negative", {-4 * kFoot}, {kYard, kFoot}, false, {-1, -1}},
        SplitCase{"foot minus inch, carried", {kFoot, -kInch}, {kFoot, kInch}, false, {0, 11}},
        SplitCase{"terms summing past a foot", {11 * kInch, 2 * kInch}, {kFoot, kInch}, false, {1, 1}},
        SplitCase{
            "hair below a yard counts as a yard", {kYard - kYard * 4e-17L}, {kYard, kFoot}, false, {1, 0}},
        SplitCase{"clearly below a yard stays below",
                  {kYard * (1 - 1e-12L)},
                  {kYard, kFoot},
                  false,
                  {0, 3 * (1 - 1e-12L)}},
        SplitCase{
            "three units, middle zero", {1609.344L + kInch}, {1609.344L, kFoot, kInch}, false, {1, 0, 1}},
        SplitCase{"inverse form", {1250}, {0.001L, 100}, true, {1, 25000}}),
    [](const auto &info) {
        std::string name = info.param.name;
        for (char &c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(SplitCompoundTest, SplitCompound_hairBelowAYard_neverShowsNinesInTheLargerUnit) {
    const auto parts =
        SplitCompound(std::vector<long double>{kYard - kYard * 4e-17L}, std::vector{kYard, kFoot}, false);
    EXPECT_EQ(parts[0], 1.0L);
    EXPECT_LT(std::fabs(static_cast<double>(parts[1])), 1e-12);
}

class CompoundConvertTest : public ConversionFixture {
  protected:
    void SetUp() override { Load("Length"); }
    std::string Styled(std::string_view input, CompoundStyle style) {
        ConversionRequest request = Request(input, {"foot"}, {"yard", "foot"});
        request.compoundStyle = style;
        return m_engine.Convert(request).outputText.value_or("");
    }
};

TEST_F(CompoundConvertTest, Convert_threeStyles_writePartsBesideNames) {
    EXPECT_EQ(Styled("4", CompoundStyle::ParenthesisedValue), "(1) yard + (1) foot");
    EXPECT_EQ(Styled("4", CompoundStyle::PlainValue), "1 yard + 1 foot");
    EXPECT_EQ(Styled("4", CompoundStyle::UnitFirst), "yard (1) + foot (1)");
    EXPECT_EQ(Styled("2.5", CompoundStyle::ParenthesisedValue), "(0) yard + (2.5) foot");
    EXPECT_EQ(Styled("-4", CompoundStyle::PlainValue), "-1 yard + -1 foot");
}

TEST_F(CompoundConvertTest, RenderCompound_partsOneAndThree_matchEachStyle) {
    std::vector<const CategoryUnit *> units;
    for (const CategoryUnit *unit : m_engine.OutputOrder()) {
        if (unit->record.Name == "yard" || unit->record.Name == "foot")
            units.push_back(unit);
    }
    const std::vector<long double> parts{1, 3};
    EXPECT_EQ(RenderCompound(units, parts, CompoundStyle::ParenthesisedValue, {}).text,
              "(1) yard + (3) foot");
    EXPECT_EQ(RenderCompound(units, parts, CompoundStyle::PlainValue, {}).text, "1 yard + 3 foot");
    EXPECT_EQ(RenderCompound(units, parts, CompoundStyle::UnitFirst, {}).text, "yard (1) + foot (3)");
    EXPECT_EQ(RenderCompound(units, parts, CompoundStyle::ParenthesisedValue, {}).plainText, "");
}

TEST_F(CompoundConvertTest, Convert_outputsSelectedInAnyOrder_listLargestUnitFirst) {
    ConversionRequest request = Request("1 mile + 1 foot + 1 inch", {}, {"inch", "mile", "foot"});
    const ConversionResult result = m_engine.Convert(request);
    EXPECT_EQ(result.outputText, "(1) mile + (1) foot + (1) inch");
    EXPECT_EQ(result.compoundText, "(1) mile + (1) foot + (1) inch");
    EXPECT_TRUE(result.resultValid);
}

TEST_F(CompoundConvertTest, Convert_compoundInputIntoTwoUnits_splitsTermsWithCarry) {
    EXPECT_EQ(Output("(1) foot - (1) inch", {}, {"foot", "inch"}), "(0) foot + (11) inch");
}

TEST_F(CompoundConvertTest, Convert_thousandsFormat_buildsPlainTextForTypingBack) {
    ConversionRequest request = Request("9000.75", {"foot"}, {"yard", "foot"});
    request.format.resultFormat = ResultFormat::FixedThousands;
    request.format.decimalPlaces = 2;
    const ConversionResult result = m_engine.Convert(request);
    EXPECT_EQ(result.outputText, "(3,000.00) yard + (0.75) foot");
    EXPECT_EQ(result.compoundPlainText, "(3000.00) yard + (0.75) foot");
    request.format.resultFormat = ResultFormat::Fixed;
    EXPECT_EQ(m_engine.Convert(request).compoundPlainText, "");
}

class UnitTermEditingTest : public ConversionFixture {
  protected:
    void SetUp() override { Load("Length"); }
    // Reads the text once so that the engine knows the units it names.
    void Read(std::string_view text) { m_engine.Convert(Request(text, {"foot"}, {"inch"})); }
};

TEST_F(UnitTermEditingTest, AppendThenRemove_roundTripsTheTypedText) {
    Read("(5) foot");
    const ListSelection both = Select({"foot", "inch"});
    const std::string appended = m_engine.AppendUnitTemplates(
        m_engine.RemoveDeselectedUnitTerms("(5) foot", both), both, CompoundStyle::ParenthesisedValue);
    EXPECT_EQ(appended, "(5) foot + (0) inch");
    Read(appended);
    EXPECT_EQ(m_engine.RemoveDeselectedUnitTerms(appended, Select({"foot"})), "(5) foot");
    Read(appended);
    EXPECT_EQ(m_engine.RemoveDeselectedUnitTerms(appended, Select({})), "");
    EXPECT_EQ(Output("", {}, {"inch"}), "no unit selected");
}

TEST_F(UnitTermEditingTest, AppendUnitTemplates_stylesAndFirstUnit) {
    Read("7");
    const ListSelection selection = Select({"inch", "foot", "meter"});
    EXPECT_EQ(m_engine.AppendUnitTemplates("", selection, CompoundStyle::ParenthesisedValue),
              "(0) meter + (0) foot + (0) inch");
    EXPECT_EQ(m_engine.AppendUnitTemplates("", selection, CompoundStyle::PlainValue),
              "0 meter + 0 foot + 0 inch");
    EXPECT_EQ(m_engine.AppendUnitTemplates("", selection, CompoundStyle::UnitFirst),
              "meter (0) + foot (0) + inch (0)");
    Read("2 foot  ");
    EXPECT_EQ(m_engine.AppendUnitTemplates("2 foot  ", selection, CompoundStyle::UnitFirst),
              "2 foot + meter (0) + inch (0)");
}

struct RemovalCase {
    const char *text;
    const char *kept; // the unit still selected; "" for none
    const char *expected;
};

class RemovalTest : public UnitTermEditingTest, public ::testing::WithParamInterface<RemovalCase> {};

TEST_P(RemovalTest, RemoveDeselectedUnitTerms_deletesWholeTermsOfDeselectedUnits) {
    const RemovalCase &c = GetParam();
    Read(c.text);
    const ListSelection selection = std::string_view(c.kept).empty() ? Select({}) : Select({c.kept});
    EXPECT_EQ(m_engine.RemoveDeselectedUnitTerms(c.text, selection), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RemovalTest,
    ::testing::Values(RemovalCase{"(5) foot + (3) inch", "foot", "(5) foot"},
                      RemovalCase{"(5) foot + (3) inch", "inch", "(3) inch"},
                      RemovalCase{"(5) foot - (3) inch", "inch", "- (3) inch"},
                      RemovalCase{"(5) foot + ((3) inch)", "foot", "(5) foot"},
                      RemovalCase{"(1.5e-3) foot + 2*(3+4) inch", "inch", "2*(3+4) inch"},
                      RemovalCase{"1.5E+3 foot + (2) inch", "inch", "(2) inch"},
                      RemovalCase{"(5) survey foot + (1) foot", "foot", "(1) foot"},
                      RemovalCase{"(5) survey foot + (1) foot", "survey foot", "(5) survey foot"},
                      // A typed 255 or 254 byte is text, never a marker of a removed or kept name.
                      RemovalCase{"(2) foot\xFF + (3) inch", "foot", "(2) foot\xFF"},
                      RemovalCase{"(2) foot + (3) inch \xFE", "foot", "(2) foot \xFE"}));

TEST_F(UnitTermEditingTest, RemoveDeselectedUnitTerms_forgetsRemovedUnitsAsUsed) {
    Read("(5) foot + (3) inch");
    ASSERT_EQ(m_engine.UsedUnits().size(), 2U);
    m_engine.RemoveDeselectedUnitTerms("(5) foot + (3) inch", Select({"foot"}));
    ASSERT_EQ(m_engine.UsedUnits().size(), 1U);
    EXPECT_EQ(m_engine.UsedUnits().front()->record.Name, "foot");
    // inch is new again, so a template is appended for it.
    EXPECT_EQ(m_engine.AppendUnitTemplates("(5) foot", Select({"foot", "inch"}), CompoundStyle::PlainValue),
              "(5) foot + 0 inch");
}

TEST(SyncInputSelectionTest, SyncInputSelection_plainInputWithOneOrNoRow_isUnchanged) {
    ListSelection one = ListSelection::Single(4, 2);
    EXPECT_EQ(SyncInputSelection(one, false, {}), one);
    ListSelection none;
    none.selected.assign(4, false);
    EXPECT_EQ(SyncInputSelection(none, false, {}), none);
}

} // namespace
} // namespace mensurio::testing
