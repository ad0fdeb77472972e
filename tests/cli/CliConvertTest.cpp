// SPDX-License-Identifier: MIT
#include "cli/CliFixture.h"

#include <algorithm>
#include <filesystem>

using namespace mensurio;
using namespace mensurio::test;

namespace {

class CliResult : public CliTest, public ::testing::WithParamInterface<CliCase> {};
class CliMessage : public CliTest, public ::testing::WithParamInterface<CliCase> {};

} // namespace

// Exit status 0: the output field's text (or the typed value) on standard output.
TEST_P(CliResult, Convert_printsTheResultAndExitsWithZero) {
    const auto r = runOnFixture(GetParam().args);
    EXPECT_EQ(r.out, GetParam().out);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Fixture, CliResult,
    ::testing::Values(
        CliCase{"single", {"1", "foot", "--to", "inch"}, "12\n"},
        CliCase{"unitNamesIgnoreCase", {"1", "FOOT", "--to", "Inch"}, "12\n"},
        CliCase{"exactNameFirstMega", {"1", "meter", "--to", "Mm"}, "1E-6\n"},
        CliCase{"exactNameFirstMilli", {"1", "meter", "--to", "mm"}, "1000\n"},
        CliCase{"caseInsensitiveTakesFirstRow", {"1", "meter", "--to", "MM"}, "1000\n"},
        CliCase{"categoryNamedIgnoringCase", {"-c", "length", "2", "meter", "--to", "foot"}, "6.56167979\n"},
        CliCase{"sharedUnitNamedCategory", {"-c", "Typography", "1", "inch", "--to", "point"}, "72\n"},
        CliCase{"otherUnitDecides", {"2", "inch", "--to", "pica"}, "12\n"},
        CliCase{"commaIsDecimalPoint", {"1,5", "yard", "--to", "foot"}, "4.5\n"},
        CliCase{"arithmeticInput", {"2 * 3", "foot", "--to", "inch"}, "72\n"},
        CliCase{"emptyInputIsZero", {"", "foot", "--to", "inch"}, "0\n"},
        CliCase{"hiddenUnitConverts", {"1", "league (hidden)", "--to", "meter"}, "4828.032\n"},
        CliCase{"utf8UnitName", {"1", "toise (ancien r\xC3\xA9gime)", "--to", "meter"}, "1.949036\n"},
        CliCase{"dashDashEndsOptions", {"--to", "foot", "--", "-5", "meter"}, "-16.40419948\n"},
        CliCase{"compoundOutputStyle0",
                {"1.5", "yard", "--to", "foot", "--to", "yard"},
                "(1) yard + (1.5) foot\n"},
        CliCase{"compoundOutputStyle1",
                {"--style", "1", "1.5", "yard", "--to", "yard", "--to", "foot"},
                "1 yard + 1.5 foot\n"},
        CliCase{"compoundOutputStyle2",
                {"--style", "2", "1.5", "yard", "--to", "yard", "--to", "foot"},
                "yard (1) + foot (1.5)\n"},
        CliCase{"compoundInput", {"5 foot + 3 inch", "--to", "inch"}, "63\n"},
        CliCase{"compoundInputIgnoresFromUnit", {"5 foot + 3 inch", "yard", "--to", "inch"}, "63\n"},
        CliCase{"compoundInputToCompoundOutput",
                {"(1) foot - (1) inch", "--to", "inch", "--to", "foot"},
                "(0) foot + (11) inch\n"},
        CliCase{"formatAuto", {"--format", "auto", "1234.5678", "meter", "--to", "meter"}, "1234.5678\n"},
        CliCase{"formatScientific",
                {"--format", "scientific", "--places", "2", "1234.5678", "meter", "--to", "meter"},
                "1.2E+003\n"},
        CliCase{"formatScientificDefaultPlaces",
                {"--format", "scientific", "1234.5678", "meter", "--to", "meter"},
                "1.23456780E+003\n"},
        CliCase{"formatFixed",
                {"--format", "fixed", "--places", "2", "1234.5678", "meter", "--to", "meter"},
                "1234.57\n"},
        CliCase{"formatFixedNoPlaces",
                {"--format", "fixed", "--places", "0", "1234.5678", "meter", "--to", "meter"},
                "1235\n"},
        CliCase{"formatThousands",
                {"--format", "thousands", "--places", "2", "1234567.5678", "meter", "--to", "meter"},
                "1,234,567.57\n"},
        CliCase{"pressureAbsolute", {"1", "atmosphere (atm)", "--to", "pascal"}, "101325\n"},
        CliCase{"pressureGaugeInput", {"--input-gauge", "1", "bar", "--to", "bar"}, "2.01325\n"},
        CliCase{"pressureGaugeOutput", {"--output-gauge", "1", "atmosphere (atm)", "--to", "pascal"}, "0\n"},
        CliCase{"pressureBothGauge",
                {"--input-gauge", "--output-gauge", "1", "atmosphere (atm)", "--to", "pascal"},
                "101325\n"},
        CliCase{"pressureGaugeCompound",
                {"--input-gauge", "0", "pascal", "--to", "bar", "--to", "pascal"},
                "(1) bar + (1325) pascal\n"},
        CliCase{"temperature", {"100", "Celsius", "--to", "Fahrenheit"}, "212\n"},
        CliCase{"temperatureExpression", {"-80/2", "Celsius", "--to", "Fahrenheit"}, "-40\n"},
        CliCase{"negativeNumberIsNoOption", {"-5", "meter", "--to", "foot"}, "-16.40419948\n"},
        CliCase{"temperatureKelvin", {"0", "Kelvin", "--to", "Celsius"}, "-273.15\n"},
        CliCase{"numbersToHexadecimal", {"255", "decimal", "--to", "hexadecimal"}, "FF\n"},
        CliCase{"numbersLowerCaseDigits", {"ff", "hexadecimal", "--to", "decimal"}, "255\n"},
        CliCase{"numbersFromRoman", {"MCMXCIV", "Roman numerals", "--to", "decimal"}, "1994\n"},
        CliCase{"numbersToRoman", {"14", "decimal", "--to", "roman numerals"}, "XIV\n"},
        CliCase{"fractionsNearest", {"-c", "Fractions", "--to", "nearest 1/16", "0.3"}, "5/16 (+0.0125)\n"},
        CliCase{"fractionsNegativeMirrored",
                {"-c", "Fractions", "--to", "nearest 1/16", "--", "-0.3"},
                "-5/16 (-0.0125)\n"},
        CliCase{"fractionsCategoryFromTheUnit", {"3/8", "--to", "as decimal"}, "0.375\n"},
        CliCase{"fractionsMixedNumber", {"-c", "Fractions", "2.5", "--to", "as fraction"}, "2 1/2\n"},
        CliCase{"fractionsChart",
                {"-c", "Fractions", "--all", "1 3/8"}, // in name order, as the lists
                "1.375\tas decimal\n1 3/8\tas fraction\n1 3/8\tnearest 1/16\n1 3/8\tnearest 1/8\n"},
        CliCase{"inverseUnitInput", {"5", "liter/100 km", "--to", "kilometer/liter"}, "20\n"},
        CliCase{"inverseUnitOutput", {"20", "kilometer/liter", "--to", "liter/100 km"}, "5\n"},
        CliCase{"inverseUnitCompoundInput",
                {"2 liter/100 km + 3 liter/100 km", "--to", "kilometer/liter"},
                "20\n"},
        CliCase{"valueNumber", {"1,5"}, "1.5\n"}, CliCase{"valueExpression", {"2 * 3 ^ 2"}, "18\n"},
        CliCase{"valueSpacesIgnored", {"1 000"}, "1000\n"}, CliCase{"valueImplicitProduct", {"2(3)"}, "6\n"},
        CliCase{"valueEmptyIsZero", {""}, "0\n"}, CliCase{"valueHugeExponentIsInfinite", {"1e9999"}, "INF\n"},
        CliCase{"valueNegativeInfinityKeepsItsSign", {"--", "-1e9999"}, "-INF\n"},
        CliCase{"residueOfTemperatureIsZero",
                {"-c", "Temperature", "273.15", "Kelvin", "--to", "Celsius"},
                "0\n"},
        CliCase{"residueOfTermsIsZero", {"-c", "Length", "1 yard - 36 inch", "--to", "foot"}, "0\n"},
        CliCase{"compoundCarries",
                {"-c", "Length", "--format", "fixed", "--places", "0", "--to", "foot", "--to", "inch", "--",
                 "11.8 inch"},
                "(1) foot + (0) inch\n"},
        CliCase{"compoundCarriesNegative",
                {"-c", "Length", "--style", "1", "--format", "fixed", "--places", "0", "--to", "foot", "--to",
                 "inch", "--", "-11.8 inch"},
                "-1 foot + 0 inch\n"},
        CliCase{"gaugeAboveVacuum",
                {"--input-gauge", "-c", "Pressure", "--to", "bar", "--", "-1", "bar"},
                "0.01325\n"},
        CliCase{"valueFormatted", {"--format", "fixed", "--places", "3", "2/3"}, "0.667\n"},
        CliCase{"valueNegativeAfterDashDash", {"--", "-2.5"}, "-2.5\n"}),
    CaseName);

