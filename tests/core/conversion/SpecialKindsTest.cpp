// SPDX-License-Identifier: MIT
#include "ConversionFixture.h"

namespace mensurio::testing {
namespace {

struct TemperatureCase {
    const char *input;
    const char *from;
    const char *to;
    const char *expected;
};

class TemperatureTest : public ConversionFixture, public ::testing::WithParamInterface<TemperatureCase> {
  protected:
    void SetUp() override { Load("Temperature"); }
};

TEST_P(TemperatureTest, Convert_temperature_usesZeroPointsAndDegreeSizes) {
    const TemperatureCase &c = GetParam();
    EXPECT_EQ(Output(c.input, {c.from}, {c.to}), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Scales, TemperatureTest,
                         ::testing::Values(TemperatureCase{"100", "Celsius", "Fahrenheit", "212"},
                                           TemperatureCase{"-40", "Celsius", "Fahrenheit", "-40"},
                                           TemperatureCase{"0", "Kelvin", "Rankine", "0"},
                                           TemperatureCase{"80",
                                                           "R\xE9"
                                                           "aumur",
                                                           "Celsius", "100"},
                                           TemperatureCase{"", "Celsius", "Fahrenheit", "32"},
                                           TemperatureCase{"50*2", "Celsius", "Fahrenheit", "212"},
                                           TemperatureCase{"1,5e2", "Celsius", "Kelvin", "423.15"},
                                           TemperatureCase{"100 Celsius", "Kelvin", "Fahrenheit", "212"},
                                           TemperatureCase{"100 Celsius + 1", "Celsius", "Fahrenheit",
                                                           "invalid or incomplete expression"},
                                           TemperatureCase{"1e5000", "Celsius", "Fahrenheit",
                                                           "result too large"}));

TEST_F(ConversionFixture, Convert_temperatureAllResults_convertsIntoEveryScale) {
    Load("Temperature");
    ConversionRequest request = Request("100", {"Celsius"}, {"Fahrenheit"});
    request.split = true;
    const ConversionResult result = m_engine.Convert(request);
    ASSERT_TRUE(result.allResults);
    EXPECT_EQ(*result.allResults, (std::vector<std::string>{"100", "212", "373.15", "671.67", "80"}));
    request.inputText = "x";
    EXPECT_TRUE(m_engine.Convert(request).allResults->empty());
}

class PressureTest : public ConversionFixture {
  protected:
    std::string Convert(std::string_view category, std::string_view from, std::string_view to,
                        bool inAbsolute, bool outAbsolute) {
        Load(category);
        ConversionRequest request = Request("1", {from}, {to});
        request.inputPressureAbsolute = inAbsolute;
        request.outputPressureAbsolute = outAbsolute;
        request.split = true;
        const ConversionResult result = m_engine.Convert(request);
        m_all = result.allResults.value_or(std::vector<std::string>{});
        return result.outputText.value_or("");
    }
    std::vector<std::string> m_all;
};

TEST_F(PressureTest, Convert_pressureSelectors_addOneAtmosphereBetweenGaugeAndAbsolute) {
    EXPECT_EQ(Convert("Pressure", "atmosphere", "atmosphere", false, true), "2");
    EXPECT_EQ(m_all[static_cast<std::size_t>(Row("pascal"))], "202650");
    EXPECT_EQ(Convert("Pressure", "atmosphere", "atmosphere", true, false), "0");
    EXPECT_EQ(Convert("Pressure", "atmosphere", "pascal", false, false), "101325");
    EXPECT_EQ(Convert("Pressure", "atmosphere", "pascal", true, true), "101325");
    EXPECT_EQ(Convert("Length", "meter", "meter", false, true), "1");
}

TEST_F(PressureTest, Convert_compoundPressureIntoTwoUnits_keepsTheGaugeOffset) {
    Load("Pressure");
    ConversionRequest request = Request("1 atmosphere", {}, {"bar", "pascal"});
    EXPECT_EQ(m_engine.Convert(request).outputText, "(1) bar + (1325) pascal");
    request.inputPressureAbsolute = false;
    EXPECT_EQ(m_engine.Convert(request).outputText, "(2) bar + (2650) pascal");
    request.output = Select({"atmosphere"});
    EXPECT_EQ(m_engine.Convert(request).outputText, "2");
}

class EfficiencyTest : public ConversionFixture {
  protected:
    void SetUp() override { Load("Fuel Efficiency"); }
};

TEST_F(EfficiencyTest, Convert_inverseUnits_convertThroughReciprocals) {
    EXPECT_EQ(Output("5", {"liter/100 km"}, {"kilometer/liter"}), "20");
    EXPECT_EQ(Output("20", {"kilometer/liter"}, {"liter/100 km"}), "5");
    EXPECT_EQ(Output("0", {"liter/100 km"}, {"kilometer/liter"}), "no finite value");
    EXPECT_EQ(Output("5", {"liter/100 km"}, {"liter/meter"}), "5E-5");
    EXPECT_EQ(Output("5 liter/100 km", {}, {"kilometer/liter"}), "20");
}

TEST_F(EfficiencyTest, OutputOrder_normalUnitsLargestFirstThenInverseSmallestFirst) {
    std::vector<std::string> names;
    for (const CategoryUnit *unit : m_engine.OutputOrder())
        names.push_back(unit->record.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"kilometer/liter", "miles/gallon (US)", "liter/meter",
                                               "liter/100 km"}));
    for (const CategoryUnit &unit : m_engine.CategoryUnits())
        EXPECT_EQ(unit.inverse, unit.record.Name.rfind("liter/", 0) == 0) << unit.record.Name;
}

TEST_F(EfficiencyTest, Convert_inverseMixing_givesTheRightRefusal) {
    EXPECT_EQ(Output("5", {"liter/100 km"}, {"liter/100 km", "kilometer/liter"}),
              "illegal use of inverse units");
    EXPECT_EQ(Output("5 liter/100 km + 1 liter/meter", {}, {"kilometer/liter", "miles/gallon (US)"}),
              "illegal use of inverse units, select only 1 input or 1 output unit");
    // A plain number in an inverse unit counts as one input unit and is converted.
    EXPECT_EQ(Output("5", {"liter/100 km"}, {"kilometer/liter", "miles/gallon (US)"}),
              "(20) kilometer/liter + (0) miles/gallon (US)");
    // Inverse in, inverse out: split in the inverse form.
    EXPECT_EQ(Output("1.25", {"liter/meter"}, {"liter/meter", "liter/100 km"}),
              "(1) liter/meter + (25000) liter/100 km");
}

TEST_F(EfficiencyTest, Convert_inverseAndNormalUnitsTyped_refusesAndSelectsBoth) {
    const ConversionResult result =
        m_engine.Convert(Request("5 liter/100 km + 3 kilometer/liter", {}, {"liter/meter"}));
    EXPECT_EQ(result.outputText, "illegal use of inverse units");
    ASSERT_TRUE(result.inputSelection);
    EXPECT_EQ(result.inputSelection->SelectedCount(), 2);
    EXPECT_TRUE(result.inputSelection->IsSelected(Row("kilometer/liter")));
}

class NumbersTest : public ConversionFixture {
  protected:
    void SetUp() override { Load("Numbers"); }
};

TEST_F(NumbersTest, Convert_numberSystems_convertWholeNumbers) {
    EXPECT_EQ(Output("ff", {"hexadecimal"}, {"decimal"}), "255");
    EXPECT_EQ(Output("255", {"decimal"}, {"binary"}), "11111111");
    EXPECT_EQ(Output("255", {"decimal"}, {"Roman numerals"}), "CCLV");
    EXPECT_EQ(Output("8000000000000000", {"hexadecimal"}, {"decimal"}), "result too large");
    EXPECT_EQ(Output("(X", {"Roman numerals"}, {"decimal"}), "invalid Roman numeral");
    const ConversionResult zero = m_engine.Convert(Request("0", {"decimal"}, {"binary"}));
    EXPECT_EQ(zero.outputText, "");
    EXPECT_TRUE(zero.resultValid);
}

TEST_F(NumbersTest, Convert_numbersAllResultsAndInvalidInput) {
    ConversionRequest request = Request("255", {"decimal"}, {"binary"});
    request.split = true;
    EXPECT_EQ(m_engine.Convert(request).allResults,
              (std::vector<std::string>{"255", "FF", "11111111", "CCLV"}));
    request.inputText = "-5";
    const ConversionResult invalid = m_engine.Convert(request);
    EXPECT_EQ(invalid.outputText, "Invalid decimal number");
    EXPECT_FALSE(invalid.resultValid);
    EXPECT_EQ(invalid.allResults, std::vector<std::string>{});
    request.collectAll = true;
    const ConversionResult collecting = m_engine.Convert(request);
    EXPECT_FALSE(collecting.outputText.has_value());
    EXPECT_EQ(collecting.allResults, std::vector<std::string>{}); // cleared while collecting too
    request.inputText = "10";
    EXPECT_EQ(m_engine.Convert(request).collected, (std::vector<std::string>{"10", "A", "1010", "X"}));
}

// Each unit of Fractions writes the typed value its own way; negative values mirror positive ones.
TEST_F(ConversionFixture, Convert_fractions_answerInEveryUnit) {
    struct Case {
        const char *input;
        const char *unit;
        const char *expected;
    };
    const Case cases[] = {
        {"3/8", "as decimal", "0.375"},
        {"1 3/8", "as decimal", "1.375"},
        {"-1 3/8", "as decimal", "-1.375"},
        {"0.375", "as fraction", "3/8"},
        {"0.1", "as fraction", "1/10"},
        {"2.5", "as fraction", "2 1/2"},
        {"-2.5", "as fraction", "-2 1/2"},
        {"1 3/8", "as fraction", "1 3/8"},
        {"1/3 + 1/6", "as fraction", "1/2"},
        {"1/3", "as fraction", "1/3"},
        {"-1/3", "as fraction", "-1/3"},
        {"0.333", "as fraction", "333/1000"},
        {"4", "as fraction", "4"},
        {"0", "as fraction", "0"},
        {"1,25", "as fraction", "1 1/4"}, // a comma marks decimals too
        {"2^0.5", "as fraction",
         "1 318281039/768398401 (nearest; no fraction with a denominator up to 10^9 is exact)"},
        {"0.3", "nearest 1/16", "5/16 (+0.0125)"},
        {"-0.3", "nearest 1/16", "-5/16 (-0.0125)"},
        {"1.9999", "nearest 1/8", "2 (+0.0001)"},
        {"-1.9999", "nearest 1/8", "-2 (-0.0001)"},
        {"0.375", "nearest 1/8", "3/8"}, // an exact hit shows no difference
        {"1 3/8", "nearest 1/16", "1 3/8"},
        {"0.25", "nearest 1/2", "1/2 (+0.25)"}, // halfway goes away from zero
        {"-0.25", "nearest 1/2", "-1/2 (-0.25)"},
        {"0.75", "nearest 1/2", "1 (+0.25)"},
        {"0.2", "nearest 1/2", "0 (-0.2)"},
        {"-0.2", "nearest 1/2", "0 (+0.2)"},
        {"1/3 + 1/6", "nearest 1/2", "1/2"}, // the simplest fraction: exactly a half
        {"1/3", "nearest 1/3", "1/3"},
        {"0.3", "nearest 1/3", "1/3 (+0.03333333333)"},
        {"1/3", "nearest 1/16", "5/16 (-0.02083333333)"},
        {"2.03125", "nearest 1/16", "2 1/16 (+0.03125)"},
        {"1e-12", "nearest 1/16", "0 (-1E-12)"},
    };
    Load("Fractions");
    for (const Case &c : cases) {
        ConversionRequest request = Request(c.input, {}, {c.unit});
        const ConversionResult result = m_engine.Convert(request);
        EXPECT_EQ(result.outputText.value_or("<unchanged>"), c.expected) << c.input << " in " << c.unit;
        EXPECT_TRUE(result.resultValid) << c.input << " in " << c.unit;
    }
}

TEST_F(ConversionFixture, Convert_fractions_allResultsAreAFractionChart) {
    Load("Fractions");
    ConversionRequest request = Request("0.3", {}, {"nearest 1/16"});
    request.split = true;
    const ConversionResult shown = m_engine.Convert(request);
    const std::vector<std::string> chart = {"0.3",         "3/10",           "1/2 (+0.2)",
                                            "1/4 (-0.05)", "5/16 (+0.0125)", "1/3 (+0.03333333333)"};
    EXPECT_EQ(shown.allResults, chart);
    request.collectAll = true;
    const ConversionResult collected = m_engine.Convert(request);
    EXPECT_FALSE(collected.outputText.has_value());
    EXPECT_EQ(collected.collected, chart);
}

TEST_F(ConversionFixture, Convert_fractions_refusalsAndNoOutputUnit) {
    Load("Fractions");
    ConversionRequest request = Request("3/", {}, {"as decimal"});
    request.split = true;
    ConversionResult result = m_engine.Convert(request);
    EXPECT_EQ(result.outputText, "invalid or incomplete expression");
    EXPECT_EQ(result.allResults, std::vector<std::string>{});
    EXPECT_FALSE(result.resultValid);
    request.inputText = "3 foot";
    EXPECT_EQ(m_engine.Convert(request).outputText.value_or("").rfind("unknown unit 'foot'", 0), 0u);
    request.inputText = "1/0";
    EXPECT_EQ(m_engine.Convert(request).outputText, "invalid or incomplete expression");
    EXPECT_EQ(Output("0.5", {}, {}), "no unit selected");
}

// A unit whose factor is no denominator (a damaged or hand-edited file) is refused by name, in
// the output field and in its row of the chart, without disturbing the other rows.
TEST_F(ConversionFixture, Convert_fractions_invalidDenominator_isNamed) {
    m_db.AddUnit("Fractions", "nearest 1/2.5", "", 2.5L, false);
    m_db.AddUnit("Fractions", "negative", "", -4.0L, false);
    Load("Fractions");
    ConversionRequest request = Request("0.3", {}, {"nearest 1/2.5"});
    request.split = true;
    const ConversionResult result = m_engine.Convert(request);
    EXPECT_EQ(result.outputText, "Invalid nearest 1/2.5 denominator");
    EXPECT_FALSE(result.resultValid);
    ASSERT_TRUE(result.allResults.has_value());
    EXPECT_EQ(result.allResults->at(static_cast<std::size_t>(Row("negative"))),
              "Invalid negative denominator");
    EXPECT_EQ(result.allResults->at(static_cast<std::size_t>(Row("as fraction"))), "3/10");
}

} // namespace
} // namespace mensurio::testing
