// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/UnitRecord.h"

#include <string_view>
#include <vector>

namespace mensurio {

class UnitDatabase;

/// How the two unit lists show a category: by name or in list order, with or without hidden units.
struct UnitListOptions {
    bool sortByName = false; // the setting GeSoUnit
    bool showHidden = false; // the setting showhidden
};

/// The units that the input and output lists show for a category, one record per row in row
/// order: the category is the first one whose name matches ignoring letter case; its units come
/// in list order, or alphabetically (ignoring letter case; equal names keep their list order)
/// when sortByName is set; hidden units are left out unless showHidden is set. An unknown
/// category gives an empty list. The window, the engine and the command line all fill their
/// lists from this one function, so row numbers mean the same unit everywhere. The database's
/// cursors are not moved.
std::vector<UnitRecord> ListCategoryUnits(const UnitDatabase &database, std::string_view category,
                                          UnitListOptions options);

} // namespace mensurio
