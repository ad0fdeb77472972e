// SPDX-License-Identifier: MIT
// Conversions against the shipped default.dat, compiled from data/ by the build.
#include "core/db/DatabaseFile.h"
#include "core/db/UnitDatabase.h"
#include "core/engine/Engine.h"

#include "support/TestDatabases.h"

#include <gtest/gtest.h>

#include <string>

namespace mensurio {
namespace {

class DefaultDatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override { m_db = test::ShippedDatabase(); }

    std::string Convert(std::string_view category, std::string_view text, std::string_view from,
                        std::string_view to, bool inputAbsolute = true) {
        const std::vector<UnitRecord> &rows = m_engine.LoadCategoryUnits(category, {});
        ConversionRequest request;
        request.inputText = std::string(text);
        request.input.selected.assign(rows.size(), false);
        request.output.selected.assign(rows.size(), false);
        request.inputPressureAbsolute = inputAbsolute;
        for (std::size_t row = 0; row < rows.size(); ++row) {
            if (rows[row].Name == from) {
                request.input.selected[row] = true;
                request.input.current = static_cast<int>(row);
            }
            if (rows[row].Name == to) {
                request.output.selected[row] = true;
                request.output.current = static_cast<int>(row);
            }
        }
        EXPECT_EQ(request.input.SelectedCount(), 1) << from;
        EXPECT_EQ(request.output.SelectedCount(), 1) << to;
        return m_engine.Convert(request).outputText.value_or("<unchanged>");
    }

    UnitDatabase m_db;
    Engine m_engine{m_db};
};

TEST_F(DefaultDatabaseTest, Convert_everydayConversions_matchTheirDefinitions) {
    EXPECT_EQ(Convert("Length", "1", "mile", "kilometer"), "1.609344");
    EXPECT_EQ(Convert("Length", "5 foot + 3 inch", "meter", "meter"), "1.6002");
    EXPECT_EQ(Convert("Temperature", "100", "Celsius", "Fahrenheit"), "212");
    EXPECT_EQ(Convert("Temperature", "-40", "Fahrenheit", "Celsius"), "-40");
    EXPECT_EQ(Convert("Fuel Efficiency", "5", "liter/100 km", "mile/gallon (US) (mpg)"), "47.04291667");
    EXPECT_EQ(Convert("Pressure", "1", "atmosphere (atm)", "pascal"), "101325");
    EXPECT_EQ(Convert("Pressure", "1", "atmosphere (atm)", "pound/square inch (psi)"), "14.69594878");
    EXPECT_EQ(Convert("Pressure", "1", "atmosphere (atm)", "atmosphere (atm)", false), "2");
    EXPECT_EQ(Convert("Numbers", "ff", "hexadecimal", "decimal"), "255");
}

struct NewUnitCase {
    const char *category, *text, *from, *to, *expected;
};

// Units added for what users look for first, each converted through the engine.
const NewUnitCase NewUnitCases[] = {
    {"Ratio", "1", "percent (%)", "part per million (ppm)", "10000"},
    {"Ratio", "25", "basis point (per ten thousand)", "percent (%)", "0.25"},
    {"Ratio", "80", "proof (US, alcohol)", "percent (%)", "40"},
    {"Ratio", "18", "karat (gold fineness)", "per mille (\x89)", "750"},
    {"Ratio", "3", "milligram/kilogram", "part per million (ppm)", "3"},
    {"Power", "1", "kilovolt-ampere (kVA)", "volt-ampere (VA)", "1000"},
    {"Power", "1", "megavolt-ampere (MVA)", "kilowatt", "1000"},
    {"Power", "60", "MBH (thousand BTU (IT)/hour)", "ton of refrigeration (TR)", "5"},
    {"Equivalent Dose Rate", "1", "millisievert/year", "microsievert/hour", "0.1140771161"},
    {"Equivalent Dose Rate", "100", "millirem/year", "millisievert/year", "1"},
    {"Absorbed Dose Rate", "8766", "milligray/year", "microgray/hour", "1000"},
    {"Length", "1", "rack unit (U)", "millimeter", "44.45"},
    {"Cooking Volume", "1", "dessertspoon (metric)", "milliliter", "10"},
    {"Cooking Volume", "20", "drop (metric)", "milliliter", "1"},
    {"Cooking Volume", "1", "gallon (UK)", "pint (UK)", "8"},
    {"Volume", "2", "jigger (US shot)", "fluid ounce (US)", "3"},
    {"Pace", "5", "minute/kilometer", "minute/mile", "8.04672"},
    {"Pace", "2", "minute/500 meter (rowing split)", "second/100 meter", "24"},
    {"Pressure", "10", "meter of sea water (msw)", "bar", "1"},
    {"Pressure", "33", "foot of sea water (fsw)", "atmosphere (atm)", "1"},
    {"Pressure", "1", "kip/square foot (ksf)", "pound/square foot (psf)", "1000"},
    {"Energy", "1", "decatherm (Dth)", "therm (US)", "10"},
    {"Energy", "1", "Calorie (food)", "kilojoule", "4.184"},
    {"Time", "1", "gigayear (Gyr)", "megayear (Myr)", "1000"},
    {"Radioactivity", "1", "kilocurie", "terabecquerel", "37"},
    {"Typography", "160", "density-independent pixel (Android dp)", "inch", "1"},
    {"Frequency Wavelength", "60", "revolution/minute (rpm)", "cycle/second", "1"},
    {"Molar Energy", "1", "electronvolt/particle (eV)", "kilojoule/mole", "96.48533212"},
};

TEST_F(DefaultDatabaseTest, Convert_addedUnits_matchTheirDefinitions) {
    for (const NewUnitCase &c : NewUnitCases) {
        EXPECT_EQ(Convert(c.category, c.text, c.from, c.to), c.expected)
            << c.category << ": " << c.text << " " << c.from << " in " << c.to;
    }
}

} // namespace
} // namespace mensurio
