// SPDX-License-Identifier: MIT
#pragma once

#include "core/custom/CustomNames.h"

#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

class UnitDatabase;

/// The custom categories of the database as the custom category dialogs see them: listing,
/// adding, renaming and removing. Texts are Windows-1252.
class CustomCategories {
  public:
    explicit CustomCategories(UnitDatabase &database) : m_database(database) {}

    /// The custom categories, hidden ones included, sorted by name.
    std::vector<std::string> Names();
    /// "The selected category contains 3 units." (hidden units counted).
    std::string UnitCountText(std::string_view category);

    /// Appends a new, empty custom category unless its name is refused.
    EditOutcome Add(std::string_view name);
    /// Gives `category` a new name; a change of letter case alone is always accepted.
    EditOutcome Rename(std::string_view category, std::string_view name);
    /// Removes the category with all its units.
    void Remove(std::string_view category);

    /// The name the category was stored under by the last successful Add or Rename.
    const std::string &LastStoredName() const { return m_lastStored; }

  private:
    UnitDatabase &m_database;
    std::string m_lastStored;
};

} // namespace mensurio
