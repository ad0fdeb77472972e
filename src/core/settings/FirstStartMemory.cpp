// SPDX-License-Identifier: MIT
#include "core/settings/FirstStartMemory.h"

#include "core/db/UnitDatabase.h"

#include <algorithm>

namespace mensurio {

const std::vector<FirstStartUnits> &ShippedFirstStartMemories() {
    // Metric in, the customary unit most often asked for out.
    static const std::vector<FirstStartUnits> table = {
        {"Length", "meter", "foot"},
        {"Area", "square meter", "square foot"},
        {"Volume", "liter", "gallon (US)"},
        {"Cooking Volume", "milliliter", "cup (US)"},
        {"Mass", "kilogram", "pound"},
        {"Density", "kilogram/cubic meter", "pound/cubic foot"},
        {"Temperature", "Celsius", "Fahrenheit"},
        {"Temperature Interval", "degree Celsius", "degree Fahrenheit"},
        {"Pressure", "bar", "pound/square inch (psi)"},
        {"Time", "hour", "minute"},
        {"Speed", "kilometer/hour (km/h)", "mile/hour (mph)"},
        {"Pace", "minute/kilometer", "minute/mile"},
        {"Acceleration", "meter/square second", "standard gravity (g)"},
        {"Angle", "degree", "radian"},
        {"Fuel Efficiency", "liter/100 km", "mile/gallon (US) (mpg)"},
        {"Force", "newton", "pound-force (lbf)"},
        {"Energy", "kilojoule", "kilocalorie (th)"},
        {"Power", "kilowatt", "horsepower (mechanical)"},
        {"Torque", "newton meter", "pound-force foot"},
        {"Volume Flow", "liter/minute", "gallon (US)/minute (gpm)"},
        {"Data Storage", "gigabyte (GB)", "gibibyte (GiB)"},
        {"Data Rate", "megabit/second (Mbps)", "megabyte/second (MB/s)"},
    };
    return table;
}

std::optional<FirstStartRows> FirstStartRowsOf(const std::vector<FirstStartUnits> &table,
                                               std::string_view category,
                                               const std::vector<std::string> &rowNames) {
    if (category.empty())
        return std::nullopt;
    const auto entry = std::find_if(table.begin(), table.end(), [&](const FirstStartUnits &units) {
        return UnitDatabase::SameNameIgnoringCase(units.category, category);
    });
    if (entry == table.end())
        return std::nullopt;
    const FirstStartRows rows{RowNamed(rowNames, entry->input), RowNamed(rowNames, entry->output)};
    if (rows.input < 0 || rows.output < 0)
        return std::nullopt;
    return rows;
}

std::optional<CapturedSelection> FirstStartSelection(const std::vector<FirstStartUnits> &table,
                                                     std::string_view category,
                                                     const std::vector<std::string> &rowNames,
                                                     const std::vector<int> &orderView) {
    const auto rows = FirstStartRowsOf(table, category, rowNames);
    if (!rows)
        return std::nullopt;
    const int count = static_cast<int>(rowNames.size());
    CapturedSelection selection =
        CaptureSelectionOf(category, rowNames, ListSelection::Single(count, rows->input),
                           ListSelection::Single(count, rows->output), orderView);
    // An output outside the order view has no code and would leave the output list at row 0.
    if (!IsSingleSelectionCategory(category) && selection.outputCodes.empty())
        return std::nullopt;
    return selection;
}

} // namespace mensurio
