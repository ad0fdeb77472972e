// SPDX-License-Identifier: MIT
#include "core/settings/ToolbarPlacement.h"

#include "core/settings/ProgramSettings.h"

#include "support/ScratchDir.h"
#include "support/SettingsFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

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

ToolbarPlacement Stored(const std::string &name, ToolbarDock dock) {
    ToolbarPlacement placement;
    placement.name = name;
    placement.visible = false;
    placement.dock = dock;
    placement.dockRow = 1;
    placement.dockPos = 120;
    placement.floatLeft = 200;
    placement.floatTop = 150;
    placement.floatRight = 480;
    placement.floatBottom = 190;
    placement.floatRightX = 7;
    return placement;
}

using ToolbarPlacementTest = test::SettingsFileTest;

TEST_F(ToolbarPlacementTest, Load_nothingStored_keepsCurrentPlacement) {
    const ToolbarPlacement loaded = LoadToolbarPlacement(m_file, Current("Toolbar971"));
    EXPECT_EQ(loaded, Current("Toolbar971"));
    EXPECT_EQ(loaded.dock, ToolbarDock::None);
}

// The names earlier runs stored for the docks, compared exactly.
TEST_F(ToolbarPlacementTest, SaveThenLoad_floatingAndEveryDock_roundTripUnderTheirStoredNames) {
    const std::pair<ToolbarDock, std::string> docks[] = {{ToolbarDock::Top, "Dock97top"},
                                                         {ToolbarDock::Left, "Dock97left"},
                                                         {ToolbarDock::Right, "Dock97right"},
                                                         {ToolbarDock::Bottom, "Dock97bottom"},
                                                         {ToolbarDock::Floating, "nil"}};
    for (const auto &[dock, name] : docks) {
        const ToolbarPlacement saved = Stored("Toolbar972", dock);
        ASSERT_TRUE(SaveToolbarPositions(m_file, {saved}));
        EXPECT_EQ(m_file.ReadString("Toolbar972", "DockedTo", ""), name);
        EXPECT_EQ(LoadToolbarPlacement(m_file, Current("Toolbar972")), saved) << name;
        EXPECT_EQ(DockNamed(name), dock);
        EXPECT_EQ(StoredDockName(dock), name);
    }
    for (const char *other : {"", "dock97top", "Dock97middle", "NIL"})
        EXPECT_EQ(DockNamed(other), ToolbarDock::None) << other;
    EXPECT_TRUE(Stored("x", ToolbarDock::Floating).IsFloating());
}

TEST_F(ToolbarPlacementTest, Save_floatingToolbar_writesKeysInOrder) {
    SaveToolbarPlacement(m_file, Stored("Toolbar971", ToolbarDock::Floating));
    EXPECT_EQ(readFile(m_path),
              "[Toolbar971]\nVisible=0\nDockedTo=nil\nDockRow=1\nDockPos=120\nFloatLeft=200\n"
              "FloatTop=150\nFloatRight=480\nFloatBottom=190\nFloatRightX=7\n");
}

TEST_F(ToolbarPlacementTest, Save_noDock_writesOnlyVisible) {
    SaveToolbarPlacement(m_file, Stored("Toolbar971", ToolbarDock::None));
    EXPECT_EQ(readFile(m_path), "[Toolbar971]\nVisible=0\n");
}

// A name that no dock has: the numbers are read as for a dock, the dock is None, and the
// placement is written back without it.
TEST_F(ToolbarPlacementTest, LoadThenSave_unknownDockName_readsTheNumbersAndWritesOnlyVisible) {
    writeFile(m_path, "[Toolbar971]\nVisible=0\nDockedTo=Dock97middle\nDockRow=2\nFloatLeft=15\n");
    const ToolbarPlacement loaded = LoadToolbarPlacement(m_file, Current("Toolbar971"));
    EXPECT_EQ(loaded.dock, ToolbarDock::None);
    EXPECT_EQ(loaded.dockRow, 2);
    EXPECT_EQ(loaded.floatLeft, 15);
    ScratchDir dir;
    IniFile file(dir.file("t.ini"));
    SaveToolbarPlacement(file, loaded);
    EXPECT_EQ(readFile(file.Path()), "[Toolbar971]\nVisible=0\n");
}

TEST_F(ToolbarPlacementTest, Load_dockWithoutNumbers_takesCurrentRowAndZeroRectangle) {
    writeFile(m_path, "[toolbar971]\ndockedto=Dock97left\nFloatTop=abc\n");
    const ToolbarPlacement loaded = LoadToolbarPlacement(m_file, Current("Toolbar971"));
    EXPECT_EQ(loaded.dock, ToolbarDock::Left);
    EXPECT_TRUE(loaded.visible);
    EXPECT_EQ(loaded.dockRow, 3);
    EXPECT_EQ(loaded.dockPos, 44);
    EXPECT_EQ(loaded.floatLeft, 0);
    EXPECT_EQ(loaded.floatTop, 0);
}

TEST_F(ToolbarPlacementTest, LoadToolbarPositions_bothToolbars_readTheirOwnSections) {
    ASSERT_TRUE(SaveToolbarPositions(
        m_file, {Stored("Toolbar971", ToolbarDock::Top), Stored("Toolbar972", ToolbarDock::Floating)}));
    const auto loaded = LoadToolbarPositions(m_file, {Current("Toolbar971"), Current("Toolbar972")});
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0], Stored("Toolbar971", ToolbarDock::Top));
    EXPECT_EQ(loaded[1], Stored("Toolbar972", ToolbarDock::Floating));
    // The Visible keys are the ones the program settings read.
    const ProgramSettings settings = ReadSettings(m_file);
    EXPECT_FALSE(settings.Toolbar971Visible);
    EXPECT_FALSE(settings.Toolbar972Visible);
}

TEST_F(ToolbarPlacementTest, SaveToolbarPositions_unnamedToolbar_raisesNameError) {
    try {
        SaveToolbarPositions(m_file, {Stored("", ToolbarDock::Floating)});
        FAIL() << "no error raised";
    } catch (const std::invalid_argument &error) {
        EXPECT_EQ(std::string(error.what()), "Name property not set");
    }
}

TEST_F(ToolbarPlacementTest, SaveToolbarPositions_refused_returnsFalse) {
    IniFile file(m_dir.file("gone/mensurio.ini"));
    EXPECT_FALSE(SaveToolbarPositions(file, {Stored("Toolbar971", ToolbarDock::Floating)}));
}

} // namespace
} // namespace mensurio
