// SPDX-License-Identifier: MIT
#include "ConversionFixture.h"

#include "core/engine/RequestSettings.h"
#include "core/settings/ProgramSettings.h"

#include <random>

namespace mensurio::testing {
namespace {

class EngineTest : public ConversionFixture {
  protected:
    void SetUp() override { Load("Length"); }
};

struct ReadCase {
    const char *input;
    const char *expected; // foot into inch
};

class EngineReadInputTest : public EngineTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(EngineReadInputTest, Convert_footToInch_readsNumberThenExpressionThenUnits) {
    EXPECT_EQ(Output(GetParam().input, {"foot"}, {"inch"}), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(ReadingOrder, EngineReadInputTest,
                         ::testing::Values(ReadCase{"", "0"},          // empty converts 0
                                           ReadCase{"1,5", "18"},      // comma as decimal mark
                                           ReadCase{"1.5", "18"},      //
                                           ReadCase{"2*3", "72"},      // plain expression
                                           ReadCase{"2 * 3", "72"},    // spaces: unit-aware form
                                           ReadCase{"1 000", "12000"}, // spaces removed there
                                           ReadCase{"1 3/4", "21"},    // a mixed number
                                           ReadCase{"-(2+3)", "-60"},  // unit-aware form only
                                           ReadCase{"5 foot + 3 inch", "63"},
                                           ReadCase{"2 survey foot", "24.000048"}, // longest name wins
                                           ReadCase{"1e9999", "INF"}));

TEST_F(EngineTest, Convert_compoundInput_selectsExactlyItsUnitsAndIgnoresListSelection) {
    const ConversionResult result = m_engine.Convert(Request("5 foot + 3 inch", {"mile", "meter"}, {"inch"}));
    EXPECT_EQ(result.outputText, "63");
    EXPECT_TRUE(result.compound);
    ASSERT_TRUE(result.inputSelection);
    EXPECT_EQ(result.inputSelection->SelectedCount(), 2);
    EXPECT_TRUE(result.inputSelection->IsSelected(Row("foot")));
    EXPECT_TRUE(result.inputSelection->IsSelected(Row("inch")));
}

TEST_F(EngineTest, Convert_halfTypedExpression_keepsTheInputUnitForTheNextKey) {
    // Typing "5*2" passes through "5*", which no reading accepts and which names no unit.
    const ConversionResult partial = m_engine.Convert(Request("5*", {"foot"}, {"inch"}));
    ASSERT_TRUE(partial.outputText);
    EXPECT_NE(*partial.outputText, "no unit selected");
    if (partial.inputSelection) {
        EXPECT_TRUE(partial.inputSelection->IsSelected(Row("foot")));
        EXPECT_EQ(partial.inputSelection->SelectedCount(), 1);
    }
    EXPECT_EQ(Output("5*2", {"foot"}, {"inch"}), "120");
}

TEST_F(EngineTest, Convert_plainNumberWithTwoInputUnits_keepsOnlyTheLowestRow) {
    ListSelection input = Select({"inch", "foot"}); // current is inch, the higher row
    ConversionRequest request = Request("2", {}, {"inch"});
    request.input = input;
    const ConversionResult result = m_engine.Convert(request);
    ASSERT_TRUE(result.inputSelection);
    EXPECT_EQ(result.inputSelection->SelectedCount(), 1);
    EXPECT_TRUE(result.inputSelection->IsSelected(Row("foot")));
    EXPECT_EQ(result.inputSelection->current, Row("foot"));
    EXPECT_EQ(result.outputText, "24"); // converted from the remaining unit
}

struct RefusalCase {
    const char *input;
    bool inputSelected;
    bool outputSelected;
    const char *message;
    bool columnCleared;
};

class EngineRefusalTest : public EngineTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(EngineRefusalTest, Convert_refusal_showsMessageAndClearsColumnWhenDue) {
    const RefusalCase &c = GetParam();
    ConversionRequest request = Request(c.input, {}, {});
    if (c.inputSelected)
        request.input = Select({"foot"});
    if (c.outputSelected)
        request.output = Select({"inch"});
    request.split = true;
    const ConversionResult result = m_engine.Convert(request);
    EXPECT_EQ(result.outputText, c.message);
    ASSERT_TRUE(result.allResults);
    EXPECT_EQ(result.allResults->empty(), c.columnCleared);
    EXPECT_FALSE(result.resultValid);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, EngineRefusalTest,
    ::testing::Values(
        RefusalCase{"5", false, true, "no unit selected", true},
        RefusalCase{"5", true, false, "no unit selected", false}, // input read: column filled
        RefusalCase{"abc", false, true, "unknown unit 'abc'", true},
        RefusalCase{"abc", true, true, "unknown unit 'abc'", true},
        RefusalCase{"5 foot + 3", false, true, "incorrect use of '+' or '-' operator in expression", true},
        RefusalCase{"5 foot * 3 inch", true, true, "incorrect use of '*' or '/' operator in expression",
                    true},
        RefusalCase{"(5 foot)^2", true, true, "incorrect use of '^' operator in expression", true},
        RefusalCase{"1e5000", true, true, "result too large", true},   // typed overflow
        RefusalCase{"1e4931", true, true, "result too large", true})); // overflow in inch

TEST_F(EngineTest, Convert_failedUnitParse_selectsTheUnitsItNamed) {
    const ConversionResult result = m_engine.Convert(Request("5 foot + 3", {}, {"inch"}));
    ASSERT_TRUE(result.inputSelection);
    EXPECT_EQ(result.inputSelection->SelectedCount(), 1);
    EXPECT_TRUE(result.inputSelection->IsSelected(Row("foot")));
}

TEST_F(EngineTest, Convert_showAllResults_listsEveryRowInRowOrderIncludingTheInputUnit) {
    ConversionRequest request = Request("3", {"foot"}, {"inch"});
    request.split = true;
    const ConversionResult result = m_engine.Convert(request);
    ASSERT_TRUE(result.allResults);
    const std::vector<std::string> expected{"0.9144", "0.0009144",       "3",       "36",
                                            "1",      "0.0005681818182", "2.999994"};
    EXPECT_EQ(*result.allResults, expected);
    EXPECT_TRUE(result.resultValid);
}

TEST_F(EngineTest, Convert_showAllResultsOff_leavesColumnAlone) {
    EXPECT_FALSE(m_engine.Convert(Request("3", {"foot"}, {"inch"})).allResults.has_value());
}

TEST_F(EngineTest, Convert_collectMode_fillsCollectListAndLeavesFieldColumnAndValidityAlone) {
    ASSERT_EQ(Output("1", {"foot"}, {"inch"}), "12");
    ASSERT_TRUE(m_engine.ResultValid());
    ConversionRequest request = Request("2", {"foot"}, {"inch"});
    request.collectAll = true;
    const ConversionResult result = m_engine.Convert(request);
    EXPECT_FALSE(result.outputText.has_value());
    EXPECT_FALSE(result.allResults.has_value());
    EXPECT_TRUE(result.resultValid); // not reset while collecting
    ASSERT_EQ(result.collected.size(), m_engine.Rows().size());
    EXPECT_EQ(result.collected[static_cast<std::size_t>(Row("inch"))], "24");
}

TEST_F(EngineTest, Convert_collectModeRefusal_writesMessageAndEmptiesCollectList) {
    ConversionRequest request = Request("abc", {"foot"}, {"inch"});
    request.collectAll = true;
    const ConversionResult result = m_engine.Convert(request);
    EXPECT_EQ(result.outputText, "unknown unit 'abc'");
    EXPECT_TRUE(result.collected.empty());
    EXPECT_FALSE(result.allResults.has_value());
}

TEST_F(EngineTest, Convert_singleResult_recordsFactorsAndValidity) {
    const ConversionResult result = m_engine.Convert(Request("1", {"mile"}, {"kilometer"}));
    EXPECT_EQ(result.outputText, "1.609344");
    EXPECT_TRUE(result.resultValid);
    EXPECT_EQ(result.inputFactor, 1609.344L);
    EXPECT_EQ(result.outputFactor, 1000.0L);
    EXPECT_FALSE(result.compound);
    EXPECT_FALSE(result.inputSelection.has_value());
}

TEST_F(EngineTest, Convert_resultFormatSettings_reachTheFormatter) {
    ConversionRequest request = Request("1234.5678", {"meter"}, {"meter"});
    request.format.resultFormat = ResultFormat::FixedThousands;
    request.format.decimalPlaces = 2;
    request.format.separators = {',', '.'};
    EXPECT_EQ(m_engine.Convert(request).outputText, "1.234,57");
}

TEST_F(EngineTest, ApplyProgramSettings_formatStyleAndAllResultsReachTheConversion) {
    ProgramSettings settings;
    settings.ReNumber = ResultFormat::Fixed;
    settings.ReDeciPlace = 1;
    settings.multiformat = CompoundStyle::UnitFirst;
    settings.split = true;
    ConversionRequest request = Request("4", {"foot"}, {"yard", "foot"});
    ApplyProgramSettings(request, settings, {'.', ','});
    const ConversionResult result = m_engine.Convert(request);
    EXPECT_EQ(result.outputText, "yard (1.0) + foot (1.0)");
    ASSERT_TRUE(result.allResults);
    EXPECT_EQ(result.allResults->front(), "1.2");
}

TEST_F(EngineTest, OutputOrder_normalUnitsByFactorLargestFirst) {
    std::vector<std::string> names;
    for (const CategoryUnit *unit : m_engine.OutputOrder())
        names.push_back(unit->record.Name);
    const std::vector<std::string> expected{"mile",        "kilometer", "meter", "yard",
                                            "survey foot", "foot",      "inch"};
    EXPECT_EQ(names, expected);
}

TEST_F(EngineTest, CategoryUnits_longestNameFirstWithRowIndexes) {
    const auto &units = m_engine.CategoryUnits();
    ASSERT_EQ(units.size(), 7U);
    for (std::size_t i = 1; i < units.size(); ++i)
        EXPECT_GE(units[i - 1].record.Name.size(), units[i].record.Name.size());
    for (const CategoryUnit &unit : units)
        EXPECT_EQ(m_engine.Rows()[static_cast<std::size_t>(unit.listIndex)].Name, unit.record.Name);
}

TEST_F(EngineTest, LoadCategoryUnits_brokenDefaultOrder_renumbersDatabaseAndOrderView) {
    for (auto [name, order] : {std::pair{"a", 5}, {"b", 5}, {"c", 9}, {"d", 2}}) {
        UnitRecord unit;
        unit.Name = name;
        unit.Factor = 1;
        unit.DefaultOrder = order;
        m_db.AppendUnitRecord("Broken", unit, false);
    }
    Load("Broken");
    EXPECT_EQ(m_engine.OrderView(), (std::vector<int>{3, 0, 1, 2}));
    std::vector<int> orders;
    for (const UnitRecord &row : m_engine.Rows())
        orders.push_back(row.DefaultOrder);
    EXPECT_EQ(orders, (std::vector<int>{2, 3, 4, 1}));
    std::vector<int> stored;
    for (const UnitRecord &unit : m_db.Categories().back().Units)
        stored.push_back(unit.DefaultOrder);
    std::sort(stored.begin(), stored.end());
    EXPECT_EQ(stored, (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(EngineTest, LoadCategoryUnits_sortedView_orderViewFollowsDefaultOrder) {
    Load("Length", {.sortByName = true});
    EXPECT_EQ(m_engine.Rows().front().Name, "foot");
    EXPECT_EQ(m_engine.Rows()[static_cast<std::size_t>(m_engine.OrderView()[0])].Name, "meter");
    EXPECT_EQ(m_engine.Rows()[static_cast<std::size_t>(m_engine.OrderView()[6])].Name, "survey foot");
    EXPECT_EQ(Output("1", {"mile"}, {"kilometer"}), "1.609344");
}

TEST_F(EngineTest, LoadCategoryUnits_caseDifferentName_usesTheDatabaseSpelling) {
    Load("length");
    EXPECT_EQ(m_engine.CategoryName(), "Length");
    EXPECT_EQ(Output("1", {"foot"}, {"inch"}), "12");
}

TEST_F(EngineTest, FactorRatioText_givesRatioInGeneralFormatAndSurvivesMissingUnits) {
    ResultFormatOptions fixed;
    fixed.resultFormat = ResultFormat::Fixed;
    fixed.decimalPlaces = 3;
    EXPECT_EQ(m_engine.FactorRatioText("Length", "foot", "inch", fixed), "12");
    EXPECT_EQ(m_engine.InputFactor(), 0.3048L);
    EXPECT_EQ(m_engine.FactorRatioText("Length", "foot", "nothing", fixed), "INF");
    EXPECT_EQ(m_engine.FactorRatioText("Length", "nothing", "nothing", fixed), "NAN");
}

TEST_F(EngineTest, Convert_withoutListedUnits_changesNothing) {
    m_engine.ClearCategoryUnits();
    const ConversionResult result = m_engine.Convert(ConversionRequest{});
    EXPECT_FALSE(result.outputText.has_value());
    EXPECT_FALSE(result.allResults.has_value());
}

TEST_F(EngineTest, Convert_hugeAndRandomInputs_endInAResultOrAMessage) {
    std::vector<std::string> inputs{std::string(100000, '('), std::string(100000, '9'),
                                    std::string(50000, '-'), "5 foot" + std::string(30000, ')')};
    std::string plus;
    for (int i = 0; i < 20000; ++i)
        plus += "1 foot+";
    inputs.push_back(plus);
    std::mt19937 random(7);
    for (int n = 0; n < 200; ++n) {
        std::string text(static_cast<std::size_t>(random() % 40), ' ');
        for (char &c : text)
            c = static_cast<char>(random() % 256);
        inputs.push_back(text);
    }
    for (const std::string &input : inputs) {
        ConversionRequest request = Request(input, {"foot"}, {"inch", "yard"});
        request.split = true;
        const ConversionResult result = m_engine.Convert(request);
        EXPECT_TRUE(result.outputText.has_value());
    }
}

} // namespace
} // namespace mensurio::testing
