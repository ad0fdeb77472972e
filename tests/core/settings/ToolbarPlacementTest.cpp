// SPDX-License-Identifier: MIT
#include "core/settings/ToolbarPlacement.h"

#include "core/settings/ProgramSettings.h"

#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <string>

namespace mensurio {
namespace {

using test::readFile;
using test::ScratchDir;
using test::writeFile;

ToolbarPlacement Current(const std::string &name) {
    ToolbarPlacement placement;
    placement.name = name;
    placement.visible = true;
    placement.dockRow = 3;
    placement.dockPos = 44;
    placement.floatLeft = 9;
    return placement;
}

ToolbarPlacement Stored(const std::string &name, const std::string &dock) {
    ToolbarPlacement placement;
    placement.name = name;
    placement.visible = false;
    placement.dockedTo = dock;
    placement.dockRow = 1;
    placement.dockPos = 120;
    placement.floatLeft = 200;
    placement.floatTop = 150;
    placement.floatRight = 480;
    placement.floatBottom = 190;
    placement.floatRightX = 7;
    return placement;
}

class ToolbarPlacementTest : public ::testing::Test {
  protected:
    ScratchDir m_dir;
    std::string m_path = m_dir.file("mensurio.ini");
    IniFile m_file{m_path};
};

TEST_F(ToolbarPlacementTest, Load_nothingStored_keepsCurrentPlacement) {
    const ToolbarPlacement loaded = LoadToolbarPlacement(m_file, Current("Toolbar971"));
    EXPECT_EQ(loaded, Current("Toolbar971"));
    EXPECT_TRUE(loaded.dockedTo.empty());
}

TEST_F(ToolbarPlacementTest, SaveThenLoad_floatingAndEveryDock_roundTrip) {
    std::vector<std::string> docks(std::begin(kDockNames), std::end(kDockNames));
    docks.push_back(kFloatingDock);
    for (const std::string &dock : docks) {
        const ToolbarPlacement saved = Stored("Toolbar972", dock);
        ASSERT_TRUE(SaveToolbarPositions(m_file, {saved}));
        EXPECT_EQ(LoadToolbarPlacement(m_file, Current("Toolbar972")), saved) << dock;
    }
    EXPECT_TRUE(Stored("x", kFloatingDock).IsFloating());
}

TEST_F(ToolbarPlacementTest, Save_floatingToolbar_writesKeysInOrder) {
    SaveToolbarPlacement(m_file, Stored("Toolbar971", kFloatingDock));
    EXPECT_EQ(readFile(m_path),
              "[Toolbar971]\nVisible=0\nDockedTo=nil\nDockRow=1\nDockPos=120\nFloatLeft=200\n"
              "FloatTop=150\nFloatRight=480\nFloatBottom=190\nFloatRightX=7\n");
}

TEST_F(ToolbarPlacementTest, Save_unknownOrNoDock_writesOnlyVisible) {
    for (const char *dock : {"", "Dock97middle"}) {
        ScratchDir dir;
        IniFile file(dir.file("t.ini"));
        SaveToolbarPlacement(file, Stored("Toolbar971", dock));
        EXPECT_EQ(readFile(file.Path()), "[Toolbar971]\nVisible=0\n") << dock;
    }
}

TEST_F(ToolbarPlacementTest, Load_dockWithoutNumbers_takesCurrentRowAndZeroRectangle) {
    writeFile(m_path, "[toolbar971]\ndockedto=Dock97left\nFloatTop=abc\n");
    const ToolbarPlacement loaded = LoadToolbarPlacement(m_file, Current("Toolbar971"));
    EXPECT_EQ(loaded.dockedTo, "Dock97left");
    EXPECT_TRUE(loaded.visible);
    EXPECT_EQ(loaded.dockRow, 3);
    EXPECT_EQ(loaded.dockPos, 44);
    EXPECT_EQ(loaded.floatLeft, 0);
    EXPECT_EQ(loaded.floatTop, 0);
}

TEST_F(ToolbarPlacementTest, LoadToolbarPositions_bothToolbars_readTheirOwnSections) {
    ASSERT_TRUE(
        SaveToolbarPositions(m_file, {Stored("Toolbar971", "Dock97top"), Stored("Toolbar972", "nil")}));
    const auto loaded = LoadToolbarPositions(m_file, {Current("Toolbar971"), Current("Toolbar972")});
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0], Stored("Toolbar971", "Dock97top"));
    EXPECT_EQ(loaded[1], Stored("Toolbar972", "nil"));
    // The Visible keys are the ones the program settings read.
    const ProgramSettings settings = ReadSettings(m_file);
    EXPECT_FALSE(settings.Toolbar971Visible);
    EXPECT_FALSE(settings.Toolbar972Visible);
}

TEST_F(ToolbarPlacementTest, SaveToolbarPositions_unnamedToolbar_raisesNameError) {
    try {
        SaveToolbarPositions(m_file, {Stored("", "nil")});
        FAIL() << "no error raised";
    } catch (const std::invalid_argument &error) {
        EXPECT_EQ(std::string(error.what()), "Name property not set");
    }
}

TEST_F(ToolbarPlacementTest, SaveToolbarPositions_refused_returnsFalse) {
    IniFile file(m_dir.file("gone/mensurio.ini"));
    EXPECT_FALSE(SaveToolbarPositions(file, {Stored("Toolbar971", "nil")}));
}

} // namespace
} // namespace mensurio
