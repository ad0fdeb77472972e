// SPDX-License-Identifier: MIT
// What people type in the first minute, converted against the shipped default.dat and the
// built-in symbols. Expected values are worked out by hand from the units' definitions.
#include "core/db/Cp1252.h"
#include "core/db/DatabaseFile.h"
#include "core/db/UnitDatabase.h"
#include "core/engine/BuiltinAliases.h"
#include "core/engine/Engine.h"

#include "support/TestDatabases.h"

#include <gtest/gtest.h>

#include <string>

namespace mensurio {
namespace {

struct EverydayCase {
    const char *category;
    const char *typed; // UTF-8, as at the edge of the program
    const char *from;  // the selected input unit: full name or symbol
    const char *to;    // the selected output unit: full name or symbol
    const char *expected;
};

class EverydayConversionTest : public ::testing::TestWithParam<EverydayCase> {
  protected:
    static void SetUpTestSuite() {
        s_db = new UnitDatabase;
        *s_db = test::ShippedDatabase();
    }
    static void TearDownTestSuite() {
        delete s_db;
        s_db = nullptr;
    }

    int RowOf(const Engine &engine, const std::string &typed) const {
        const std::string name = Cp1252::FromTypedUtf8(typed);
        const std::string unit = engine.Aliases().UnitNamed(name);
        const std::vector<UnitRecord> &rows = engine.Rows();
        for (std::size_t row = 0; row < rows.size(); ++row) {
            if (rows[row].Name == name || rows[row].Name == unit)
                return static_cast<int>(row);
        }
        ADD_FAILURE() << "no unit " << typed;
        return -1;
    }

