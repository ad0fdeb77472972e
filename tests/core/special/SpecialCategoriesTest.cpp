// SPDX-License-Identifier: MIT
#include "core/engine/SpecialCategories.h"

#include "core/engine/CheckedArithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace mensurio {
namespace {

// Temperature fixture as the units data holds it: zero points in Fahrenheit-sized degrees above
// absolute zero.
struct TemperatureUnit {
    const char *name;
    long double factor;
};
const TemperatureUnit kKelvin{"Kelvin", 0};
const TemperatureUnit kRankine{"Rankine", 0};
const TemperatureUnit kFahrenheit{"Fahrenheit", 459.67L};
const TemperatureUnit kCelsius{"Celsius", 491.67L};
const TemperatureUnit kReaumur{"R\xE9"
                               "aumur",
                               491.67L};

long double Temperature(long double value, const TemperatureUnit &from, const TemperatureUnit &to) {
    const std::optional<long double> result =
        ConvertTemperatureValue(value, from.name, from.factor, to.name, to.factor);
    EXPECT_TRUE(result.has_value());
    return result.value_or(std::numeric_limits<long double>::quiet_NaN());
}

TEST(SpecialCategories, ConvertTemperatureValue_table_knownScalePoints) {
    const struct {
        long double value;
        TemperatureUnit from;
        TemperatureUnit to;
        long double expected;
    } cases[] = {
        {100, kCelsius, kFahrenheit, 212},    {0, kCelsius, kFahrenheit, 32},
        {-40, kCelsius, kFahrenheit, -40},    {-40, kFahrenheit, kCelsius, -40},
        {0, kKelvin, kCelsius, -273.15L},     {0, kKelvin, kRankine, 0},
        {0, kKelvin, kFahrenheit, -459.67L},  {100, kCelsius, kKelvin, 373.15L},
        {80, kReaumur, kCelsius, 100},        {100, kCelsius, kReaumur, 80},
        {0, kReaumur, kKelvin, 273.15L},      {671.67L, kRankine, kCelsius, 100},
        {212, kFahrenheit, kFahrenheit, 212}, {300, kKelvin, kRankine, 540},
    };
    for (const auto &c : cases)
        EXPECT_NEAR(static_cast<double>(Temperature(c.value, c.from, c.to)), static_cast<double>(c.expected),
                    1e-12)
            << static_cast<double>(c.value) << " " << c.from.name << " -> " << c.to.name;
}

TEST(SpecialCategories, DegreeSize_exactNamesOnly) {
    EXPECT_EQ(DegreeSize("Celsius"), 1.8L);
    EXPECT_EQ(DegreeSize("Kelvin"), 1.8L);
    EXPECT_EQ(DegreeSize("R\xE9"
                         "aumur"),
              2.25L);
    EXPECT_EQ(DegreeSize("Fahrenheit"), 1.0L);
    EXPECT_EQ(DegreeSize("Rankine"), 1.0L);
    for (const char *other : {"celsius", "Reaumur",
                              "R\xC9"
                              "AUMUR",
                              "Kelvin ", "", "degree Celsius"})
        EXPECT_FALSE(DegreeSize(other).has_value()) << other;
}

TEST(SpecialCategories, ConvertTemperatureValue_unitWithoutDegreeSize_givesNothing) {
    EXPECT_FALSE(ConvertTemperatureValue(1, "Celsius", 491.67L, "Delisle", 0).has_value());
    EXPECT_FALSE(ConvertTemperatureValue(1, "Newton", 0, "Kelvin", 0).has_value());
}

TEST(SpecialCategories, ConvertTemperatureValue_overflowThrows_infinityPassesThrough) {
    const long double largest = std::numeric_limits<long double>::max();
    EXPECT_THROW(ConvertTemperatureValue(largest,
                                         "R\xE9"
                                         "aumur",
                                         0, "Rankine", 0),
                 ArithmeticError);
    EXPECT_THROW(ConvertTemperatureValue(-largest, "Rankine", -largest, "Kelvin", 0), ArithmeticError);
    const long double inf = std::numeric_limits<long double>::infinity();
    const std::optional<long double> result = ConvertTemperatureValue(inf, "Celsius", 491.67L, "Kelvin", 0);
    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(std::isinf(*result));
}

TEST(SpecialCategories, InverseUnitNames_listsOfEachKind) {
    EXPECT_EQ(InverseUnitNames(CategoryKind::Efficiency).size(), 7u);
    EXPECT_EQ(InverseUnitNames(CategoryKind::Reciprocal).size(), 29u);
    EXPECT_EQ(InverseUnitNames(CategoryKind::Reciprocal)[13], "BTU (thermochem)-inch/hour-foot\xB2-\xB0"
                                                              "F");
    for (CategoryKind kind :
         {CategoryKind::Ordinary, CategoryKind::Temperature, CategoryKind::Numbers, CategoryKind::Fractions})
        EXPECT_TRUE(InverseUnitNames(kind).empty());
}

TEST(SpecialCategories, IsInverseUnit_table_exactComparisonPerKind) {
    const struct {
        CategoryKind kind;
        const char *name;
        bool inverse;
    } cases[] = {
        {CategoryKind::Efficiency, "liter/100 km", true},
        {CategoryKind::Efficiency, "kilowatt/ton", true},
        {CategoryKind::Efficiency, "Liter/100 km", false},
        {CategoryKind::Efficiency, "liter/100km", false},
        {CategoryKind::Efficiency, "kilometer/liter", false},
        {CategoryKind::Efficiency, "wavelength in metres", false},
        {CategoryKind::Reciprocal, "wavelength in metres", true},
        {CategoryKind::Reciprocal,
         "watt/centimeter-\xB0"
         "C",
         true},
        {CategoryKind::Reciprocal, "watt/centimeter-degree C", true},
        {CategoryKind::Reciprocal, "BTU (themochem)/hour-foot-degree F", true},
        {CategoryKind::Reciprocal, "BTU (thermochem)/hour-foot-degree F", false},
        {CategoryKind::Reciprocal, "liter/100 km", false},
        {CategoryKind::Reciprocal, "hertz", false},
        {CategoryKind::Ordinary, "liter/100 km", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsInverseUnit(c.kind, c.name), c.inverse) << c.name;
}

TEST(SpecialCategories, MarkInverseUnits_ignoresAsciiCaseOnly) {
    const std::vector<std::string> efficiency = {"kilometer/liter", "LITER/100 KM", "miles/gallon (US)",
                                                 "Kilowatt/Ton", "liter/meter "};
    EXPECT_EQ(MarkInverseUnits(CategoryKind::Efficiency, efficiency),
              (std::vector<bool>{false, true, false, true, false}));
    const std::vector<std::string> reciprocal = {"hertz",
                                                 "WATT/CENTIMETER-\xB0"
                                                 "C",
                                                 "Wavelength In Metres"};
    EXPECT_EQ(MarkInverseUnits(CategoryKind::Reciprocal, reciprocal), (std::vector<bool>{false, true, true}));
    EXPECT_EQ(MarkInverseUnits(CategoryKind::Ordinary, efficiency), std::vector<bool>(5, false));
    EXPECT_FALSE(EqualIgnoringAsciiCase("\xE9", "\xC9"));
    EXPECT_TRUE(EqualIgnoringAsciiCase("r\xE9"
                                       "aumur",
                                       "R\xE9"
                                       "AUMUR"));
}

// Fuel efficiency fixture: base kilometer/liter; x liter/100 km is 100/x km/l.
constexpr long double kLiterPer100Km = 100;
constexpr long double kMilesPerGallonUs = 1.609344L / 3.785411784L;

TEST(SpecialCategories, InverseInputBase_inverseAndNormalInputUnits) {
    const InverseInput fromInverse = InverseInputBase(5, kLiterPer100Km, true);
    EXPECT_TRUE(fromInverse.inputInverse);
    EXPECT_NEAR(static_cast<double>(fromInverse.base), 20, 1e-15);
    EXPECT_NEAR(static_cast<double>(fromInverse.inverseForm), 0.05, 1e-17);
    EXPECT_THROW(InverseInputBase(0, kLiterPer100Km, true), ArithmeticError); // no finite value
    const InverseInput fromNormal = InverseInputBase(30, kMilesPerGallonUs, false);
    EXPECT_FALSE(fromNormal.inputInverse);
    EXPECT_EQ(fromNormal.base, 30 * kMilesPerGallonUs);
}

TEST(SpecialCategories, InverseAwareResult_table_normalInverseAndZero) {
    const struct {
        long double base;
        long double factor;
        bool inverse;
        long double expected;
    } cases[] = {
        {20, 1, false, 20},
        {20, kLiterPer100Km, true, 5},
        {0, 1, false, 0},
        {-4, kLiterPer100Km, true, -25},
        {299792458, 299792458, true, 1},
        {20, kMilesPerGallonUs, false, 47.04291666666667L}, // 5 liter/100 km in mpg (US)
    };
    for (const auto &c : cases)
        EXPECT_NEAR(static_cast<double>(InverseAwareResult(c.base, c.factor, c.inverse)),
                    static_cast<double>(c.expected), 1e-8)
            << static_cast<double>(c.base);
    EXPECT_THROW(InverseAwareResult(0, kLiterPer100Km, true), ArithmeticError); // no finite value
}

TEST(SpecialCategories, FiniteReciprocal_zeroHasNoFiniteValue_overflowThrows) {
    for (const long double zero : {0.0L, -0.0L}) {
        for (const auto &reciprocal : {+[](long double x) { return FiniteReciprocal(x); },
                                       +[](long double x) { return BaseFromCompoundTotal(x, true); }}) {
            try {
                reciprocal(zero);
                ADD_FAILURE() << "zero has a reciprocal";
            } catch (const ArithmeticError &error) {
                EXPECT_EQ(error.fault(), ArithmeticFault::NoFiniteValue);
                EXPECT_EQ(ArithmeticFaultMessage(error.fault()), "no finite value");
            }
        }
    }
    EXPECT_EQ(FiniteReciprocal(4), 0.25L);
    EXPECT_EQ(FiniteReciprocal(std::numeric_limits<long double>::infinity()), 0);
    EXPECT_THROW(FiniteReciprocal(std::numeric_limits<long double>::denorm_min()), ArithmeticError);
    EXPECT_EQ(BaseFromCompoundTotal(0.05L, true), 1 / 0.05L);
    EXPECT_EQ(BaseFromCompoundTotal(7, false), 7);
}

TEST(SpecialCategories, InverseOutputRefusal_table_mixingRules) {
    const std::optional<std::string> none;
    const std::string illegal = "illegal use of inverse units";
    const std::string selectOne = "illegal use of inverse units, select only 1 input or 1 output unit";
    const struct {
        bool mixed, inputInverse, outputInverse;
        int outputs, inputs;
        std::optional<std::string> refusal;
    } cases[] = {
        {true, false, false, 2, 1, illegal},   {true, true, true, 3, 2, illegal},
        {false, true, true, 2, 2, none},       {false, false, false, 2, 2, none},
        {false, true, false, 2, 1, none},      {false, false, true, 2, 1, none},
        {false, true, false, 1, 2, none},      {false, true, false, 2, 2, selectOne},
        {false, false, true, 3, 4, selectOne},
    };
    for (const auto &c : cases)
        EXPECT_EQ(InverseOutputRefusal(c.mixed, c.inputInverse, c.outputInverse, c.outputs, c.inputs),
                  c.refusal)
            << c.mixed << c.inputInverse << c.outputInverse << c.outputs << c.inputs;
}

// Pressure fixture: base unit 0.1 Pa.
constexpr long double kAtmosphere = 1013250;
constexpr long double kPsi = 68947.57293168361L;

long double Pressure(long double value, long double from, long double to, bool inAbsolute, bool outAbsolute) {
    return (value * from + PressureOffset("Pressure", inAbsolute, outAbsolute)) / to;
}

TEST(SpecialCategories, PressureOffset_table_selectorsAndCategory) {
    EXPECT_EQ(kStandardAtmosphereInBaseUnits, 1013250);
    EXPECT_EQ(PressureOffset("Pressure", true, true), 0);
    EXPECT_EQ(PressureOffset("Pressure", false, false), 0);
    EXPECT_EQ(PressureOffset("Pressure", false, true), 1013250);
    EXPECT_EQ(PressureOffset("Pressure", true, false), -1013250);
    for (const char *other : {"pressure", "Length", "Pressure ", ""}) {
        EXPECT_EQ(PressureOffset(other, false, true), 0) << other;
        EXPECT_EQ(PressureOffset(other, true, false), 0) << other;
    }
    EXPECT_EQ(Pressure(1, kAtmosphere, kAtmosphere, false, true), 2);
    EXPECT_EQ(Pressure(2, kAtmosphere, kAtmosphere, true, false), 1);
    EXPECT_EQ(Pressure(1, kAtmosphere, kAtmosphere, true, true), 1);
    EXPECT_NEAR(static_cast<double>(Pressure(0, kPsi, kPsi, false, true)), 14.695948775513, 1e-11);
}

} // namespace
} // namespace mensurio
