// SPDX-License-Identifier: MIT
// Checks of the built default.dat, read back with the program's own reader.
#include "core/currency/CurrencyCategory.h"
#include "core/engine/CategoryKind.h"
#include "tools/makedb/tests/BuiltDatabase.h"

#include <gtest/gtest.h>

#include <quadmath.h>

#include <cmath>
#include <fstream>
#include <string>

namespace mensurio {
namespace {

using Quad = __float128;

class DefaultDatabase : public testing::Test, protected BuiltDatabase {
  protected:
    const UnitDatabase &db = Get();
};

TEST_F(DefaultDatabase, LoadFromPath_builtFile_isFreshAndLarge) {
    std::ifstream in(Path(), std::ios::binary);
    char magic[4] = {};
    in.read(magic, 4);
    EXPECT_EQ(std::string(magic, 4), "MNS0");
    EXPECT_TRUE(db.LoadedFresh);
    std::size_t units = 0;
    for (const CategoryRecord &category : db.Categories())
        units += category.Units.size();
    EXPECT_GE(db.Categories().size(), 97u);
    EXPECT_GE(units, 1600u);
}

TEST_F(DefaultDatabase, Categories_everyUnit_hasOrderOriginAndUsableFactor) {
    for (const CategoryRecord &category : db.Categories()) {
        const CategoryKind kind = CategoryKindOf(category.Name);
        EXPECT_FALSE(category.Units.empty()) << category.Name;
        EXPECT_EQ(category.Custom, 0);
        EXPECT_EQ(category.Hidden, 0);
        for (std::size_t i = 0; i < category.Units.size(); ++i) {
            const UnitRecord &unit = category.Units[i];
            EXPECT_EQ(unit.DefaultOrder, static_cast<int>(i) + 1) << category.Name << " / " << unit.Name;
            EXPECT_TRUE(unit.OriginUnit.empty() || Unit(category.Name, unit.OriginUnit) != nullptr)
                << category.Name << " / " << unit.Name;
            EXPECT_TRUE(std::isfinite(unit.Factor)) << category.Name << " / " << unit.Name;
            if (category.Name == kCurrencyCategory) {
                // No exchange rate is shipped: the euro is the base, every other currency waits for rates.
                EXPECT_EQ(unit.Factor, CurrencyCodeOf(unit.Name) == kBaseCurrencyCode ? 1.0L : 0.0L)
                    << unit.Name;
            } else if (kind != CategoryKind::Temperature && kind != CategoryKind::Numbers &&
                       kind != CategoryKind::Fractions) {
                EXPECT_GT(unit.Factor, 0.0L) << category.Name << " / " << unit.Name;
            }
            for (std::size_t j = 0; j < i; ++j) {
                EXPECT_FALSE(UnitDatabase::SameNameIgnoringCase(category.Units[j].Name, unit.Name))
                    << category.Name << " / " << unit.Name;
            }
        }
    }
}

struct ExactFactor {
    const char *Category;
    const char *Unit;
    const char *Exact; // the defined value in base units, to 45 significant digits
};

// Units whose definitions are exact, recomputed independently (by rational arithmetic)
// as decimal strings. Pressure counts in 0.1 Pa.
const ExactFactor ExactFactors[] = {
    {"Pressure", "pascal", "10"},
    {"Pressure", "hectopascal (hPa)", "1000"},
    {"Pressure", "kilopascal (kPa)", "10000"},
    {"Pressure", "megapascal (MPa)", "10000000"},
    {"Pressure", "gigapascal (GPa)", "10000000000"},
    {"Pressure", "millipascal (mPa)", "0.01"},
    {"Pressure", "newton/square centimeter", "100000"},
    {"Pressure", "bar", "1000000"},
    {"Pressure", "millibar (mbar)", "1000"},
    {"Pressure", "microbar", "1"},
    {"Pressure", "decibar (dbar)", "100000"},
    {"Pressure", "dyne/square centimeter (barye)", "1"},
    {"Pressure", "atmosphere (atm)", "1013250"},
    {"Pressure", "technical atmosphere (at)", "980665"},
    {"Pressure", "kilogram-force/square centimeter", "980665"},
    {"Pressure", "kilogram-force/square meter", "98.0665"},
    {"Pressure", "kilogram-force/square millimeter", "98066500"},
    {"Pressure", "gram-force/square centimeter", "980.665"},
    {"Pressure", "torr", "1333.22368421052631578947368421052631578947368"},
    {"Pressure", "millitorr (mTorr)", "1.33322368421052631578947368421052631578947368"},
    {"Pressure", "millimeter of mercury (mmHg)", "1333.22387415"},
    {"Pressure", "centimeter of mercury (cmHg)", "13332.2387415"},
    {"Pressure", "inch of mercury (inHg)", "33863.88640341"},
    {"Pressure", "foot of mercury", "406366.63684092"},
    {"Pressure", "millimeter of water (mmH2O)", "98.0665"},
    {"Pressure", "inch of water (inH2O)", "2490.8891"},
    {"Pressure", "foot of water (ftH2O)", "29890.6692"},
    {"Pressure", "pound/square inch (psi)", "68947.5729316836133672267344534689069378138756"},
    {"Pressure", "kip/square inch (ksi)", "68947572.9316836133672267344534689069378138756"},
    {"Pressure", "pound/square foot (psf)", "478.802589803358426161296767037978520401485247"},
    {"Pressure", "kip/square foot (ksf)", "478802.589803358426161296767037978520401485247"},
    {"Pressure", "meter of sea water (msw)", "100000"},
    {"Pressure", "foot of sea water (fsw)", "30704.5454545454545454545454545454545454545455"},
    {"Pressure", "tonne-force/square meter", "98066.5"},
    {"Pressure", "ounce-force/square inch", "4309.22330823022583545167090334180668361336723"},
    {"Pressure", "poundal/square foot", "14.8816394356955380577427821522309711286089239"},
    {"Pressure", "ton-force (short)/square inch", "137895145.863367226734453468906937813875627751"},
    {"Pressure", "ton-force (long)/square foot", "1072517.80115952287460130475816507188569932695"},
    {"Temperature Interval", "degree Fahrenheit", "0.555555555555555555555555555555555555555555556"},
    {"Temperature Interval",
     "degree R\xE9"
     "aumur",
     "1.25"},
    {"Temperature Interval", "degree Newton", "3.03030303030303030303030303030303030303030303"},
    {"Temperature Interval",
     "degree R\xF8"
     "mer",
     "1.90476190476190476190476190476190476190476190"},
    {"Thermal Conductivity", "BTU (int)/hour-foot-degree F",
     "1.73073466637139107611548556430446194225721785"},
    {"Thermal Conductivity", "BTU (thermochem)/hour-foot-degree F",
     "1.72957720552639253426655001458151064450277049"},
    {"Thermal Conductivity", "BTU (int)-inch/hour-square foot-degree F",
     "0.144227888864282589676290463692038495188101487"},
    {"Thermal Conductivity", "kilocalorie (int)/hour-meter-degree C", "1.163"},
    {"Thermal Resistivity", "hour-square foot-degree F/BTU (int)-inch",
     "6.93347179851597798153352515734798692197031490"},
    {"Thermal Resistivity", "BTU (themochem)/hour-foot-degree F",
     "0.578175982433610114186674695840992504081128793"},
    {"Thermal Resistivity", "calorie (thermoch.)/second-centimeter-degree C",
     "0.00239005736137667304015296367112810707456978967"},
    {"Fuel Efficiency", "mile/gallon (US) (mpg)", "425.143707430272003401149659442176027209197276"},
    {"Fuel Efficiency", "mile/gallon (UK)", "354.006189934647136330341018325638075797003579"},
    {"Fuel Efficiency", "liter/100 km", "100000"},
    {"Fuel Efficiency", "gallons (US)/100mi", "42514.3707430272003401149659442176027209197276"},
    {"Fuel Efficiency", "gallons (UK)/mile", "354.006189934647136330341018325638075797003579"},
    {"Fuel Efficiency", "kilometer/gallon (UK)", "219.969248299087787527303682945124271626826570"},
    {"HVAC Efficiency", "energy efficiency ratio (EER)", "0.293071070172222222222222222222222222222222222"},
    {"HVAC Efficiency", "kilowatt/ton", "3.51685284206666666666666666666666666666666667"},
    {"Frequency Wavelength", "revolution/minute (rpm)", "0.0166666666666666666666666666666666666666666667"},
    {"Frequency Wavelength", "electronvolt (photon energy)",
     "241798924208491.816223829142527264067676675593"},
    {"Frequency Wavelength", "kayser (wavenumber 1/centimeter)", "29979245800"},
    {"Frequency Wavelength", "wavelength in exametres", "2.99792458E-10"},
    {"Frequency Wavelength", "wavelength in kilometres", "299792.458"},
    {"Frequency Wavelength", "wavelength in micrometres", "299792458000000"},
    {"Length", "inch", "0.0254"},
    {"Length", "foot", "0.3048"},
    {"Length", "mile", "1609.344"},
    {"Length", "nautical mile", "1852"},
    {"Length", "rack unit (U)", "0.04445"},
    {"Typography", "density-independent pixel (Android dp)", "0.00015875"},
    {"Cooking Volume", "dessertspoon (metric)", "10"},
    {"Cooking Volume", "drop (metric)", "0.05"},
    {"Cooking Volume", "jigger (US shot)", "44.36029434375"},
    {"Cooking Volume", "gallon (UK)", "4546.09"},
    {"Pace", "minute/mile", "0.621371192237333969617434184363318221585938121"},
    {"Pace", "minute/500 meter (rowing split)", "2"},
    {"Power", "megavolt-ampere (MVA)", "1000000"},
    {"Power", "MBH (thousand BTU (IT)/hour)", "293.071070172222222222222222222222222222222222"},
    {"Power", "gigacalorie (IT)/hour (Gcal/h)", "1163000"},
    {"Equivalent Dose Rate", "millisievert/year", "3.16880878140289502370268968489365477729611884E-11"},
    {"Ratio", "karat (gold fineness)", "0.0416666666666666666666666666666666666666666667"},
    {"Ratio", "basis point (per ten thousand)", "0.0001"},
    {"Length", "klafter (Austria)", "1.89648384"},
    {"Length", "fuss (Austria)", "0.31608064"},
    {"Area", "joch (Austria)", "5754.64152860983296"},
    {"Area", "darcy", "9.86923266716012830002467308166790032075006168E-13"},
    {"Area", "millidarcy", "9.86923266716012830002467308166790032075006168E-16"},
};

// Half a unit in the last place of an 80-bit value: the gap to its neighbour towards
// the exact value, halved.
Quad HalfUlpTowards(long double value, Quad exact) {
    const long double neighbour = std::nextafter(value, Quad(value) < exact ? INFINITY : -INFINITY);
    return fabsq(Quad(neighbour) - Quad(value)) / 2;
}

TEST_F(DefaultDatabase, Factors_exactDefinitions_areWithinHalfAnUlp) {
    for (const ExactFactor &expected : ExactFactors) {
        const long double factor = Factor(expected.Category, expected.Unit);
        const Quad exact = strtoflt128(expected.Exact, nullptr);
        EXPECT_LE(fabsq(Quad(factor) - exact), HalfUlpTowards(factor, exact))
            << expected.Category << " / " << expected.Unit;
    }
}

} // namespace
} // namespace mensurio
