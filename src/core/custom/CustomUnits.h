// SPDX-License-Identifier: MIT
#pragma once

#include "core/custom/CustomNames.h"
#include "core/engine/Engine.h"
#include "core/engine/Separators.h"

#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

class UnitDatabase;

/// What the custom unit editor shows when it opens.
struct UnitEditorSetup {
    std::vector<std::string> origins; // the units one of the new unit can be given in, sorted
    int selectedOrigin = -1;          // index into origins, -1 for none
    bool baseUnit = false;            // no origin: the value field holds "(Base Unit)" and is locked
    std::string name;
    std::string value;
};

/// The custom units of the database as the custom unit dialogs see them: listing, describing,
/// and adding, changing and removing units. Texts are Windows-1252.
class CustomUnits {
  public:
    CustomUnits(UnitDatabase &database, NumberSeparators separators);

    /// The seven categories with conversions of their own, matched exactly, take no custom units.
    static bool RefusesCustomUnits(std::string_view category);

    /// Every category, hidden ones included, sorted by name.
    std::vector<std::string> CategoryNames();
    /// The custom units of the category, hidden ones included, sorted by name.
    std::vector<std::string> UnitNames(std::string_view category);
    /// "1 furlong = 201.168 meter", or "x is the base unit." for the only unit of a category.
    std::string Description(std::string_view category, std::string_view unit);
    /// Factor of unit A over factor of unit B, written as the dialogs show it.
    std::string RatioText(std::string_view category, std::string_view unitA, std::string_view unitB);

    UnitEditorSetup AddSetup(std::string_view category);
    UnitEditorSetup ModifySetup(std::string_view category, std::string_view unit);

    /// Adds a unit named `name` worth `value` of `origin` (a base unit when value is "(Base Unit)").
    EditOutcome Add(std::string_view category, std::string_view name, std::string_view value,
                    std::string_view origin);
    /// Changes `unit`; `valueLocked` says the editor showed it as the category's only unit.
    EditOutcome Modify(std::string_view category, std::string_view unit, std::string_view name,
                       std::string_view value, std::string_view origin, bool valueLocked);
    void Remove(std::string_view category, std::string_view unit);

  private:
    std::vector<std::string> AllUnitNames(std::string_view category);
    /// The factor of `value` times `origin`, or the message that refuses it.
    EditOutcome FactorOf(std::string_view category, std::string_view value, std::string_view origin,
                         long double &factor);

    UnitDatabase &m_database;
    Engine m_engine;
    NumberSeparators m_separators;
};

/// Sorts names as the dialogs' sorted lists show them (case-insensitive, stable).
void SortNames(std::vector<std::string> &names);

} // namespace mensurio
