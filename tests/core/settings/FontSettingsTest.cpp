// SPDX-License-Identifier: MIT
#include "core/settings/FontSettings.h"

#include "support/ScratchDir.h"
#include "support/SettingsFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace mensurio {
namespace {

using test::readFile;
using test::ScratchDir;
using test::writeFile;

FontSpec SampleFont() {
    FontSpec font;
    font.SetCharset(238);
    font.SetColor(0x00FF8000);
    font.SetName("DejaVu Sans Mono");
    font.SetSize(10);
    font.SetBold(true);
    font.SetUnderline(true);
    return font;
}

using FontSettingsTest = test::SettingsFileTest;

TEST_F(FontSettingsTest, readfromini_missingKeys_givesTheStoredDefaults) {
    FontSpec font = SampleFont();
    font.ReadFromIni(m_file, kFieldFontPrefix);
    EXPECT_EQ(font.Charset(), 0);
    EXPECT_EQ(font.Color(), -2147483640);
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Name(), "ZEV Adurezu Zazu");
    EXPECT_FALSE(font.Bold() || font.Italic() || font.Underline() || font.Strikeout());
}

TEST_F(FontSettingsTest, savetoini_defaultFont_writesKeysInOrder) {
    EXPECT_TRUE(FontSpec{}.SaveToIni(m_file, kTabFontPrefix));
    EXPECT_EQ(readFile(m_path),
              "[general]\nf2charset=0\nf2color=-2147483640\nf2height=-11\nf2size=8\n"
              "f2name=ZEV Adurezu Zazu\nf2bold=0\nf2italic=0\nf2underline=0\nf2strikeout=0\n");
}

TEST_F(FontSettingsTest, savetoiniThenReadfromini_twoPrefixes_roundTripIndependently) {
    FontSpec tabs;
    tabs.SetItalic(true);
    tabs.SetStrikeout(true);
    tabs.SetSize(14);
    ASSERT_TRUE(SampleFont().SaveToIni(m_file, kFieldFontPrefix));
    ASSERT_TRUE(tabs.SaveToIni(m_file, kTabFontPrefix));
    FontSpec readField;
    FontSpec readTabs;
    readField.ReadFromIni(m_file, kFieldFontPrefix);
    readTabs.ReadFromIni(m_file, kTabFontPrefix);
    EXPECT_EQ(readField, SampleFont());
    EXPECT_EQ(readTabs, tabs);
}

TEST_F(FontSettingsTest, readfromini_staleHeight_sizeWins) {
    writeFile(m_path, "[general]\nf1height=-40\nf1size=10\n");
    FontSpec font;
    font.ReadFromIni(m_file, kFieldFontPrefix);
    EXPECT_EQ(font.Size(), 10);
    EXPECT_EQ(font.Height(), -13);
    writeFile(m_path, "[general]\nf1height=-40\n"); // no size key: its default 8 still follows
    font.ReadFromIni(m_file, kFieldFontPrefix);
    EXPECT_EQ(font.Size(), 8);
}

TEST_F(FontSettingsTest, readfromini_styleKeys_replaceThePreviousStyle) {
    writeFile(m_path, "[general]\nf1italic=5\nf1bold=no\nf1color=0x80000008\n");
    FontSpec font = SampleFont();
    font.ReadFromIni(m_file, kFieldFontPrefix);
    EXPECT_FALSE(font.Bold());
    EXPECT_TRUE(font.Italic());
    EXPECT_FALSE(font.Underline());
    EXPECT_EQ(font.Color(), FontSpec::kSystemWindowTextColor);
}

TEST(FontSize, SetSize_knownSizes_giveTheHeightsOf96PixelsPerInch) {
    const struct {
        int32_t size;
        int32_t height;
    } cases[] = {{8, -11}, {9, -12}, {10, -13}, {12, -16}, {72, -96}, {0, 0}};
    for (const auto &c : cases) {
        FontSpec font;
        font.SetSize(c.size);
        EXPECT_EQ(font.Height(), c.height) << c.size;
    }
    for (int32_t size = 1; size <= 500; ++size) {
        FontSpec font;
        font.SetSize(size);
        EXPECT_EQ(font.Size(), size);
    }
}

TEST(FontSize, SetHeight_positiveCellHeight_givesNegativeSize) {
    FontSpec font;
    font.SetHeight(16);
    EXPECT_EQ(font.Size(), -12);
    font.SetHeight(-2147483647 - 1); // extreme stored numbers stay defined
    EXPECT_GT(font.Size(), 0);
}

TEST_F(FontSettingsTest, savetoini_refused_returnsFalse) {
    IniFile file(m_dir.file("gone/mensurio.ini"));
    EXPECT_FALSE(SampleFont().SaveToIni(file, kFieldFontPrefix));
}

TEST(FontCopy, nactenifontu_copiesEveryAttribute) {
    FontSpec source = SampleFont();
    source.SetPitch(2);
    FontSpec target;
    target.CopyFrom(source);
    EXPECT_EQ(target, source);
}

} // namespace
} // namespace mensurio
