// SPDX-License-Identifier: MIT
#include "core/record/ConversionRecord.h"

#include "core/db/UnitDatabase.h"
#include "core/engine/Engine.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace mensurio {
namespace {

ListSelection Rows(int count, std::initializer_list<int> selected, int current) {
    ListSelection selection;
    selection.selected.assign(static_cast<std::size_t>(count), false);
    for (int row : selected)
        selection.Select(row, true);
    selection.current = current;
    return selection;
}

ConversionSnapshot LengthSnapshot(std::string input, std::initializer_list<int> inputs,
                                  std::initializer_list<int> outputs, std::string output) {
    ConversionSnapshot s;
    s.category = "Length";
    s.inputText = std::move(input);
    s.outputText = std::move(output);
    s.rowNames = {"foot", "inch", "meter"};
    s.input = Rows(3, inputs, inputs.size() ? *inputs.begin() : -1);
    s.output = Rows(3, outputs, outputs.size() ? *outputs.begin() : -1);
    return s;
}

ConversionSnapshot IndexSnapshot(const char *category, std::string input, int inputIndex, int outputIndex,
                                 std::string output) {
    ConversionSnapshot s;
    s.category = category;
    s.inputText = std::move(input);
    s.outputText = std::move(output);
    s.rowNames = {"Celsius", "Fahrenheit"};
    s.input = Rows(2, {}, inputIndex); // these lists go by their item index alone
    s.output = Rows(2, {}, outputIndex);
    return s;
}

ConversionSnapshot FractionsSnapshot(std::string input, std::initializer_list<int> outputs,
                                     std::string output) {
    ConversionSnapshot s;
    s.category = "Fractions";
    s.inputText = std::move(input);
    s.outputText = std::move(output);
    s.rowNames = {"as decimal", "as fraction", "nearest 1/16"};
    s.input = Rows(3, {}, -1); // the hidden input list plays no part
    s.output = Rows(3, outputs, outputs.size() ? *outputs.begin() : -1);
    return s;
}

// ---- Texts built from the window -------------------------------------------------------------

TEST(TrimSpaces, removesOnlyOuterSpaces) {
    const struct {
        const char *text;
        const char *trimmed;
    } cases[] = {{"  12 ", "12"}, {"12", "12"}, {"\t12 ", "\t12"}, {"5 foot + 3 inch ", "5 foot + 3 inch"},
                 {"    ", ""},    {"", ""},     {" \t ", "\t"}};
    for (const auto &c : cases)
        EXPECT_EQ(TrimSpaces(c.text), c.trimmed) << '"' << c.text << '"';
}

struct TextCase {
    const char *what;
    ConversionSnapshot snapshot;
    std::string current; // CurrentConversionText
    std::string prefix;  // AllConversionsPrefix
};

std::vector<TextCase> TextCases() {
    ConversionSnapshot compound = LengthSnapshot("5 foot + 3 inch", {0, 1}, {2}, "1.6002");
    compound.compoundInput = true;
    ConversionSnapshot compoundOne = LengthSnapshot("5 foot", {0}, {2}, "1.524");
    compoundOne.compoundInput = true;
    ConversionSnapshot currentNotSelected = LengthSnapshot("12", {1}, {2}, "0.3048");
    currentNotSelected.input.current = 0; // the focused row is not selected: the selected one counts
    return {
        {"one unit each, input trimmed", LengthSnapshot("  12 ", {0}, {2}, "3.6576"),
         "12 foot = 3.6576 meter", "12 foot = "},
        {"no output unit", LengthSnapshot("12", {0}, {}, ""), "", "12 foot = "},
        {"no input unit", LengthSnapshot("12", {}, {2}, "x"), "", ""},
        {"two inputs, plain number", LengthSnapshot("5", {0, 1}, {2}, "1.651"), "5 = 1.651 meter", "5 = "},
        {"two outputs", LengthSnapshot("1", {2}, {0, 1}, "(3) foot + (3.37) inch"),
         "1 meter = (3) foot + (3.37) inch", "1 meter = "},
        {"compound input keeps its names", compound, "5 foot + 3 inch = 1.6002 meter", "5 foot + 3 inch = "},
        {"compound input, one unit", compoundOne, "5 foot = 1.524 meter", "5 foot = "},
        {"focused row unselected", currentNotSelected, "12 inch = 0.3048 meter", "12 inch = "},
        {"message in output", LengthSnapshot("12x", {0}, {2}, "invalid or incomplete expression"),
         "12x foot = invalid or incomplete expression meter", "12x foot = "},
        {"temperature untrimmed", IndexSnapshot("Temperature", " 20 ", 0, 1, "68"),
         " 20  Celsius = 68 Fahrenheit", " 20  Celsius = "},
        {"numbers by item index", IndexSnapshot("Numbers", "ff", 1, 0, "255"), "ff Fahrenheit = 255 Celsius",
         "ff Fahrenheit = "},
        {"temperature without output index", IndexSnapshot("Temperature", "20", 0, -1, ""), "",
         "20 Celsius = "},
        {"temperature without input index", IndexSnapshot("Temperature", "20", -1, 1, "68"), "", ""},
        {"index outside the list", IndexSnapshot("Temperature", "20", 0, 5, "68"), "", "20 Celsius = "},
        {"fractions: the value and the answering unit", FractionsSnapshot(" 0.3 ", {2}, "5/16 (+0.0125)"),
         "0.3 = 5/16 (+0.0125) nearest 1/16", "0.3 = "},
        {"fractions without an output unit", FractionsSnapshot("0.3", {}, "no unit selected"), "", "0.3 = "},
        {"fractions without input", FractionsSnapshot("  ", {1}, "0"), "", ""},
    };
}

TEST(ConversionTexts, currentConversionAndPrefix) {
    for (const TextCase &c : TextCases()) {
        EXPECT_EQ(CurrentConversionText(c.snapshot), c.current) << c.what;
        EXPECT_EQ(AllConversionsPrefix(c.snapshot), c.prefix) << c.what;
    }
}

// The record takes conversions only: the same snapshots with a message in the output field add
// nothing, whatever the message or the category.
TEST(RecordItemText, resultsOnly_neverAMessage) {
    for (const TextCase &c : TextCases()) {
        EXPECT_EQ(RecordItemText(c.snapshot), c.current) << c.what;
        ConversionSnapshot refused = c.snapshot;
        refused.outputIsResult = false;
        EXPECT_EQ(RecordItemText(refused), "") << c.what;
    }
}

TEST(AllConversionsText, oneLinePerListedUnitWithoutFinalLineBreak) {
    const ConversionSnapshot s = LengthSnapshot("1", {0}, {2}, "0.3048");
    EXPECT_EQ(AllConversionsText(s, {"1", "12", "0.3048"}),
              "1 foot = 1 foot\r\n1 foot = 12 inch\r\n1 foot = 0.3048 meter");
    EXPECT_EQ(AllConversionsText(s, {"1"}), "1 foot = 1 foot");
    EXPECT_EQ(AllConversionsText(s, {}), std::nullopt);
}

TEST(AllConversionsText, moreResultsThanRows_stopsAtTheLastRow) {
    ConversionSnapshot s = LengthSnapshot("1", {}, {}, "");
    EXPECT_EQ(AllConversionsText(s, {"a", "b", "c", "d"}), "a foot\r\nb inch\r\nc meter");
    s.rowNames.clear();
    EXPECT_EQ(AllConversionsText(s, {"a"}), std::nullopt);
}

// ---- Copy All Conversions through the engine -----------------------------------------------------

class CopyAllConversionsTest : public ::testing::Test {
  protected:
    CopyAllConversionsTest() {
        m_db.AddCategory("Length", false);
        m_db.AddUnit("Length", "foot", "", 0.3048L, false);
        m_db.AddUnit("Length", "inch", "", 0.0254L, false);
        m_db.AddUnit("Length", "meter", "", 1.0L, false);
        m_db.AddCategory("Temperature", false); // zero points in Fahrenheit degrees above absolute zero
        m_db.AddUnit("Temperature", "Celsius", "", 491.67L, false);
        m_db.AddUnit("Temperature", "Fahrenheit", "", 459.67L, false);
    }

