// SPDX-License-Identifier: MIT
// Conversions against the shipped default.dat, compiled from data/ by the build.
#include "core/db/DatabaseFile.h"
#include "core/db/UnitDatabase.h"
#include "core/engine/Engine.h"

#include <gtest/gtest.h>

#include <string>

namespace mensurio {
namespace {

class DefaultDatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        DatabaseFile::LoadFromPath(m_db, std::string(MENSURIO_BIN_DIR) + "/default.dat");
    }

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
    Tengine m_engine{m_db};
};

TEST_F(DefaultDatabaseTest, Convert_everydayConversions_matchTheirDefinitions) {
    EXPECT_EQ(Convert("Length", "1", "mile", "kilometer"), "1.609344");
    EXPECT_EQ(Convert("Length", "5 foot + 3 inch", "meter", "meter"), "1.6002");
    EXPECT_EQ(Convert("Temperature", "100", "Celsius", "Fahrenheit"), "212");
    EXPECT_EQ(Convert("Temperature", "-40", "Fahrenheit", "Celsius"), "-40");
    EXPECT_EQ(Convert("Fuel Efficiency", "5", "liter/100 km", "miles/gallon (US) (mpg)"), "47.04291667");
    EXPECT_EQ(Convert("Pressure", "1", "atmosphere (atm)", "pascal"), "101325");
    EXPECT_EQ(Convert("Pressure", "1", "atmosphere (atm)", "pound/square inch (psi)"), "14.69594878");
    EXPECT_EQ(Convert("Pressure", "1", "atmosphere (atm)", "atmosphere (atm)", false), "2");
    EXPECT_EQ(Convert("Numbers", "ff", "hexadecimal", "decimal"), "255");
}

} // namespace
} // namespace mensurio
