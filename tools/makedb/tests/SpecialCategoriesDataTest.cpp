// SPDX-License-Identifier: MIT
// The special categories of the built default.dat checked through their defining
// relations, computed here the way the converter uses the factors.
#include "core/engine/CategoryKind.h"
#include "core/engine/SpecialCategories.h"
#include "tools/makedb/tests/BuiltDatabase.h"

#include <gtest/gtest.h>

#include <quadmath.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

namespace mensurio {
namespace {

using Quad = __float128;
using DB = BuiltDatabase;

const std::string Celsius = "Celsius", Kelvin = "Kelvin",
                  Reaumur = "R\xE9"
                            "aumur",
                  Fahrenheit = "Fahrenheit", Rankine = "Rankine";

// Degree sizes in Fahrenheit degrees, as the temperature routine uses them.
long double Size(const std::string &name) {
    static const std::map<std::string, long double> sizes = {
        {Celsius, 1.8L}, {Kelvin, 1.8L}, {Reaumur, 2.25L}, {Fahrenheit, 1.0L}, {Rankine, 1.0L}};
    return sizes.at(name);
}

long double Temperature(long double value, const std::string &from, const std::string &to) {
    return (value * Size(from) + DB::Factor("Temperature", from) - DB::Factor("Temperature", to)) / Size(to);
}

struct TemperatureCase {
    long double Value;
    const std::string *From;
    const std::string *To;
    long double Expected;
};

TEST(SpecialCategoriesData, Temperature_knownPoints_convertThroughZeroPoints) {
    const TemperatureCase cases[] = {
        {100, &Celsius, &Fahrenheit, 212},   {-40, &Celsius, &Fahrenheit, -40},
        {0, &Celsius, &Fahrenheit, 32},      {0, &Kelvin, &Rankine, 0},
        {80, &Reaumur, &Celsius, 100},       {0, &Celsius, &Kelvin, 273.15L},
        {0, &Kelvin, &Fahrenheit, -459.67L}, {100, &Kelvin, &Rankine, 180},
        {491.67L, &Rankine, &Celsius, 0},
    };
    for (const TemperatureCase &c : cases) {
        const long double result = Temperature(c.Value, *c.From, *c.To);
        EXPECT_NEAR(static_cast<double>(result), static_cast<double>(c.Expected), 1e-12)
            << c.Value << " " << *c.From << " in " << *c.To;
        // The converter's own routine agrees with the formula on the same data.
        const auto converted = ConvertTemperatureValue(c.Value, *c.From, DB::Factor("Temperature", *c.From),
                                                       *c.To, DB::Factor("Temperature", *c.To));
        ASSERT_TRUE(converted.has_value());
        EXPECT_EQ(*converted, result) << c.Value << " " << *c.From << " in " << *c.To;
    }
    EXPECT_EQ(DB::Factor("Temperature", Kelvin), 0.0L);
    EXPECT_EQ(DB::Factor("Temperature", Rankine), 0.0L);
}

TEST(SpecialCategoriesData, Temperature_units_areExactlyTheFiveScalesWithADegreeSize) {
    const CategoryRecord *category = DB::Category("Temperature");
    ASSERT_NE(category, nullptr);
    std::set<std::string> names;
    for (const UnitRecord &unit : category->Units) {
        names.insert(unit.Name);
        EXPECT_TRUE(DegreeSize(unit.Name).has_value()) << unit.Name;
    }
    EXPECT_EQ(names, (std::set<std::string>{Celsius, Kelvin, Reaumur, Fahrenheit, Rankine}));
}

TEST(SpecialCategoriesData, Pressure_standardAtmosphere_isTheGaugeOffset) {
    EXPECT_EQ(DB::Factor("Pressure", "atmosphere (atm)"),
              static_cast<long double>(kStandardAtmosphereInBaseUnits));
    EXPECT_EQ(DB::Factor("Pressure", "pascal"), 10.0L);
    EXPECT_EQ(DB::Factor("Pressure", "dyne/square centimeter (barye)"), 1.0L);
}

TEST(SpecialCategoriesData, FuelEfficiency_inverseUnits_matchTheirNormalCounterparts) {
    // x of an inverse unit is k / x base units.
    const long double base = DB::Factor("Fuel Efficiency", "liter/100 km") / 5;
    EXPECT_NEAR(static_cast<double>(base / DB::Factor("Fuel Efficiency", "kilometer/liter")), 20.0, 1e-15);
    const InverseInput input = InverseInputBase(5, DB::Factor("Fuel Efficiency", "liter/100 km"), true);
    EXPECT_NEAR(static_cast<double>(input.base), static_cast<double>(base), 1e-9);
    EXPECT_NEAR(static_cast<double>(
                    InverseAwareResult(input.base, DB::Factor("Fuel Efficiency", "kilometer/liter"), false)),
                20.0, 1e-15);
    const long double mpg = DB::Factor("Fuel Efficiency", "mile/gallon (US) (mpg)");
    EXPECT_EQ(DB::Factor("Fuel Efficiency", "gallons (US)/mile"), mpg);
    EXPECT_NEAR(static_cast<double>(DB::Factor("Fuel Efficiency", "gallons (US)/100mi") / 4 / mpg), 25.0,
                1e-15);
    EXPECT_EQ(DB::Factor("Fuel Efficiency", "gallons (UK)/mile"),
              DB::Factor("Fuel Efficiency", "mile/gallon (UK)"));
    EXPECT_EQ(DB::Factor("Fuel Efficiency", "liter/meter"), DB::Factor("Fuel Efficiency", "meter/liter"));
    // 10 kilowatt/ton is a COP of 0.35168528...: 12000 BTU per hour over 10 kW.
    EXPECT_NEAR(static_cast<double>(DB::Factor("HVAC Efficiency", "kilowatt/ton") / 10), 0.351685284206666667,
                1e-17);
}

TEST(SpecialCategoriesData, FrequencyWavelength_everyWavelength_timesItsLengthIsTheSpeedOfLight) {
    const std::pair<const char *, int> wavelengths[] = {
        {"exametres", 18},   {"petametres", 15},  {"terametres", 12}, {"gigametres", 9}, {"megametres", 6},
        {"kilometres", 3},   {"hectometres", 2},  {"decametres", 1},  {"metres", 0},     {"decimetres", -1},
        {"centimetres", -2}, {"millimetres", -3}, {"micrometres", -6}};
    for (const auto &[suffix, exponent] : wavelengths) {
        const std::string name = std::string("wavelength in ") + suffix;
        const Quad k = DB::Factor("Frequency Wavelength", name);
        const Quad c = k * powq(10, exponent);
        EXPECT_LE(fabsq(c - 299792458) / 299792458, Quad(0x1p-64L)) << name;
    }
}

TEST(SpecialCategoriesData, ThermalResistivity_conductivityUnits_areReciprocalsOfThermalConductivity) {
    // Inverse unit name in Thermal Resistivity -> the same unit in Thermal Conductivity.
    const std::pair<const char *, const char *> pairs[] = {
        {"watt/meter-K", "watt/meter-K"},
        {"kilowatt/meter-K", "kilowatt/meter-K"},
        {"watt/centimeter-degree C", "watt/centimeter-degree C"},
        {"calorie (int)/second-centimeter-degree C", "calorie (int)/second-centimeter-degree C"},
        {"calorie (thermoch.)/second-centimeter-degree C", "calorie (thermoch.)/second-centimeter-degree C"},
        {"BTU (int)/hour-foot-degree F", "BTU (int)/hour-foot-degree F"},
        {"BTU (themochem)/hour-foot-degree F", "BTU (thermochem)/hour-foot-degree F"},
        {"BTU (int)-inch/hour-square foot-degree F", "BTU (int)-inch/hour-square foot-degree F"},
        {"BTU (thermochem)-inch/hour-square foot-degree F",
         "BTU (thermochem)-inch/hour-square foot-degree F"},
    };
    for (const auto &[inverse, conductivity] : pairs) {
        const Quad product = Quad(DB::Factor("Thermal Resistivity", inverse)) *
                             Quad(DB::Factor("Thermal Conductivity", conductivity));
        EXPECT_LE(fabsq(product - 1), Quad(0x1p-63L)) << inverse;
    }
}

// Which of the converter's inverse names a category holds, ignoring letter case as the
// converter does when it marks them.
std::set<std::string> InverseNamesHeld(const std::string &categoryName) {
    std::set<std::string> held;
    const CategoryRecord *category = DB::Category(categoryName);
    if (category == nullptr)
        return held;
    for (const std::string &inverse : InverseUnitNames(CategoryKindOf(categoryName))) {
        for (const UnitRecord &unit : category->Units) {
            if (UnitDatabase::SameNameIgnoringCase(unit.Name, inverse))
                held.insert(inverse);
        }
    }
    return held;
}

TEST(SpecialCategoriesData, SpecialNames_allExistWhereTheConverterLooksForThem) {
    for (const char *name : {"Temperature", "Pressure", "Numbers", "Fractions", "Fuel Efficiency",
                             "HVAC Efficiency", "Frequency Wavelength", "Thermal Resistivity"})
        EXPECT_NE(DB::Category(name), nullptr) << name;
    ASSERT_NE(DB::Category("Fractions"), nullptr);
    // The shipped Fractions units: decimal, fraction, and the sixteenths family people read off a rule.
    std::map<std::string, long double> fractions;
    for (const UnitRecord &unit : DB::Category("Fractions")->Units)
        fractions[unit.Name] = unit.Factor;
    const std::map<std::string, long double> wanted = {
        {"as decimal", 1},  {"as fraction", 0},   {"nearest 1/2", 2},   {"nearest 1/4", 4},
        {"nearest 1/8", 8}, {"nearest 1/16", 16}, {"nearest 1/32", 32}, {"nearest 1/64", 64}};
    for (const auto &[name, factor] : wanted) {
        ASSERT_TRUE(fractions.count(name)) << name;
        EXPECT_EQ(fractions[name], factor) << name;
    }

    // Every efficiency inverse name lives in one of the two efficiency categories.
    const auto fuel = InverseNamesHeld("Fuel Efficiency");
    const auto hvac = InverseNamesHeld("HVAC Efficiency");
    EXPECT_EQ(fuel.size(), 6u);
    EXPECT_EQ(hvac, std::set<std::string>{"kilowatt/ton"});

    // All thirteen wavelengths; each of the nine conductivity units in one of its spellings.
    const auto &names = InverseUnitNames(CategoryKind::Reciprocal);
    ASSERT_EQ(names.size(), 29u);
    const auto wavelengths = InverseNamesHeld("Frequency Wavelength");
    for (std::size_t i = 0; i < 13; ++i)
        EXPECT_EQ(wavelengths.count(names[i]), 1u) << names[i];
    const auto conductivities = InverseNamesHeld("Thermal Resistivity");
    for (std::size_t i = 13; i < 22; ++i) {
        // Names 23..29 spell names 14..19 and 22 in words; 20 and 21 have one spelling.
        const std::size_t inWords = i <= 18 ? i + 9 : i == 21 ? 28 : i;
        EXPECT_TRUE(conductivities.count(names[i]) == 1 || conductivities.count(names[inWords]) == 1)
            << names[i];
    }
}

TEST(SpecialCategoriesData, Numbers_factorsAreBasesAndCoverTheCommonSystems) {
    const CategoryRecord *category = DB::Category("Numbers");
    ASSERT_NE(category, nullptr);
    std::set<int> bases;
    for (const UnitRecord &unit : category->Units) {
        const long double factor = unit.Factor;
        EXPECT_EQ(factor, std::nearbyint(factor)) << unit.Name;
        EXPECT_TRUE(factor == 0 || (factor >= 2 && factor <= 36)) << unit.Name;
        bases.insert(static_cast<int>(factor));
    }
    for (const int base : {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 16, 20, 32, 36})
        EXPECT_EQ(bases.count(base), 1u) << base;
    EXPECT_EQ(DB::Factor("Numbers", "binary"), 2.0L);
    EXPECT_EQ(DB::Factor("Numbers", "octal"), 8.0L);
    EXPECT_EQ(DB::Factor("Numbers", "decimal"), 10.0L);
    EXPECT_EQ(DB::Factor("Numbers", "hexadecimal"), 16.0L);
    EXPECT_EQ(DB::Factor("Numbers", "Roman numerals"), 0.0L);
}

} // namespace
} // namespace mensurio