    ConversionSnapshot Load(const char *category, const std::string &input, ListSelection in,
                            ListSelection out) {
        m_engine.LoadCategoryUnits(category, {});
        ConversionSnapshot s;
        s.category = category;
        s.inputText = input;
        for (const UnitRecord &row : m_engine.Rows())
            s.rowNames.push_back(row.Name);
        s.input = std::move(in);
        s.output = std::move(out);
        m_request = {};
        m_request.inputText = input;
        m_request.input = s.input;
        m_request.output = s.output;
        return s;
    }

    UnitDatabase m_db;
    Engine m_engine{m_db};
    ConversionRequest m_request;
};

TEST_F(CopyAllConversionsTest, oneInputUnit_givesEveryUnitInListOrder) {
    const ConversionSnapshot s = Load("Length", "1", Rows(3, {0}, 0), Rows(3, {2}, 2));
    EXPECT_EQ(CopyAllConversions(m_engine, m_request, s, true),
              "1 foot = 1 foot\r\n1 foot = 12 inch\r\n1 foot = 0.3048 meter");
}

TEST_F(CopyAllConversionsTest, compoundInput_keepsItsOwnUnitNames) {
    const ConversionSnapshot s = Load("Length", " 1 foot + 12 inch ", Rows(3, {0, 1}, 0), Rows(3, {2}, 2));
    EXPECT_EQ(CopyAllConversions(m_engine, m_request, s, true),
              "1 foot + 12 inch = 2 foot\r\n1 foot + 12 inch = 24 inch\r\n1 foot + 12 inch = 0.6096 meter");
}

TEST_F(CopyAllConversionsTest, temperature_usesItemIndexAndUntrimmedInput) {
    const ConversionSnapshot s = Load("Temperature", " 100", Rows(2, {0}, 0), Rows(2, {1}, 1));
    EXPECT_EQ(CopyAllConversions(m_engine, m_request, s, true),
              " 100 Celsius = 100 Celsius\r\n 100 Celsius = 212 Fahrenheit");
}

TEST_F(CopyAllConversionsTest, fractions_giveTheChartWithoutAnInputUnit) {
    m_db.AddCategory("Fractions", false);
    m_db.AddUnit("Fractions", "as decimal", "", 1.0L, false);
    m_db.AddUnit("Fractions", "as fraction", "", 0.0L, false);
    m_db.AddUnit("Fractions", "nearest 1/16", "", 16.0L, false);
    const ConversionSnapshot s = Load("Fractions", "0.3", Rows(3, {}, -1), Rows(3, {2}, 2));
    EXPECT_EQ(CopyAllConversions(m_engine, m_request, s, true),
              "0.3 = 0.3 as decimal\r\n0.3 = 3/10 as fraction\r\n0.3 = 5/16 (+0.0125) nearest 1/16");
}

TEST_F(CopyAllConversionsTest, inputTheEngineCannotConvert_givesNoText) {
    const ConversionSnapshot s = Load("Length", "1+", Rows(3, {0}, 0), Rows(3, {2}, 2));
    EXPECT_EQ(CopyAllConversions(m_engine, m_request, s, true), std::nullopt);
}

TEST_F(CopyAllConversionsTest, categoryWithoutUnits_convertsNothing) {
    const ConversionSnapshot s = Load("Length", "1", Rows(3, {0}, 0), Rows(3, {2}, 2));
    EXPECT_EQ(CopyAllConversions(m_engine, m_request, s, false), std::nullopt);
}

TEST_F(CopyAllConversionsTest, collectMode_leavesOutputFieldAndColumnAlone) {
    const ConversionSnapshot s = Load("Length", "1", Rows(3, {0}, 0), Rows(3, {2}, 2));
    m_request.split = false;
    const CollectedConversions collected = CollectAllConversions(m_engine, m_request, true);
    EXPECT_EQ(collected.results, (std::vector<std::string>{"1", "12", "0.3048"}));
    // An ordinary conversion afterwards still shows one result and no column.
    const ConversionResult after = m_engine.Convert(m_request);
    EXPECT_EQ(after.outputText, "0.3048");
    EXPECT_FALSE(after.allResults.has_value() && !after.allResults->empty());
}

// ---- The record ------------------------------------------------------------------------------

TEST(ConversionRecord, addAndRemove_keepItemsInOrderAndStopWhenEmpty) {
    ConversionRecord record;
    std::vector<std::string> hints;
    record.SetHintListener([&hints](const std::string &hint) { hints.push_back(hint); });
    ASSERT_EQ(hints, (std::vector<std::string>{"Record:\r\n"}));

    record.AddItem("1 foot = 12 inch");
    record.AddItem("");
    record.AddItem("2 foot = 24 inch");
    record.AddItem("3 foot = 36 inch");
    EXPECT_EQ(record.RecordText(), "1 foot = 12 inch\r\n2 foot = 24 inch\r\n3 foot = 36 inch");
    EXPECT_EQ(hints.back(), "Record:\r\n1 foot = 12 inch\r\n2 foot = 24 inch\r\n3 foot = 36 inch");
    EXPECT_EQ(hints.size(), 4u); // the empty item changed nothing

    record.RemoveLastItem();
    record.RemoveLastItem();
    EXPECT_EQ(record.RecordText(), "1 foot = 12 inch");
    record.RemoveLastItem();
    EXPECT_EQ(record.RecordText(), "");
    EXPECT_EQ(hints.back(), "Record:\r\n");
    const std::size_t before = hints.size();
    record.RemoveLastItem();
    EXPECT_EQ(record.RecordText(), "");
    EXPECT_EQ(hints.size(), before);
}

TEST(ConversionRecord, copyRecord_itemsWithoutHeadingOrNothingWhenEmpty) {
    ConversionRecord record;
    EXPECT_EQ(record.CopyRecord(), std::nullopt);
    record.AddItem("a = b");
    record.AddItem("c = d");
    EXPECT_EQ(record.CopyRecord(), "a = b\r\nc = d");
    EXPECT_EQ(record.Hint(), "Record:\r\na = b\r\nc = d");
    record.DeleteAllItems();
    EXPECT_EQ(record.CopyRecord(), std::nullopt);
    EXPECT_EQ(record.Hint(), "Record:\r\n");
}

TEST(ConversionRecord, automaticAdding_onlyWhileRecordingAndForCharacterKeys) {
    ConversionRecord record;
    EXPECT_FALSE(record.AddsOnEnter());
    EXPECT_FALSE(record.AddsOnUnitListKey("a"));
    record.SetRecording(true);
    EXPECT_TRUE(record.AddsOnEnter());
    const struct {
        const char *keyText;
        bool adds;
    } keys[] = {{"a", true}, {" ", true}, {"\r", true}, {"", false}};
    for (const auto &k : keys)
        EXPECT_EQ(record.AddsOnUnitListKey(k.keyText), k.adds) << '"' << k.keyText << '"';
    record.SetRecording(false);
    EXPECT_FALSE(record.AddsOnEnter());
}

} // namespace
} // namespace mensurio
