// SPDX-License-Identifier: MIT
// Results a user can trust, against the shipped default.dat: residues of cancelling terms are
// exact zeros, values below absolute zero or below a perfect vacuum are refused, a zero in an
// inverse unit has no finite value, refusals at a limit name the limit, and compound results
// carry a part that shows as a whole unit of its larger neighbour.
#include "core/db/DatabaseFile.h"
#include "core/db/UnitDatabase.h"
#include "core/engine/Engine.h"
#include "core/engine/ResultFormatter.h"

#include "support/TestDatabases.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace mensurio {
namespace {

std::string Repeat(const std::string &piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

struct TrustCase {
    const char *name;
    const char *category;
    std::string text;
    const char *from;
    std::vector<const char *> to;
    const char *expected;
    bool valid; // a result, not a refusal
    bool inputGauge = false;
    bool outputGauge = false;
    ResultFormat format = ResultFormat::Auto;
    int places = 9;
    CompoundStyle style = CompoundStyle::ParenthesisedValue;
};

class ImpossibleResultsTest : public ::testing::TestWithParam<TrustCase> {
  protected:
    void SetUp() override { m_db = test::ShippedDatabase(); }

    ConversionRequest RequestFor(const TrustCase &c) {
        const std::vector<UnitRecord> &rows = m_engine.LoadCategoryUnits(c.category, {});
        ConversionRequest request;
        request.inputText = c.text;
        request.input.selected.assign(rows.size(), false);
        request.output.selected.assign(rows.size(), false);
        request.inputPressureAbsolute = !c.inputGauge;
        request.outputPressureAbsolute = !c.outputGauge;
        request.format.resultFormat = c.format;
        request.format.decimalPlaces = c.places;
        request.compoundStyle = c.style;
        for (std::size_t row = 0; row < rows.size(); ++row) {
            if (rows[row].Name == c.from) {
                request.input.Select(static_cast<int>(row), true);
                request.input.current = static_cast<int>(row);
            }
            for (const char *to : c.to) {
                if (rows[row].Name == to) {
                    request.output.Select(static_cast<int>(row), true);
                    request.output.current = static_cast<int>(row);
                }
            }
        }
        EXPECT_EQ(request.input.SelectedCount(), 1) << c.from;
        EXPECT_EQ(request.output.SelectedCount(), static_cast<int>(c.to.size()));
        return request;
    }

    UnitDatabase m_db;
    Engine m_engine{m_db};
};

TEST_P(ImpossibleResultsTest, Convert_showsTheTrustedResultOrNamesWhyThereIsNone) {
    const TrustCase &c = GetParam();
    ConversionRequest request = RequestFor(c);
    request.split = true;
    const ConversionResult result = m_engine.Convert(request);
    EXPECT_EQ(result.outputText.value_or("<unchanged>"), c.expected);
    EXPECT_EQ(result.resultValid, c.valid);
    ASSERT_TRUE(result.allResults);
    EXPECT_EQ(result.allResults->empty(), !c.valid); // a refusal clears the all-results column
}

const char *const kMpg = "mile/gallon (US) (mpg)";
const std::string kTooLong = "1+" + std::string(9999, '1');

INSTANTIATE_TEST_SUITE_P(
    Residues, ImpossibleResultsTest,
    ::testing::Values(
        TrustCase{"kelvinToCelsius", "Temperature", "273.15", "Kelvin", {"Celsius"}, "0", true},
        TrustCase{"celsiusToKelvin", "Temperature", "-273.15", "Celsius", {"Kelvin"}, "0", true},
        TrustCase{"fahrenheitToRankine", "Temperature", "-459.67", "Fahrenheit", {"Rankine"}, "0", true},
        TrustCase{"mileLessYards", "Length", "1 mile - 1760 yard", "meter", {"foot"}, "0", true},
        TrustCase{"footLessInches", "Length", "1 foot - 12 inch", "meter", {"meter"}, "0", true},
        TrustCase{"splitMileLessYards",
                  "Length",
                  "1 mile - 1760 yard",
                  "meter",
                  {"foot", "inch"},
                  "(0) foot + (0) inch",
                  true},
        TrustCase{"tinyButReal", "Length", "1 - 0.999999", "meter", {"meter"}, "1E-6", true}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    ImpossibleValues, ImpossibleResultsTest,
    ::testing::Values(
        TrustCase{
            "kelvinNegative", "Temperature", "-10", "Kelvin", {"Celsius"}, "below absolute zero", false},
        TrustCase{
            "rankineNegative", "Temperature", "-0.01", "Rankine", {"Kelvin"}, "below absolute zero", false},
        TrustCase{"celsiusBelow",
                  "Temperature",
                  "-273.16",
                  "Celsius",
                  {"Fahrenheit"},
                  "below absolute zero",
                  false},
        TrustCase{"fahrenheitBelow",
                  "Temperature",
                  "-460",
                  "Fahrenheit",
                  {"Celsius"},
                  "below absolute zero",
                  false},
        TrustCase{"celsiusCold", "Temperature", "-273", "Celsius", {"Kelvin"}, "0.15", true},
        TrustCase{"absoluteNegative", "Pressure", "-2", "bar", {"bar"}, "below a perfect vacuum", false},
        TrustCase{
            "gaugeBelowVacuum", "Pressure", "-2", "bar", {"bar"}, "below a perfect vacuum", false, true},
        TrustCase{"gaugeBelowVacuumToGauge",
                  "Pressure",
                  "-1.1",
                  "atmosphere (atm)",
                  {"atmosphere (atm)"},
                  "below a perfect vacuum",
                  false,
                  true,
                  true},
        TrustCase{"gaugeVacuum", "Pressure", "-1", "atmosphere (atm)", {"atmosphere (atm)"}, "0", true, true},
        TrustCase{"gaugeNegativeKept", "Pressure", "-0.5", "bar", {"bar"}, "-0.5", true, true, true},
        TrustCase{"absoluteToGauge",
                  "Pressure",
                  "0.5",
                  "atmosphere (atm)",
                  {"atmosphere (atm)"},
                  "-0.5",
                  true,
                  false,
                  true},
        TrustCase{"compoundBelowVacuum",
                  "Pressure",
                  "1 bar - 2 bar",
                  "bar",
                  {"bar"},
                  "below a perfect vacuum",
                  false}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    InverseAndInfinite, ImpossibleResultsTest,
    ::testing::Values(
        TrustCase{
            "zeroInverseInput", "Fuel Efficiency", "0", "liter/100 km", {kMpg}, "no finite value", false},
        TrustCase{"negativeZeroInverseInput",
                  "Fuel Efficiency",
                  "-0",
                  "liter/100 km",
                  {kMpg},
                  "no finite value",
                  false},
        TrustCase{
            "zeroIntoInverseUnit", "Fuel Efficiency", "0", kMpg, {"liter/100 km"}, "no finite value", false},
        TrustCase{"compoundZeroInverse",
                  "Fuel Efficiency",
                  "0 liter/100 km",
                  kMpg,
                  {kMpg},
                  "no finite value",
                  false},
        TrustCase{"inverseSplitOfZero",
                  "Fuel Efficiency",
                  "0",
                  kMpg,
                  {"liter/100 km", "gallons (US)/100mi"},
                  "no finite value",
                  false},
        TrustCase{
            "inverseStillConverts", "Fuel Efficiency", "5", "liter/100 km", {"kilometer/liter"}, "20", true},
        TrustCase{"negativeInfinity", "Length", "-1e9999", "meter", {"meter"}, "-INF", true},
        TrustCase{"positiveInfinity", "Length", "1e9999", "meter", {"foot"}, "INF", true}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Limits, ImpossibleResultsTest,
    ::testing::Values(
        TrustCase{"typedOverflow", "Length", "1e5000", "meter", {"meter"}, "result too large", false},
        TrustCase{"resultOverflow", "Length", "1e4931", "mile", {"inch"}, "result too large", false},
        TrustCase{
            "expressionOverflow", "Length", "1e4000*1e4000", "meter", {"meter"}, "result too large", false},
        TrustCase{
            "unitOverflow", "Length", "1e4000 foot * 1e4000", "meter", {"meter"}, "result too large", false},
        TrustCase{"temperatureOverflow",
                  "Temperature",
                  "1e4000*1e4000",
                  "Celsius",
                  {"Kelvin"},
                  "result too large",
                  false},
        TrustCase{
            "tooLong", "Length", kTooLong, "meter", {"meter"}, "input longer than 10,000 characters", false},
        TrustCase{"pairsTooDeep",
                  "Length",
                  Repeat("(", 1001) + "1" + Repeat(")", 1001),
                  "meter",
                  {"meter"},
                  "expression nested more than 1,000 levels deep",
                  false},
        TrustCase{"sumsTooDeep",
                  "Length",
                  Repeat("(1+", 1001) + "1" + Repeat(")", 1001),
                  "meter",
                  {"meter"},
                  "expression nested more than 1,000 levels deep",
                  false},
        TrustCase{"unitsTooDeep",
                  "Length",
                  Repeat("(1 foot+", 1001) + "1 foot" + Repeat(")", 1001),
                  "meter",
                  {"foot"},
                  "expression nested more than 1,000 levels deep",
                  false},
        TrustCase{"temperatureTooDeep",
                  "Temperature",
                  Repeat("(", 1001) + "1" + Repeat(")", 1001),
                  "Celsius",
                  {"Kelvin"},
                  "expression nested more than 1,000 levels deep",
                  false},
        TrustCase{"pairsAtTheLimit",
                  "Length",
                  Repeat("(", 1000) + "1" + Repeat(")", 1000),
                  "meter",
                  {"meter"},
                  "1",
                  true},
        TrustCase{"sumsAtTheLimit",
                  "Length",
                  Repeat("(1+", 1000) + "1" + Repeat(")", 1000),
                  "meter",
                  {"meter"},
                  "1001",
                  true}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Carries, ImpossibleResultsTest,
    ::testing::Values(
        TrustCase{"inchesStyle0",
                  "Length",
                  "11.8",
                  "inch",
                  {"foot", "inch"},
                  "(1) foot + (0) inch",
                  true,
                  false,
                  false,
                  ResultFormat::Fixed,
                  0,
                  CompoundStyle::ParenthesisedValue},
        TrustCase{"inchesStyle1",
                  "Length",
                  "11.8",
                  "inch",
                  {"foot", "inch"},
                  "1 foot + 0 inch",
                  true,
                  false,
                  false,
                  ResultFormat::Fixed,
                  0,
                  CompoundStyle::PlainValue},
        TrustCase{"inchesStyle2",
                  "Length",
                  "11.8",
                  "inch",
                  {"foot", "inch"},
                  "foot (1) + inch (0)",
                  true,
                  false,
                  false,
                  ResultFormat::Fixed,
                  0,
                  CompoundStyle::UnitFirst},
        TrustCase{"negativeInches",
                  "Length",
                  "-11.8",
                  "inch",
                  {"foot", "inch"},
                  "(-1) foot + (0) inch",
                  true,
                  false,
                  false,
                  ResultFormat::Fixed,
                  0,
                  CompoundStyle::ParenthesisedValue},
        TrustCase{"minutes",
                  "Time",
                  "119.7",
                  "minute",
                  {"hour", "minute"},
                  "(2) hour + (0) minute",
                  true,
                  false,
                  false,
                  ResultFormat::Fixed,
                  0,
                  CompoundStyle::ParenthesisedValue},
        TrustCase{"negativeMinutes",
                  "Time",
                  "-119.7",
                  "minute",
                  {"hour", "minute"},
                  "hour (-2) + minute (0)",
                  true,
                  false,
                  false,
                  ResultFormat::Fixed,
                  0,
                  CompoundStyle::UnitFirst},
        TrustCase{"cascade",
                  "Time",
                  "3599.8",
                  "second",
                  {"hour", "minute", "second"},
                  "1 hour + 0 minute + 0 second",
                  true,
                  false,
                  false,
                  ResultFormat::Fixed,
                  0,
                  CompoundStyle::PlainValue},
        TrustCase{"twoPlaces",
                  "Time",
                  "59.996",
                  "second",
                  {"minute", "second"},
                  "(1.00) minute + (0.00) second",
                  true,
                  false,
                  false,
                  ResultFormat::Fixed,
                  2,
                  CompoundStyle::ParenthesisedValue},
        TrustCase{
            "autoFormat", "Length", "11.99999999999", "inch", {"foot", "inch"}, "(1) foot + (0) inch", true},
        TrustCase{"scientific",
                  "Length",
                  "11.99999999999",
                  "inch",
                  {"foot", "inch"},
                  "(1.00E+000) foot + (0.00E+000) inch",
                  true,
                  false,
                  false,
                  ResultFormat::Scientific,
                  3,
                  CompoundStyle::ParenthesisedValue},
        TrustCase{"noCarryBelow",
                  "Length",
                  "11.4",
                  "inch",
                  {"foot", "inch"},
                  "(0) foot + (11) inch",
                  true,
                  false,
                  false,
                  ResultFormat::Fixed,
                  0,
                  CompoundStyle::ParenthesisedValue},
        TrustCase{"noCarryShown",
                  "Length",
                  "11.8",
                  "inch",
                  {"foot", "inch"},
                  "(0.0) foot + (11.8) inch",
                  true,
                  false,
                  false,
                  ResultFormat::Fixed,
                  1,
                  CompoundStyle::ParenthesisedValue}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ImpossibleResultsTest, Convert_zeroBesideInverseUnits_showsNoFiniteValueOnlyInTheirCells) {
    ConversionRequest request = RequestFor({"", "Fuel Efficiency", "0", kMpg, {"kilometer/liter"}, "", true});
    request.split = true;
    const ConversionResult result = m_engine.Convert(request);
    EXPECT_EQ(result.outputText, "0");
    ASSERT_TRUE(result.allResults);
    const std::vector<UnitRecord> &rows = m_engine.Rows();
    ASSERT_EQ(result.allResults->size(), rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const bool inverse = rows[row].Name == "liter/100 km" || rows[row].Name == "gallons (US)/100mi";
        if (inverse) {
            EXPECT_EQ((*result.allResults)[row], "no finite value") << rows[row].Name;
        } else if (rows[row].Name == "kilometer/liter") {
            EXPECT_EQ((*result.allResults)[row], "0");
        }
    }
}

} // namespace
} // namespace mensurio