// Exit status 1: the engine's message on standard output, nothing on standard error.
TEST_P(CliMessage, Convert_printsTheMessageAndExitsWithOne) {
    const auto r = runOnFixture(GetParam().args);
    EXPECT_EQ(r.out, GetParam().out);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Fixture, CliMessage,
    ::testing::Values(
        CliCase{"valueUnreadable", {"abc"}, "unknown unit 'abc'\n"},
        CliCase{"valueOverflow", {"1e5000"}, "result too large\n"},
        CliCase{"valueUnknownUnit", {"5 parsec"}, "unknown unit 'parsec'\n"},
        CliCase{"overflowInUnit", {"1e5000", "meter", "--to", "foot"}, "result too large\n"},
        CliCase{"overflowInArithmetic", {"1e4000 * 1e4000", "meter", "--to", "foot"}, "result too large\n"},
        CliCase{"valueTooLong", {std::string(10001, '1')}, "input longer than 10,000 characters\n"},
        CliCase{"belowAbsoluteZero",
                {"-c", "Temperature", "--to", "Celsius", "--", "-10 Kelvin"},
                "below absolute zero\n"},
        CliCase{"belowAbsoluteZeroInItsUnit",
                {"-c", "Temperature", "--to", "Kelvin", "--", "-274", "Celsius"},
                "below absolute zero\n"},
        CliCase{
            "belowVacuum", {"-c", "Pressure", "--to", "bar", "--", "-2", "bar"}, "below a perfect vacuum\n"},
        CliCase{"belowVacuumGauge",
                {"--input-gauge", "-c", "Pressure", "--to", "bar", "--", "-2", "bar"},
                "below a perfect vacuum\n"},
        CliCase{"zeroInInverseUnit",
                {"-c", "Fuel Efficiency", "--to", "kilometer/liter", "--", "-0", "liter/100 km"},
                "no finite value\n"},
        CliCase{"zeroIntoInverseUnit",
                {"-c", "Fuel Efficiency", "--to", "liter/100 km", "--", "0", "meter/liter"},
                "no finite value\n"},
        CliCase{"unreadableInUnit", {"abc", "meter", "--to", "foot"}, "unknown unit 'abc'\n"},
        CliCase{"badCompoundInput",
                {"5 foot + 3", "--to", "inch"},
                "incorrect use of '+' or '-' operator in expression\n"},
        CliCase{"noInputUnit", {"-c", "Length", "5", "--to", "meter"}, "no unit selected\n"},
        CliCase{"noOutputUnit", {"-c", "Length", "5", "meter"}, "no unit selected\n"},
        CliCase{"compoundInputWithoutOutput", {"5 foot + 3 inch"}, "no unit selected\n"},
        CliCase{"temperatureNamesNoUnits",
                {"5 Celsius + 1", "Celsius", "--to", "Kelvin"},
                "invalid or incomplete expression\n"},
        CliCase{
            "numbersInvalidDigit", {"G", "hexadecimal", "--to", "decimal"}, "Invalid hexadecimal number\n"},
        CliCase{
            "numbersInvalidRoman", {"ABC", "Roman numerals", "--to", "decimal"}, "invalid Roman numeral\n"},
        CliCase{
            "numbersRomanTooLarge", {"5000000", "decimal", "--to", "Roman numerals"}, "result too large\n"},
        CliCase{"inverseMixedOutputs",
                {"5", "liter/100 km", "--to", "liter/100 km", "--to", "kilometer/liter"},
                "illegal use of inverse units\n"},
        CliCase{"inverseMixedInput",
                {"5 liter/100 km + 1 kilometer/liter", "--to", "meter/liter"},
                "illegal use of inverse units\n"},
        CliCase{"allRefused", {"abc", "meter", "--all"}, "unknown unit 'abc'\n"},
        CliCase{"fractionsUnreadable",
                {"-c", "Fractions", "3/", "--to", "as fraction"},
                "invalid or incomplete expression\n"},
        CliCase{"fractionsChartRefused",
                {"-c", "Fractions", "--all", "3/"},
                "invalid or incomplete expression\n"},
        CliCase{"allWithoutInputUnit", {"-c", "Length", "--all", "5"}, "no unit selected\n"}),
    CaseName);

