// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/CompoundStyle.h"
#include "core/engine/ResultFormatter.h"
#include "core/settings/IniFile.h"
#include "core/tables/TableChoices.h"

#include <cstdint>
#include <string>
#include <vector>

namespace mensurio {

inline constexpr char kGeneralSection[] = "general";
inline constexpr char kToolbarSection[] = "Toolbar971";   // the toolbar "Toolbar"
inline constexpr char kRecordbarSection[] = "Toolbar972"; // the toolbar "Recordbar"

/// Every program setting, one field per settings-file key, holding the defaults of a fresh start.
/// The fields carry their keys' names; the closed choices are stored as numbers (StoredChoices.h).
struct ProgramSettings {
    bool Toolbar971Visible = true; // [Toolbar971] Visible
    bool Toolbar972Visible = true; // [Toolbar972] Visible
    bool GeDiCate = true;
    bool GeSoUnit = true;
    bool GeSoCate = false;
    bool GeCaDefa = true;
    bool SwopValue = true;
    std::string CalcPath;
    ResultFormat ReNumber = ResultFormat::Auto;
    int32_t ReDeciPlace = 9;
    std::string AktualCate;
    bool com1abs = true;
    bool com2abs = true;
    bool maximized = false;
    int32_t top = 50;
    int32_t left = 60;
    int32_t width = 549;
    int32_t height = 379;
    bool pgsdl5sort = true;
    bool split = false;
    std::string tablecategory;
    TableResultFormat tableresultformat = TableResultFormat::General;
    TablePaper tablepaper = TablePaper::Landscape;
    TableDirection tableconversionstyle = TableDirection::RightAndUp;
    bool premaximized = true;
    bool save = false;
    bool showhidden = true;
    bool showhiddenmulti = true;
    bool sortmulti = true;
    bool tray = false;
    int32_t pretop = 80;
    int32_t preleft = 90;
    int32_t prewidth = 630;
    int32_t preheight = 410;
    CompoundStyle multiformat = CompoundStyle::ParenthesisedValue;
    int32_t palmverze = 0;
    bool tipbox = true;

    bool operator==(const ProgramSettings &) const = default;
};

/// A settings-file key of ProgramSettings.
struct SettingKey {
    const char *section;
    const char *key;
};

/// The key of every field, in the order of reading.
std::vector<SettingKey> ProgramSettingKeys();

/// Reads every setting, key by key; a missing or malformed value, or a number that no choice
/// stores, gives the field's default.
ProgramSettings ReadSettings(const IniFile &file);

/// Writes every setting in the settings file's write order. Stops at the first refused write
/// and ignores it (returns false); the keys written before it stay written.
bool WriteSettings(IniFile &file, const ProgramSettings &settings);

} // namespace mensurio
