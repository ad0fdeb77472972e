// SPDX-License-Identifier: MIT
// Everyday command lines on the shipped database: symbols, one-line conversions, mixed numbers,
// radix literals, and the refusals that name what went wrong.
#include "cli/CliFixture.h"

using namespace mensurio;
using namespace mensurio::test;

namespace {

struct EverydayCliCase {
    const char *name;
    std::vector<std::string> args;
    std::string out; // standard output, or the start of standard error when status is 2
    int status;
};

std::ostream &operator<<(std::ostream &os, const EverydayCliCase &c) {
    return os << c.name;
}

class CliEveryday : public CliTest, public ::testing::WithParamInterface<EverydayCliCase> {
  protected:
    ProcessResult runOnDefault(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--db", std::string(MENSURIO_BIN_DIR) + "/default.dat"});
        return run(args);
    }
};

} // namespace

TEST_P(CliEveryday, Convert_everydayCommandLine) {
    const EverydayCliCase &c = GetParam();
    const auto r = runOnDefault(c.args);
    EXPECT_EQ(r.status, c.status) << r.out << r.err;
    if (c.status == 2)
        EXPECT_EQ(r.err.substr(0, c.out.size()), c.out);
    else
        EXPECT_EQ(r.out, c.out) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Default, CliEveryday,
    ::testing::Values(
        EverydayCliCase{"symbolFromUnit", {"5", "ft", "--to", "m"}, "1.524\n", 0},
        EverydayCliCase{"symbolsInOneLine", {"5", "ft", "3", "in", "to", "cm"}, "160.02\n", 0},
        EverydayCliCase{"arrowOperand", {"100", "km/h", "->", "m/s"}, "27.77777778\n", 0},
        EverydayCliCase{"arrowInOneOperand", {"72 °F -> °C"}, "22.22222222\n", 0},
        EverydayCliCase{
            "temperatureScaleSymbols", {"-c", "Temperature", "72", "°F", "--to", "°C"}, "22.22222222\n", 0},
        EverydayCliCase{"temperatureWithoutCategory", {"212", "°F", "--to", "K"}, "373.15\n", 0},
        EverydayCliCase{"plural", {"6 feet 2 inches", "--to", "cm"}, "187.96\n", 0},
        EverydayCliCase{"hoursAndMinutes", {"1 h 30 min", "to", "min"}, "90\n", 0},
        EverydayCliCase{"fullNamesSideBySide", {"1 hour 30 minute", "--to", "minute"}, "90\n", 0},
        EverydayCliCase{"mixedNumberWithUnit", {"5 1/2 in", "to", "mm"}, "139.7\n", 0},
        EverydayCliCase{"mixedNumber", {"1 3/4"}, "1.75\n", 0},
        EverydayCliCase{"negativeMixedNumber", {"--", "-1 3/4"}, "-1.75\n", 0},
        EverydayCliCase{"thousandsBySpace", {"1 000 m", "to", "km"}, "1\n", 0},
        EverydayCliCase{"groupedNumber", {"1,234,567"}, "1234567\n", 0},
        EverydayCliCase{"hexadecimal", {"0xFF"}, "255\n", 0}, EverydayCliCase{"octal", {"0o17"}, "15\n", 0},
        EverydayCliCase{"binary", {"0b1010"}, "10\n", 0},
        EverydayCliCase{"speedSymbols", {"60 mph", "to", "km/h"}, "96.56064\n", 0},
        EverydayCliCase{"massSymbols", {"10", "kg", "--to", "lb"}, "22.04622622\n", 0},
        EverydayCliCase{"dataSymbols", {"1 GiB", "to", "MiB"}, "1024\n", 0},
        EverydayCliCase{"fullNameInOtherCase", {"2", "Foot", "--to", "Inch"}, "24\n", 0},
        EverydayCliCase{"ambiguousGrouping", {"1,000"}, "'1,000' is ambiguous: 1000 or 1?\n", 1},
        EverydayCliCase{"numbersSideBySide", {"2 3"}, "two numbers side by side: '2 3'\n", 1},
        EverydayCliCase{"unknownWordInCategory",
                        {"-c", "Length", "5 feeet", "--to", "m"},
                        "unknown unit 'feeet'; did you mean foot (ft)?\n",
                        1},
        EverydayCliCase{
            "unknownUnitArgument", {"5", "feeet", "--to", "m"}, "mensurio-cli: unknown unit 'feeet'", 2},
        EverydayCliCase{"nothingAfterTo", {"5 ft to"}, "mensurio-cli: nothing to convert to after 'to'", 2},
        // Quantities across categories.
        EverydayCliCase{"energyPerDistance", {"60 kWh/100 km", "to", "Wh/mile"}, "965.6064\n", 0},
        EverydayCliCase{"massTimesAcceleration", {"10 kg * 9.81 m/s^2", "to", "N"}, "98.1\n", 0},
        EverydayCliCase{"distanceOverTime", {"1 mile / 8 min", "to", "km/h"}, "12.07008\n", 0},
        EverydayCliCase{"areaFromLengths", {"3 m * 4 m", "to", "square foot"}, "129.166925\n", 0},
        EverydayCliCase{"powerTimesTime", {"1000 W * 3 h", "to", "kWh"}, "3\n", 0},
        EverydayCliCase{"unitExpressionTarget", {"1 kWh", "--to", "kg*m^2/s^2"}, "3600000\n", 0},
        EverydayCliCase{"noTargetNamesTheCategory", {"10 kg * 9.81 m/s^2"}, "98.1 newton (Force)\n", 0},
        EverydayCliCase{"otherDimension",
                        {"60 kWh/100 km", "to", "mile"},
                        "60 kWh/100 km is a force (M L T^-2); mile is a length (L)\n",
                        1},
        EverydayCliCase{
            "categoryGivenAcross", {"-c", "Speed", "100 km / 45 min", "--to", "km/h"}, "133.3333333\n", 0}),
    [](const ::testing::TestParamInfo<EverydayCliCase> &info) { return std::string(info.param.name); });

TEST_F(CliTest, AmbiguousSymbol_withoutCategory_namesTheCandidatesAndExitsWithTwo) {
    // 'bp' is the basis point (Ratio) and the big point (Typography).
    const auto r = run({"--db", std::string(MENSURIO_BIN_DIR) + "/default.dat", "5", "bp", "--to", "%"});
    EXPECT_EQ(r.status, 2) << r.out;
    EXPECT_NE(r.err.find("'bp' is "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(": add -c "), std::string::npos) << r.err;
}

TEST_F(CliTest, TemperatureInterval_inferred_saysSoOnStandardError) {
    const auto r = run({"--db", std::string(MENSURIO_BIN_DIR) + "/default.dat", "72", "degree Fahrenheit",
                        "--to", "degree Celsius"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("temperature differences"), std::string::npos) << r.err;
}
