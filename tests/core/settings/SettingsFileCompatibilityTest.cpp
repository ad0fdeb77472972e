// SPDX-License-Identifier: MIT
// A settings file that the program's writers wrote before its closed choices became types
// (tests/data/settings-every-key.ini) reads back field by field, and the same writers give back
// exactly its bytes: in a new file and over the old one.
#include "core/settings/ConversionMemory.h"
#include "core/settings/DataVersionSetting.h"
#include "core/settings/FontSettings.h"
#include "core/settings/ProgramSettings.h"
#include "core/settings/ToolbarPlacement.h"

#include "support/ScratchDir.h"
#include "support/SettingsFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mensurio {
namespace {

using test::kEveryKeySettingsFile;
using test::readFile;
using test::ScratchDir;
using test::writeFile;

// What the sample file holds, spelled out key by key.
ProgramSettings SampleSettings() {
    ProgramSettings s;
    s.Toolbar971Visible = false;
    s.Toolbar972Visible = false;
    s.GeDiCate = false;
    s.GeSoUnit = false;
    s.GeSoCate = true;
    s.GeCaDefa = false;
    s.SwopValue = false;
    s.CalcPath = "/usr/bin/gnome-calculator --mode=advanced";
    s.ReNumber = ResultFormat::FixedThousands;
    s.ReDeciPlace = 4;
    s.AktualCate = "Fuel Efficiency";
    s.com1abs = false;
    s.com2abs = false;
    s.maximized = true;
    s.top = 31;
    s.left = 47;
    s.width = 812;
    s.height = 603;
    s.pgsdl5sort = false;
    s.split = true;
    s.tablecategory = "Length";
    s.tableresultformat = TableResultFormat::Scientific;
    s.tablepaper = TablePaper::Portrait;
    s.tableconversionstyle = TableDirection::DownAndLeft;
    s.premaximized = false;
    s.save = true;
    s.showhidden = false;
    s.showhiddenmulti = false;
    s.sortmulti = false;
    s.tray = true;
    s.pretop = 112;
    s.preleft = 136;
    s.prewidth = 702;
    s.preheight = 515;
    s.multiformat = CompoundStyle::UnitFirst;
    s.palmverze = 23;
    s.tipbox = false;
    return s;
}

FontSpec SampleFieldFont() {
    FontSpec font;
    font.SetName("DejaVu Sans");
    font.SetSize(11);
    font.SetBold(true);
    font.SetColor(255);
    return font;
}

FontSpec SampleTabFont() {
    FontSpec font;
    font.SetName("Liberation Serif");
    font.SetSize(9);
    font.SetItalic(true);
    font.SetCharset(238);
    return font;
}

std::vector<ToolbarPlacement> SamplePlacements() {
    return {{"Toolbar971", false, ToolbarDock::Left, 1, 30, 0, 0, 0, 0, 0},
            {"Toolbar972", false, ToolbarDock::Floating, 0, 0, 640, 220, 890, 258, 7}};
}

const ConversionMemory kLengthMemory{{"foot", "", "0205"}, "5 ft"};
const ConversionMemory kTemperatureMemory{{"Celsius", "Kelvin", ""}, "-40"};

// Everything the sample holds, written in the order in which it was written.
void WriteSample(IniFile &file) {
    ASSERT_TRUE(WriteSettings(file, SampleSettings()));
    ASSERT_TRUE(SampleFieldFont().SaveToIni(file, kFieldFontPrefix));
    ASSERT_TRUE(SampleTabFont().SaveToIni(file, kTabFontPrefix));
    WriteDataVersion(file, 4);
    ASSERT_TRUE(SaveToolbarPositions(file, SamplePlacements()));
    ASSERT_TRUE(WriteConversionMemory(file, "Length", kLengthMemory));
    ASSERT_TRUE(WriteConversionMemory(file, "Temperature", kTemperatureMemory));
}

class SettingsFileCompatibilityTest : public ::testing::Test {
  protected:
    const std::string m_sample = readFile(kEveryKeySettingsFile);
    ScratchDir m_dir;
};

TEST_F(SettingsFileCompatibilityTest, SampleFile_readsEveryValue) {
    ASSERT_FALSE(m_sample.empty()) << kEveryKeySettingsFile;
    const IniFile file(kEveryKeySettingsFile);
    const ProgramSettings read = ReadSettings(file);
    const ProgramSettings expected = SampleSettings();
    EXPECT_NE(expected, ProgramSettings{});
    EXPECT_EQ(read, expected);

    FontSpec field;
    field.ReadFromIni(file, kFieldFontPrefix);
    EXPECT_EQ(field, SampleFieldFont());
    FontSpec tab;
    tab.ReadFromIni(file, kTabFontPrefix);
    EXPECT_EQ(tab, SampleTabFont());
    EXPECT_EQ(ReadDataVersion(file), 4);
    const std::vector<ToolbarPlacement> placements =
        LoadToolbarPositions(file, {{"Toolbar971", true}, {"Toolbar972", true}});
    EXPECT_EQ(placements, SamplePlacements());
    EXPECT_EQ(ReadConversionMemory(file, "Length"), kLengthMemory);
    EXPECT_EQ(ReadConversionMemory(file, "Temperature"), kTemperatureMemory);
}

TEST_F(SettingsFileCompatibilityTest, WritingTheSameValues_givesTheSampleBytes) {
    IniFile fresh(m_dir.file("new.ini"));
    WriteSample(fresh);
    EXPECT_EQ(readFile(fresh.Path()), m_sample);

    // Read from the sample and written over a copy of it, nothing moves.
    const std::string copy = m_dir.file("copy.ini");
    writeFile(copy, m_sample);
    IniFile over(copy);
    ASSERT_TRUE(WriteSettings(over, ReadSettings(over)));
    ASSERT_TRUE(SaveToolbarPositions(over, LoadToolbarPositions(over, {{"Toolbar971"}, {"Toolbar972"}})));
    EXPECT_EQ(readFile(copy), m_sample);
}

} // namespace
} // namespace mensurio
