// SPDX-License-Identifier: MIT
// Conversions against the shipped default.dat, with the units named as the data files name them.
#include "cli/CliFixture.h"

using namespace mensurio;
using namespace mensurio::test;

namespace {

class CliDefaultDatabase : public CliTest, public ::testing::WithParamInterface<CliCase> {};

} // namespace

TEST_P(CliDefaultDatabase, Convert_givesTheKnownValue) {
    std::vector<std::string> args = GetParam().args;
    args.insert(args.begin(), {"--db", MENSURIO_BIN_DIR "/default.dat"});
    const auto r = run(args);
    EXPECT_EQ(r.out, GetParam().out);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Shipped, CliDefaultDatabase,
    ::testing::Values(
        CliCase{"mileInKilometer", {"1", "mile", "--to", "kilometer"}, "1.609344\n"},
        CliCase{"boilingPoint", {"100", "Celsius", "--to", "Fahrenheit"}, "212\n"},
        CliCase{
            "litersPer100kmInMpg", {"5", "liter/100 km", "--to", "mile/gallon (US) (mpg)"}, "47.04291667\n"},
        CliCase{
            "mpgInLitersPer100km", {"47.04291667", "mile/gallon (US) (mpg)", "--to", "liter/100 km"}, "5\n"},
        CliCase{"atmosphereInPascal", {"1", "atmosphere (atm)", "--to", "pascal"}, "101325\n"},
        CliCase{
            "atmosphereInPsi", {"1", "atmosphere (atm)", "--to", "pound/square inch (psi)"}, "14.69594878\n"},
        CliCase{"gaugeAtmosphereInPsi",
                {"--input-gauge", "0", "atmosphere (atm)", "--to", "pound/square inch (psi)"},
                "14.69594878\n"},
        CliCase{"romanNumeral", {"MCMXCIV", "Roman numerals", "--to", "decimal"}, "1994\n"},
        CliCase{"hexadecimal", {"FF", "hexadecimal", "--to", "decimal"}, "255\n"},
        CliCase{"compoundFeetAndInches", {"5 foot + 3 inch", "--to", "meter"}, "1.6002\n"},
        CliCase{"metersInFeetAndInches",
                {"--style", "1", "1.6002", "meter", "--to", "foot", "--to", "inch"},
                "5 foot + 3 inch\n"}),
    CaseName);
