// SPDX-License-Identifier: MIT
#pragma once

#include "core/settings/IniFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

/// Where a toolbar sits: in one of the window's four docks, floating, or nowhere stored.
enum class ToolbarDock { None, Floating, Top, Left, Right, Bottom };

/// The DockedTo text of a dock: "Dock97top", "Dock97left", "Dock97right", "Dock97bottom", or
/// "nil" when floating; empty for None.
const char *StoredDockName(ToolbarDock dock);

/// The dock a DockedTo text names, compared exactly; None for an empty or unknown name.
ToolbarDock DockNamed(std::string_view name);

/// Where one toolbar sits, as stored in its own section of the settings file.
struct ToolbarPlacement {
    std::string name; // the section: "Toolbar971" or "Toolbar972"
    bool visible = true;
    ToolbarDock dock = ToolbarDock::None; // DockedTo
    int32_t dockRow = 0;
    int32_t dockPos = 0;
    int32_t floatLeft = 0;
    int32_t floatTop = 0;
    int32_t floatRight = 0;
    int32_t floatBottom = 0;
    int32_t floatRightX = 0; // kept with the floating rectangle and given back unchanged

    bool IsFloating() const { return dock == ToolbarDock::Floating; }
    bool operator==(const ToolbarPlacement &) const = default;
};

/// Reads one toolbar's placement. Visible defaults to the current visibility; DockedTo to
/// empty, and then nothing more is read. Otherwise DockRow and DockPos default to the current
/// values and the floating rectangle and FloatRightX to 0, also when DockedTo names no dock
/// (the dock is then None and the window leaves the toolbar where it is).
ToolbarPlacement LoadToolbarPlacement(const IniFile &file, const ToolbarPlacement &current);

/// Writes one toolbar's placement: Visible; then, unless the dock is None, DockedTo and the
/// seven numbers. Throws IniFileError on a refused write and
/// std::invalid_argument "Name property not set" for a toolbar without a name.
void SaveToolbarPlacement(IniFile &file, const ToolbarPlacement &placement);

/// Loads every toolbar in turn, each with its current placement as the defaults.
std::vector<ToolbarPlacement> LoadToolbarPositions(const IniFile &file,
                                                   const std::vector<ToolbarPlacement> &current);

/// Saves every toolbar in turn; stops at the first refused write and ignores it (returns false).
bool SaveToolbarPositions(IniFile &file, const std::vector<ToolbarPlacement> &placements);

} // namespace mensurio
