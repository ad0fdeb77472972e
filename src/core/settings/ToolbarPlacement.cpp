// SPDX-License-Identifier: MIT
#include "core/settings/ToolbarPlacement.h"

#include <stdexcept>
#include <utility>

namespace mensurio {

namespace {

// The names the settings file stores for the docks, as earlier runs wrote them.
constexpr std::pair<ToolbarDock, const char *> kStoredDockNames[] = {
    {ToolbarDock::Floating, "nil"},        {ToolbarDock::Top, "Dock97top"},
    {ToolbarDock::Left, "Dock97left"},     {ToolbarDock::Right, "Dock97right"},
    {ToolbarDock::Bottom, "Dock97bottom"},
};

} // namespace

const char *StoredDockName(ToolbarDock dock) {
    for (const auto &[known, name] : kStoredDockNames)
        if (known == dock)
            return name;
    return "";
}

ToolbarDock DockNamed(std::string_view name) {
    for (const auto &[dock, known] : kStoredDockNames)
        if (name == known)
            return dock;
    return ToolbarDock::None;
}

ToolbarPlacement LoadToolbarPlacement(const IniFile &file, const ToolbarPlacement &current) {
    ToolbarPlacement placement = current;
    const std::string &section = current.name;
    placement.visible = file.ReadBool(section, "Visible", current.visible);
    const std::string dockedTo = file.ReadString(section, "DockedTo", "");
    placement.dock = DockNamed(dockedTo);
    if (dockedTo.empty()) {
        return placement;
    }
    placement.dockRow = file.ReadInteger(section, "DockRow", current.dockRow);
    placement.dockPos = file.ReadInteger(section, "DockPos", current.dockPos);
    placement.floatLeft = file.ReadInteger(section, "FloatLeft", 0);
    placement.floatTop = file.ReadInteger(section, "FloatTop", 0);
    placement.floatRight = file.ReadInteger(section, "FloatRight", 0);
    placement.floatBottom = file.ReadInteger(section, "FloatBottom", 0);
    placement.floatRightX = file.ReadInteger(section, "FloatRightX", 0);
    return placement;
}

void SaveToolbarPlacement(IniFile &file, const ToolbarPlacement &placement) {
    if (placement.name.empty()) {
        throw std::invalid_argument("Name property not set");
    }
    const std::string &section = placement.name;
    file.WriteBool(section, "Visible", placement.visible);
    if (placement.dock == ToolbarDock::None) {
        return;
    }
    file.WriteString(section, "DockedTo", StoredDockName(placement.dock));
    file.WriteInteger(section, "DockRow", placement.dockRow);
    file.WriteInteger(section, "DockPos", placement.dockPos);
    file.WriteInteger(section, "FloatLeft", placement.floatLeft);
    file.WriteInteger(section, "FloatTop", placement.floatTop);
    file.WriteInteger(section, "FloatRight", placement.floatRight);
    file.WriteInteger(section, "FloatBottom", placement.floatBottom);
    file.WriteInteger(section, "FloatRightX", placement.floatRightX);
}

std::vector<ToolbarPlacement> LoadToolbarPositions(const IniFile &file,
                                                   const std::vector<ToolbarPlacement> &current) {
    std::vector<ToolbarPlacement> placements;
    placements.reserve(current.size());
    for (const ToolbarPlacement &toolbar : current) {
        placements.push_back(LoadToolbarPlacement(file, toolbar));
    }
    return placements;
}

bool SaveToolbarPositions(IniFile &file, const std::vector<ToolbarPlacement> &placements) {
    return RunIgnoringRefusedWrites([&] {
        for (const ToolbarPlacement &toolbar : placements) {
            SaveToolbarPlacement(file, toolbar);
        }
    });
}

} // namespace mensurio
