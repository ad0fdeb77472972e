// SPDX-License-Identifier: MIT
#pragma once

#include "core/settings/IniFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace mensurio {

inline constexpr char kFloatingDock[] = "nil";
inline constexpr const char *kDockNames[] = {"Dock97top", "Dock97left", "Dock97right", "Dock97bottom"};

/// Where one toolbar sits, as stored in its own section of the settings file.
struct ToolbarPlacement {
    std::string name; // the section: "Toolbar971" or "Toolbar972"
    bool visible = true;
    std::string dockedTo; // a dock name, "nil" when floating, empty when nothing is stored
    int32_t dockRow = 0;
    int32_t dockPos = 0;
    int32_t floatLeft = 0;
    int32_t floatTop = 0;
    int32_t floatRight = 0;
    int32_t floatBottom = 0;
    int32_t floatRightX = 0; // kept with the floating rectangle and given back unchanged

    bool IsFloating() const { return dockedTo == kFloatingDock; }
    bool operator==(const ToolbarPlacement &) const = default;
};

/// True for the names of the four docks.
bool IsKnownDock(const std::string &name);

/// Reads one toolbar's placement. Visible defaults to the current visibility; DockedTo to
/// empty, and then nothing more is read. Otherwise DockRow and DockPos default to the current
/// values and the floating rectangle and FloatRightX to 0. Whether the dock exists is the
/// window's question: the name is returned as stored.
ToolbarPlacement LoadToolbarPlacement(const IniFile &file, const ToolbarPlacement &current);

/// Writes one toolbar's placement: Visible; then, when it floats or sits in one of the four
/// docks, DockedTo and the seven numbers. Throws IniFileError on a refused write and
/// std::invalid_argument "Name property not set" for a toolbar without a name.
void SaveToolbarPlacement(IniFile &file, const ToolbarPlacement &placement);

/// Loads every toolbar in turn, each with its current placement as the defaults.
std::vector<ToolbarPlacement> LoadToolbarPositions(const IniFile &file,
                                                   const std::vector<ToolbarPlacement> &current);

/// Saves every toolbar in turn; stops at the first refused write and ignores it (returns false).
bool SaveToolbarPositions(IniFile &file, const std::vector<ToolbarPlacement> &placements);

} // namespace mensurio