    static UnitDatabase *s_db;
};

UnitDatabase *EverydayConversionTest::s_db = nullptr;

TEST_P(EverydayConversionTest, Convert_everydayInput_givesTheResult) {
    const EverydayCase &c = GetParam();
    Engine engine(*s_db);
    engine.SetBuiltinAliases(BuiltinAliases());
    const std::vector<UnitRecord> &rows = engine.LoadCategoryUnits(c.category, {});
    ConversionRequest request;
    request.inputText = Cp1252::FromTypedUtf8(c.typed);
    request.input = ListSelection::Single(static_cast<int>(rows.size()), RowOf(engine, c.from));
    request.output = ListSelection::Single(static_cast<int>(rows.size()), RowOf(engine, c.to));
    EXPECT_EQ(Cp1252::ToUtf8(engine.Convert(request).outputText.value_or("<none>")), c.expected)
        << c.category << ": " << c.typed;
}

INSTANTIATE_TEST_SUITE_P(
    FirstMinute, EverydayConversionTest,
    ::testing::Values(
        // Length: symbols, plurals, letter case, sums side by side, mixed numbers.
        EverydayCase{"Length", "5 ft", "meter", "meter", "1.524"},
        EverydayCase{"Length", "5ft", "meter", "meter", "1.524"},
        EverydayCase{"Length", "5 feet", "meter", "meter", "1.524"},
        EverydayCase{"Length", "5 Feet", "meter", "meter", "1.524"},
        EverydayCase{"Length", "5 FOOT", "mile", "meter", "1.524"},
        EverydayCase{"Length", "5 ft 3 in", "meter", "inch", "63"},
        EverydayCase{"Length", "5 foot 3 inch", "meter", "inch", "63"},
        EverydayCase{"Length", "6 feet 2 inches", "meter", "inch", "74"},
        EverydayCase{"Length", "5 ft + 3 in", "meter", "inch", "63"},
        EverydayCase{"Length", "1 3/4", "inch", "mm", "44.45"},
        EverydayCase{"Length", "-1 3/4", "foot", "inch", "-21"},
        EverydayCase{"Length", "5 1/2 inch", "meter", "mm", "139.7"},
        EverydayCase{"Length", "1 mi", "meter", "ft", "5280"},
        EverydayCase{"Length", "2 miles", "meter", "yd", "3520"},
        EverydayCase{"Length", "3 cm", "meter", "mm", "30"},
        EverydayCase{"Length", "10 km", "foot", "m", "10000"},
        EverydayCase{"Length", "10km", "foot", "m", "10000"},
        EverydayCase{"Length", "1 nmi", "foot", "m", "1852"},
        EverydayCase{"Length", "2 yd", "meter", "ft", "6"},
        EverydayCase{"Length", "1 µm", "meter", "nm", "1000"},
        EverydayCase{"Length", "1 μm", "meter", "nm", "1000"}, // Greek mu
        EverydayCase{"Length", "5 metres", "foot", "meter", "5"},
        EverydayCase{"Length", "100 in", "meter", "cm", "254"},
        EverydayCase{"Length", "1 000 m", "foot", "km", "1"},
        EverydayCase{"Length", "12,345.6 m", "foot", "km", "12.3456"},
        EverydayCase{"Length", "1,234,567 mm", "foot", "m", "1234.567"},
        EverydayCase{"Length", "1,5", "meter", "cm", "150"},
        EverydayCase{"Length", "1,000 m", "foot", "km", "'1,000' is ambiguous: 1000 or 1?"},
        EverydayCase{"Length", "2 3", "meter", "cm", "two numbers side by side: '2 3'"},
        EverydayCase{"Length", "5 feeet", "meter", "cm", "unknown unit 'feeet'; did you mean foot (ft)?"},
        EverydayCase{"Length", "12 ft / 2", "meter", "ft", "6"},
        // Mass.
        EverydayCase{"Mass", "1 lb", "kg", "g", "453.59237"}, EverydayCase{"Mass", "16 oz", "kg", "lb", "1"},
        EverydayCase{"Mass", "1 st", "kg", "lb", "14"}, EverydayCase{"Mass", "2 lbs", "kg", "oz", "32"},
        EverydayCase{"Mass", "1 t", "lb", "kg", "1000"}, EverydayCase{"Mass", "500 mg", "kg", "g", "0.5"},
        EverydayCase{"Mass", "10 kg", "kg", "g", "10000"},
        EverydayCase{"Mass", "1 lb 8 oz", "kg", "oz", "24"},
        // Time.
        EverydayCase{"Time", "1 hour 30 minute", "second", "minute", "90"},
        EverydayCase{"Time", "1 h 30 min", "second", "min", "90"},
        EverydayCase{"Time", "2 hrs", "second", "min", "120"},
        EverydayCase{"Time", "1 d", "second", "h", "24"}, EverydayCase{"Time", "90 s", "hour", "min", "1.5"},
        EverydayCase{"Time", "1 1/2 hours", "second", "min", "90"},
        // Speed.
        EverydayCase{"Speed", "72 km/h", "mph", "m/s", "20"},
        EverydayCase{"Speed", "60 mph", "m/s", "km/h", "96.56064"},
        EverydayCase{"Speed", "1 kn", "m/s", "km/h", "1.852"},
        EverydayCase{"Speed", "10 m/s", "mph", "km/h", "36"},
        // Temperature: a number with its scale is the input.
        EverydayCase{"Temperature", "100 °C", "Kelvin", "°F", "212"},
        EverydayCase{"Temperature", "-40 °F", "Kelvin", "Celsius", "-40"},
        EverydayCase{"Temperature", "0 K", "Celsius", "°C", "-273.15"},
        EverydayCase{"Temperature", "32 degF", "Kelvin", "degC", "0"},
        EverydayCase{"Temperature", "212", "°F", "°C", "100"},
        // Volume and area.
        EverydayCase{"Volume", "1 gal", "liter", "L", "3.785411784"},
        EverydayCase{"Volume", "1 L", "gal", "mL", "1000"},
        EverydayCase{"Volume", "2 litres", "gal", "mL", "2000"},
        EverydayCase{"Area", "1 ha", "acre", "m²", "10000"},
        EverydayCase{"Area", "1 ha", "acre", "m^2", "10000"},
        EverydayCase{"Area", "1 sq mi", "ha", "acre", "640"},
        // Pressure, energy, power, force.
        EverydayCase{"Pressure", "1 atm", "bar", "kPa", "101.325"},
        EverydayCase{"Pressure", "1 bar", "atm", "kPa", "100"},
        EverydayCase{"Energy", "1 kWh", "J", "kJ", "3600"},
        EverydayCase{"Energy", "1 cal", "kWh", "J", "4.184"},
        EverydayCase{"Power", "1 kW", "hp", "W", "1000"}, EverydayCase{"Force", "1 kN", "lbf", "N", "1000"},
        // Data and frequency.
        EverydayCase{"Data Storage", "1 KiB", "MB", "B", "1024"},
        EverydayCase{"Data Storage", "1 MB", "KiB", "kB", "1000"},
        EverydayCase{"Data Storage", "1 GiB", "MB", "MiB", "1024"},
        EverydayCase{"Frequency", "1 MHz", "Hz", "kHz", "1000"},
        EverydayCase{"Electric Resistance", "1 kΩ", "ohm", "Ω", "1000"}));

} // namespace
} // namespace mensurio
