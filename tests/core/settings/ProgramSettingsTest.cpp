// SPDX-License-Identifier: MIT
#include "core/settings/ProgramSettings.h"

#include "core/db/UnitDatabase.h"

#include "support/FileSizeLimit.h"
#include "support/ScratchDir.h"
#include "support/SettingsFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace mensurio {
namespace {

namespace fs = std::filesystem;
using test::EveryFieldChanged;
using test::FileSizeLimit;
using test::readFile;
using test::writeFile;

// A new file written from the defaults: every key in the write order with its default.
constexpr char kDefaultFile[] = "[Toolbar971]\nVisible=1\n\n[Toolbar972]\nVisible=1\n\n[general]\n"
                                "GeDiCate=1\nGeSoUnit=1\nGeSoCate=0\nGeCaDefa=1\nSwopValue=1\nCalcPath=\n"
                                "ReNumber=0\nReDeciPlace=9\nAktualCate=\ncom1abs=1\ncom2abs=1\nmaximized=0\n"
                                "left=60\ntop=50\nheight=379\nwidth=549\npgsdl5sort=1\nsplit=0\n"
                                "tablecategory=\ntableresultformat=0\ntablepaper=0\ntableconversionstyle=0\n"
                                "premaximized=1\nsave=0\nshowhidden=1\nshowhiddenmulti=1\nsortmulti=1\n"
                                "tray=0\npreleft=90\npretop=80\npreheight=410\nprewidth=630\nmultiformat=0\n"
                                "palmverze=0\ntipbox=1\n";

using ProgramSettingsTest = test::SettingsFileTest;

TEST_F(ProgramSettingsTest, ReadSettings_missingFile_givesEveryDefault) {
    EXPECT_EQ(ReadSettings(m_file), ProgramSettings{});
    EXPECT_FALSE(fs::exists(m_path));
}

TEST_F(ProgramSettingsTest, WriteSettings_newFile_writesEveryKeyInOrderWithDefaults) {
    EXPECT_TRUE(WriteSettings(m_file, ProgramSettings{}));
    EXPECT_EQ(readFile(m_path), kDefaultFile);
}

TEST_F(ProgramSettingsTest, WriteThenRead_everyFieldChanged_roundTrips) {
    const ProgramSettings changed = EveryFieldChanged();
    ASSERT_TRUE(WriteSettings(m_file, changed));
    EXPECT_EQ(ReadSettings(m_file), changed);
    ASSERT_TRUE(WriteSettings(m_file, ProgramSettings{}));
    EXPECT_EQ(readFile(m_path), kDefaultFile); // rewriting replaces in place, adds nothing
}

TEST_F(ProgramSettingsTest, ReadSettings_malformedValues_fallBackPerKey) {
    writeFile(m_path, "[GENERAL]\nrenumber=abc\nReDeciPlace=0x\ntop=0x1A\nleft= -3 \ntray=yes\n"
                      "GeSoCate=2\nshowhidden=-1\ntipbox=0\nwidth=99999999999\nCalcPath=  spaced \n"
                      "[toolbar971]\nvisible=0\n");
    const ProgramSettings s = ReadSettings(m_file);
    EXPECT_EQ(s.ReNumber, ResultFormat::Auto);
    EXPECT_EQ(s.ReDeciPlace, 9);
    EXPECT_EQ(s.top, 26);
    EXPECT_EQ(s.left, -3);
    EXPECT_FALSE(s.tray);
    EXPECT_TRUE(s.GeSoCate);
    EXPECT_TRUE(s.showhidden);
    EXPECT_FALSE(s.tipbox);
    EXPECT_EQ(s.width, 549);
    EXPECT_EQ(s.CalcPath, "  spaced ");
    EXPECT_FALSE(s.Toolbar971Visible);
    EXPECT_TRUE(s.Toolbar972Visible);
}

// A number that no choice stores reads as the choice's default, as a malformed one does.
TEST_F(ProgramSettingsTest, ReadSettings_choiceNumbersWithoutAChoice_giveTheDefaults) {
    writeFile(m_path, "[general]\nReNumber=7\nmultiformat=-1\ntableresultformat=2\ntablepaper=-1\n"
                      "tableconversionstyle=0x10\n");
    EXPECT_EQ(ReadSettings(m_file), ProgramSettings{});
    writeFile(m_path, "[general]\nReNumber=3\nmultiformat=1\ntableresultformat=1\ntablepaper=1\n"
                      "tableconversionstyle=1\n");
    const ProgramSettings s = ReadSettings(m_file);
    EXPECT_EQ(s.ReNumber, ResultFormat::FixedThousands);
    EXPECT_EQ(s.multiformat, CompoundStyle::PlainValue);
    EXPECT_EQ(s.tableresultformat, TableResultFormat::Scientific);
    EXPECT_EQ(s.tablepaper, TablePaper::Portrait);
    EXPECT_EQ(s.tableconversionstyle, TableDirection::DownAndLeft);
}

// Keys are matched without regard to letter case within their section: no two may be the same.
TEST(ProgramSettingKeys, EveryKey_isDistinctInItsSection) {
    const std::vector<SettingKey> keys = ProgramSettingKeys();
    EXPECT_EQ(keys.size(), 37u);
    std::set<std::pair<std::string, std::string>> seen;
    for (const SettingKey &key : keys) {
        const auto folded =
            std::make_pair(UnitDatabase::FoldCase(key.section), UnitDatabase::FoldCase(key.key));
        EXPECT_TRUE(seen.insert(folded).second) << key.section << "/" << key.key;
    }
}

TEST_F(ProgramSettingsTest, WriteSettings_categoryNamedGeneral_keepsItsMemoryKeys) {
    m_file.WriteString("General", "list1", "05");
    m_file.WriteString("General", "hodnota", "12.5");
    ASSERT_TRUE(WriteSettings(m_file, EveryFieldChanged()));
    EXPECT_EQ(m_file.ReadString("general", "list1", ""), "05");
    EXPECT_EQ(m_file.ReadString("general", "hodnota", ""), "12.5");
    EXPECT_EQ(ReadSettings(m_file), EveryFieldChanged());
}

TEST_F(ProgramSettingsTest, WriteSettings_directoryMissing_returnsFalseWithoutThrowing) {
    IniFile file(m_dir.file("gone/mensurio.ini"));
    EXPECT_FALSE(WriteSettings(file, ProgramSettings{}));
}

// The disk refuses once the file passes 200 bytes: the keys written until then stay, the
// rest is not attempted, and the refusal does not escape.
TEST_F(ProgramSettingsTest, WriteSettings_refusedMidway_stopsAndKeepsEarlierKeys) {
    bool completed = true;
    {
        FileSizeLimit limit(200);
        completed = WriteSettings(m_file, EveryFieldChanged());
    }
    EXPECT_FALSE(completed);
    const std::string text = readFile(m_path);
    EXPECT_LE(text.size(), 200u);
    EXPECT_NE(text.find("GeDiCate=0\n"), std::string::npos);
    EXPECT_EQ(text.find("tipbox"), std::string::npos);
    // Whatever was written is a prefix of the full file in write order.
    ASSERT_TRUE(WriteSettings(m_file, EveryFieldChanged()));
    EXPECT_EQ(readFile(m_path).substr(0, text.size()), text);
}

} // namespace
} // namespace mensurio
