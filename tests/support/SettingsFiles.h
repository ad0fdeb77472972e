// SPDX-License-Identifier: MIT
#pragma once

#include "core/settings/IniFile.h"
#include "core/settings/ProgramSettings.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <string>

// Settings files for the core tests: a scratch settings file per test, program settings that
// differ from the defaults in every field, and a file the program's writers wrote earlier.

namespace mensurio::test {

/// A test with a settings file named as the program names it, in a fresh scratch folder; the
/// file does not exist until something writes it.
class SettingsFileTest : public ::testing::Test {
  protected:
    ScratchDir m_dir;
    std::string m_path = m_dir.file("mensurio.ini");
    IniFile m_file{m_path};
};

/// Program settings in which every field differs from its default.
inline ProgramSettings EveryFieldChanged() {
    ProgramSettings s;
    s.Toolbar971Visible = false;
    s.Toolbar972Visible = false;
    s.GeDiCate = false;
    s.GeSoUnit = false;
    s.GeSoCate = true;
    s.GeCaDefa = false;
    s.SwopValue = false;
    s.CalcPath = "/usr/bin/galculator --mode=sci";
    s.ReNumber = ResultFormat::FixedThousands;
    s.ReDeciPlace = 12;
    s.AktualCate = "Fuel Efficiency";
    s.com1abs = false;
    s.com2abs = false;
    s.maximized = true;
    s.top = -20;
    s.left = 1920;
    s.width = 800;
    s.height = 600;
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
    s.pretop = 1;
    s.preleft = 2;
    s.prewidth = 3;
    s.preheight = 4;
    s.multiformat = CompoundStyle::UnitFirst;
    s.palmverze = 17;
    s.tipbox = false;
    return s;
}

/// A settings file as the program's writers wrote it before its closed choices became types:
/// every program setting changed, both fonts, both toolbars' placement, the data version and
/// the memory of two categories (tests/data/settings-every-key.ini).
inline const std::string kEveryKeySettingsFile = MENSURIO_SOURCE_DIR "/tests/data/settings-every-key.ini";

} // namespace mensurio::test