// Exit status 2: a usage error explained on standard error, nothing on standard output.
TEST_F(CliTest, UsageErrors_explainOnStandardErrorAndExitWithTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {"1", "parsec", "--to", "meter"},                // no category holds the unit
        {"1", "meter", "--to", "pascal"},                // no category holds both units
        {"-c", "Volume", "1"},                           // unknown category
        {"-c", "Length", "1", "point", "--to", "meter"}, // unit of another category
        {"-c", "Length", "1", "meter", "--to", "pica"},  // output unit of another category
        {"-c", "Fractions", "3/4"},                      // no output unit
        {"-c", "Fractions", "3/4", "--to", "as decimal", "--to", "as fraction"}, // one answer at a time
        {"-c", "Empty", "1"},                                                    // no units
        {"100", "Celsius", "--to", "Kelvin", "--to", "Fahrenheit"},              // single-selection lists
        {"-c", "Temperature", "100", "--to", "Kelvin"},                          // no input unit
        {"100", "Celsius"},                                                      // no output unit
        {"-c", "Numbers", "--all", "255"},                                       // no input unit
        {"1", "meter", "--all", "--to", "foot"},                                 // --all shows every unit
        {"5", "--all"},                                                          // --all without a category
        {"--anywhere", "5"},                                                     // --anywhere without --find
        {"--list-categories", "5"},                                              // stray argument
        {"--to", "foot"},                                                        // nothing to convert
        {"--places", "-1", "5"},
        {"--style", "x", "5"},
    };
    for (const auto &args : cases) {
        const auto r = runOnFixture(args);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
        EXPECT_EQ(r.err.rfind("mensurio-cli: ", 0), 0u) << ::testing::PrintToString(args) << r.err;
        EXPECT_EQ(r.out, "") << ::testing::PrintToString(args);
    }
}

