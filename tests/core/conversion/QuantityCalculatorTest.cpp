// SPDX-License-Identifier: MIT
// Quantities across categories, against the shipped default.dat, its symbols and dimensions. The
// expected values are worked out from the units' definitions in exact rational arithmetic.
#include "core/engine/QuantityCalculator.h"

#include "core/db/DatabaseFile.h"
#include "core/db/UnitDatabase.h"

#include "support/TestDatabases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace mensurio {
namespace {

struct QuantityCase {
    const char *text;
    const char *target;
    const char *expected;
};

class QuantityCalculatorTest : public ::testing::TestWithParam<QuantityCase> {
  protected:
    static void SetUpTestSuite() {
        s_db = new UnitDatabase;
        *s_db = test::ShippedDatabase();
        s_calculator = new QuantityCalculator(*s_db, BuiltinAliases(), BuiltinDimensions());
    }
    static void TearDownTestSuite() {
        delete s_calculator;
        delete s_db;
    }
    static UnitDatabase *s_db;
    static QuantityCalculator *s_calculator;
};

UnitDatabase *QuantityCalculatorTest::s_db = nullptr;
QuantityCalculator *QuantityCalculatorTest::s_calculator = nullptr;

TEST_P(QuantityCalculatorTest, Convert_acrossCategories_matchesTheDefinitions) {
    const QuantityCase &c = GetParam();
    const QuantityCalculator::Conversion result = s_calculator->Convert(c.text, c.target, '.');
    ASSERT_TRUE(result.value.has_value()) << c.text << " in " << c.target << ": " << result.message;
    const long double expected = std::strtold(c.expected, nullptr);
    // Each factor is the nearest 80-bit value and each step rounds once: a few units in the last
    // place of the 64-bit significand.
    EXPECT_LE(std::fabs(*result.value - expected), 8 * std::fabs(expected) * 0x1p-64L)
        << c.text << " in " << c.target << " = " << static_cast<double>(*result.value);
}

INSTANTIATE_TEST_SUITE_P(
    Everyday, QuantityCalculatorTest,
    ::testing::Values(QuantityCase{"1 mile / 1 hour", "mph", "1.000000000000000000000000e+0"},
                      QuantityCase{"1 mile / 8 min", "km/h", "1.207008000000000000000000e+1"},
                      QuantityCase{"100 km / 45 min", "km/h", "1.333333333333333333333333e+2"},
                      QuantityCase{"100 km / 45 min", "m/s", "3.703703703703703703703704e+1"},
                      QuantityCase{"1 nmi / 1 h", "kn", "1.000000000000000000000000e+0"},
                      QuantityCase{"26.2 mi / 3 h", "mph", "8.733333333333333333333333e+0"},
                      QuantityCase{"10 km / 50 min", "mph", "7.456454306848007635409210e+0"},
                      QuantityCase{"400 m / 50 s", "km/h", "2.880000000000000000000000e+1"},
                      QuantityCase{"5280 ft / 1 min", "mph", "6.000000000000000000000000e+1"},
                      QuantityCase{"1 m / 1 s", "km/h", "3.600000000000000000000000e+0"},
                      QuantityCase{"60 mi / 1 h", "m/s", "2.682240000000000000000000e+1"},
                      QuantityCase{"3 km / 10 min", "km/h", "1.800000000000000000000000e+1"},
                      QuantityCase{"10 kg * 9.81 m/s^2", "N", "9.810000000000000000000000e+1"},
                      QuantityCase{"10 kg * 9.81 m/s^2", "kN", "9.810000000000000000000000e-2"},
                      QuantityCase{"1 kg * 1 m/s^2", "N", "1.000000000000000000000000e+0"},
                      QuantityCase{"1 lb * 9.80665 m/s^2", "lbf", "1.000000000000000000000000e+0"},
                      QuantityCase{"2 t * 3 m/s^2", "kN", "6.000000000000000000000000e+0"},
                      QuantityCase{"1 kg * 1 m / 1 s^2", "N", "1.000000000000000000000000e+0"},
                      QuantityCase{"5 kg * 2 m/s/s", "N", "1.000000000000000000000000e+1"},
                      QuantityCase{"100 lbf", "N", "4.448221615260500000000000e+2"},
                      QuantityCase{"1000 W * 3 h", "kWh", "3.000000000000000000000000e+0"},
                      QuantityCase{"1000 W * 3 h", "J", "1.080000000000000000000000e+7"},
                      QuantityCase{"2 kW * 30 min", "kWh", "1.000000000000000000000000e+0"},
                      QuantityCase{"1 kWh / 1 h", "W", "1.000000000000000000000000e+3"},
                      QuantityCase{"3600 J / 1 s", "kW", "3.600000000000000000000000e+0"},
                      QuantityCase{"1 N * 1 m", "J", "1.000000000000000000000000e+0"},
                      QuantityCase{"10 N * 5 m", "kJ", "5.000000000000000000000000e-2"},
                      QuantityCase{"1 lbf * 1 ft", "J", "1.355817948331400400000000e+0"},
                      QuantityCase{"100 W * 1 d", "kWh", "2.400000000000000000000000e+0"},
                      QuantityCase{"1 hp * 1 h", "kWh", "7.456998715822702200000000e-1"},
                      QuantityCase{"1 hp", "W", "7.456998715822702200000000e+2"},
                      QuantityCase{"60 kWh/100 km", "Wh/mile", "9.656064000000000000000000e+2"},
                      QuantityCase{"60 kWh/100 km", "Wh/km", "6.000000000000000000000000e+2"},
                      QuantityCase{"15 kWh/100 mi", "Wh/km", "9.320567883560009544261513e+1"},
                      QuantityCase{"200 Wh/km * 300 km", "kWh", "6.000000000000000000000000e+1"},
                      QuantityCase{"1 kJ / 1 s", "W", "1.000000000000000000000000e+3"},
                      QuantityCase{"1 J / 1 s * 1 h", "Wh", "1.000000000000000000000000e+0"},
                      QuantityCase{"5 kW * 2 h + 1 kWh", "kWh", "1.100000000000000000000000e+1"},
                      QuantityCase{"1 kWh - 1800 kJ", "kWh", "5.000000000000000000000000e-1"},
                      QuantityCase{"1 bar * 1 m^2", "N", "1.000000000000000000000000e+5"},
                      QuantityCase{"1 atm * 1 m^2", "kN", "1.013250000000000000000000e+2"},
                      QuantityCase{"1 psi * 1 in^2", "lbf", "1.000000000000000000000000e+0"},
                      QuantityCase{"100 N / 1 m^2", "Pa", "1.000000000000000000000000e+2"},
                      QuantityCase{"1 kN / 1 cm^2", "bar", "1.000000000000000000000000e+2"},
                      QuantityCase{"3 m * 4 m", "square foot", "1.291669250005166677000021e+2"},
                      QuantityCase{"3 m * 4 m", "m^2", "1.200000000000000000000000e+1"},
                      QuantityCase{"1 ft * 1 ft", "square foot", "1.000000000000000000000000e+0"},
                      QuantityCase{"1 km * 1 km", "ha", "1.000000000000000000000000e+2"},
                      QuantityCase{"100 m * 100 m", "ha", "1.000000000000000000000000e+0"},
                      QuantityCase{"2 m * 3 m * 4 m", "m^3", "2.400000000000000000000000e+1"},
                      QuantityCase{"1 m * 1 m * 1 m", "L", "1.000000000000000000000000e+3"},
                      QuantityCase{"10 cm * 10 cm * 10 cm", "L", "1.000000000000000000000000e+0"},
                      QuantityCase{"1000 L / 1 h", "m^3/h", "1.000000000000000000000000e+0"},
                      QuantityCase{"1 m^3 / 1 s", "m^3/h", "3.600000000000000000000000e+3"},
                      QuantityCase{"1 kg / 1 L", "kg/m^3", "1.000000000000000000000000e+3"},
                      QuantityCase{"1 g / 1 cm^3", "kg/m^3", "1.000000000000000000000000e+3"},
                      QuantityCase{"1 t / 1 m^3", "g/cm^3", "1.000000000000000000000000e+0"},
                      QuantityCase{"5 kg / 2 L", "g/cm^3", "2.500000000000000000000000e+0"},
                      QuantityCase{"2 A * 3 h", "Ah", "6.000000000000000000000000e+0"},
                      QuantityCase{"500 mA * 2 h", "mAh", "1.000000000000000000000000e+3"},
                      QuantityCase{"1 A * 1 s", "C", "1.000000000000000000000000e+0"},
                      QuantityCase{"12 V * 2 A", "W", "2.400000000000000000000000e+1"},
                      QuantityCase{"230 V * 10 A * 2 h", "kWh", "4.600000000000000000000000e+0"},
                      QuantityCase{"12 V / 2 A", "ohm", "6.000000000000000000000000e+0"},
                      QuantityCase{"1 V / 1 A", "ohm", "1.000000000000000000000000e+0"},
                      QuantityCase{"3 Ah * 12 V", "Wh", "3.600000000000000000000000e+1"},
                      QuantityCase{"1 Ah", "C", "3.600000000000000000000000e+3"},
                      QuantityCase{"9 V * 500 mAh", "Wh", "4.500000000000000000000000e+0"},
                      QuantityCase{"1 h 30 min", "s", "5.400000000000000000000000e+3"},
                      QuantityCase{"90 min", "h", "1.500000000000000000000000e+0"},
                      QuantityCase{"1 d / 24", "h", "1.000000000000000000000000e+0"},
                      QuantityCase{"2 h * 3", "min", "3.600000000000000000000000e+2"},
                      QuantityCase{"(1 km + 500 m) / 30 min", "km/h", "3.000000000000000000000000e+0"},
                      QuantityCase{"1 km / (2 min + 30 s)", "km/h", "2.400000000000000000000000e+1"},
                      QuantityCase{"1 mi / 4 min", "mph", "1.500000000000000000000000e+1"},
                      QuantityCase{"1 mi / (4 min)", "km/h", "2.414016000000000000000000e+1"},
                      QuantityCase{"1 N", "kg*m/s^2", "1.000000000000000000000000e+0"},
                      QuantityCase{"1 J", "kg*m^2/s^2", "1.000000000000000000000000e+0"},
                      QuantityCase{"1 J", "N m", "1.000000000000000000000000e+0"},
                      QuantityCase{"1 kWh", "kW h", "1.000000000000000000000000e+0"},
                      QuantityCase{"1 W", "J/s", "1.000000000000000000000000e+0"},
                      QuantityCase{"1 Pa", "N/m^2", "1.000000000000000000000000e+0"},
                      QuantityCase{"1 km/h", "m/s", "2.777777777777777777777778e-1"},
                      QuantityCase{"36 km/h", "m/s", "1.000000000000000000000000e+1"},
                      QuantityCase{"1 mph", "ft/s", "1.466666666666666666666667e+0"},
                      QuantityCase{"1 kn", "m/s", "5.144444444444444444444444e-1"},
                      QuantityCase{"1 N/m^2", "Pa", "1.000000000000000000000000e+0"},
                      QuantityCase{"1 kg m/s^2", "N", "1.000000000000000000000000e+0"},
                      QuantityCase{"10 m/s * 10 s", "m", "1.000000000000000000000000e+2"},
                      QuantityCase{"10 m/s^2 * 2 s", "km/h", "7.200000000000000000000000e+1"},
                      QuantityCase{"1 mph * 1 h", "mi", "1.000000000000000000000000e+0"},
                      QuantityCase{"30 mph * 20 min", "mi", "1.000000000000000000000000e+1"},
                      QuantityCase{"100 km/h * 90 min", "km", "1.500000000000000000000000e+2"},
                      QuantityCase{"2 kW / 4 A", "V", "5.000000000000000000000000e+2"},
                      QuantityCase{"1 J / 1 N", "m", "1.000000000000000000000000e+0"},
                      QuantityCase{"1 kWh / 1 kW", "min", "6.000000000000000000000000e+1"},
                      QuantityCase{"1 t * 10 m/s^2 * 2 m", "kJ", "2.000000000000000000000000e+1"},
                      QuantityCase{"1 kg * (3 m/s)^2 / 2", "J", "4.500000000000000000000000e+0"},
                      QuantityCase{"1 N * 2 m / 4 s", "W", "5.000000000000000000000000e-1"},
                      QuantityCase{"2 in * 3 in", "square foot", "4.166666666666666666666667e-2"},
                      QuantityCase{"1 ft^2", "in^2", "1.440000000000000000000000e+2"},
                      QuantityCase{"1 yd^2", "ft^2", "9.000000000000000000000000e+0"},
                      QuantityCase{"1 mi^2", "km^2", "2.589988110336000000000000e+0"},
                      QuantityCase{"1 m^2", "ft^2", "1.076391041670972230833351e+1"},
                      QuantityCase{"1 kg * 1 km", "kg m", "1.000000000000000000000000e+3"},
                      QuantityCase{"1 L / 100 km", "mL/km", "1.000000000000000000000000e+1"},
                      QuantityCase{"1 gal / 1 mi", "L/km", "2.352145833333333333333333e+0"}));

TEST_F(QuantityCalculatorTest, Convert_mileAnHourInMph_isExactlyOne) {
    EXPECT_EQ(s_calculator->Convert("1 mile / 1 hour", "mph", '.').value, 1.0L);
}

struct MismatchCase {
    const char *text;
    const char *target;
    const char *message;
};

TEST_F(QuantityCalculatorTest, Convert_otherDimension_namesBothInWordsAndSymbols) {
    const MismatchCase cases[] = {
        {"60 kWh/100 km", "mile", "60 kWh/100 km is a force (M L T^-2); mile is a length (L)"},
        {"3 m * 4 m", "L", "3 m * 4 m is an area (L^2); L is a volume (L^3)"},
        {"1 kg", "N", "1 kg is a mass (M); N is a force (M L T^-2)"},
    };
    for (const MismatchCase &c : cases)
        EXPECT_EQ(s_calculator->Convert(c.text, c.target, '.').message, c.message);
}

TEST_F(QuantityCalculatorTest, Evaluate_refusals_sayWhy) {
    const MismatchCase cases[] = {
        {"1 m + 1 s", "", "cannot add a time (T) to a length (L)"},
        {"5 flurb", "", "unknown unit 'flurb'"},
        {"2 m ^ x", "", "a power needs a whole exponent"},
        {"(1 m", "", "invalid or incomplete expression"},
    };
    for (const MismatchCase &c : cases)
        EXPECT_EQ(s_calculator->Evaluate(c.text, '.').message, c.message) << c.text;
}

TEST_F(QuantityCalculatorTest, PreferredFor_givesTheSiUnitOfThePreferredCategory) {
    const QuantityCalculator::Reading force = s_calculator->Evaluate("10 kg * 9.81 m/s^2", '.');
    ASSERT_TRUE(force.quantity);
    const auto preferred = s_calculator->PreferredFor(force.quantity->dimension);
    ASSERT_TRUE(preferred);
    EXPECT_EQ(preferred->category, "Force");
    EXPECT_EQ(preferred->unit, "newton");
    const QuantityCalculator::Reading energy = s_calculator->Evaluate("1 N m", '.');
    ASSERT_TRUE(energy.quantity);
    EXPECT_EQ(s_calculator->PreferredFor(energy.quantity->dimension)->category, "Energy");
}

} // namespace
} // namespace mensurio