TEST_F(CliTest, SharedUnitNames_takeTheFirstCategoryInDatabaseOrder) {
    const auto length = runOnFixture({"1", "inch", "--to", "foot"});
    EXPECT_EQ(length.status, 0) << length.err;
    const auto typography = runOnFixture({"1", "inch", "--to", "pica"});
    EXPECT_EQ(typography.status, 0) << typography.err;
    EXPECT_EQ(typography.out, "6\n");
    const auto none = runOnFixture({"1", "inch", "--to", "pound"});
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("unknown unit 'pound'"), std::string::npos) << none.err;
}

TEST_F(CliTest, All_printsEveryListedUnitInNameOrderHiddenIncluded) {
    const auto r = runOnFixture({"1", "meter", "--all"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "3.280839895\tfoot\n"
                     "39.37007874\tinch\n"
                     "0.0002071237307\tleague (hidden)\n"
                     "1\tmeter\n"
                     "1000\tmm\n"
                     "1E-6\tMm\n"
                     "0.5130741556\ttoise (ancien r\xC3\xA9gime)\n"
                     "1.093613298\tyard\n");
}

TEST_F(CliTest, All_followsTheKindAndTheOptions) {
    struct AllCase {
        std::vector<std::string> args;
        std::string line;
    };
    const std::vector<AllCase> cases = {
        {{"100", "Celsius", "--all"}, "212\tFahrenheit\n"},
        {{"100", "Celsius", "--all"}, "373.15\tKelvin\n"},
        {{"255", "decimal", "--all"}, "FF\thexadecimal\n"},
        {{"255", "decimal", "--all"}, "CCLV\tRoman numerals\n"},
        {{"255", "decimal", "--all"}, "11111111\tbinary\n"},
        {{"5 foot + 3 inch", "--all"}, "1.6002\tmeter\n"}, // category from the expression
        {{"-c", "Typography", "5 inch", "--all"}, "360\tpoint\n"},
        {{"--input-gauge", "0", "pascal", "--all"}, "1\tatmosphere (atm)\n"},
        {{"--format", "fixed", "--places", "1", "1", "foot", "--all"}, "12.0\tinch\n"},
    };
    for (const auto &c : cases) {
        const auto r = runOnFixture(c.args);
        EXPECT_EQ(r.status, 0) << ::testing::PrintToString(c.args) << r.err;
        EXPECT_NE(r.out.find(c.line), std::string::npos) << ::testing::PrintToString(c.args) << r.out;
    }
}

TEST_F(CliTest, Convert_leavesTheDatabaseFolderAsItWas) {
    const std::string before = m_dir.read("fixture.dat");
    EXPECT_EQ(runOnFixture({"5 foot + 3 inch", "--to", "yard", "--to", "inch"}).status, 0);
    EXPECT_EQ(m_dir.read("fixture.dat"), before);
    std::vector<std::string> files;
    for (const auto &entry : std::filesystem::directory_iterator(m_dir.path()))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"fixture.dat", "stderr.txt", "stdout.txt"}));
}
