// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/UnitDatabase.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

/// One line of the Find list: a category, or a unit together with the category that holds it.
struct FindEntry {
    std::string display;  // "name    [Category]" or "name    [category name]", Windows-1252
    std::string name;     // the category's or the unit's name
    std::string category; // "Category" for a category entry, else the unit's category
    bool isCategory = false; // tells a category entry from a unit of a category named "Category"
};

/// The word in the brackets of a category entry.
inline constexpr char kFindCategoryWord[] = "Category";

/// Every category and every unit of the database, hidden ones included, in database order
/// (each category, then its units).
std::vector<FindEntry> BuildFindEntries(const UnitDatabase& database);

/// Orders the entries by display text with the given "less" comparison (the platform's
/// case-insensitive, locale-aware one); entries that compare equal keep database order.
void SortFindEntries(std::vector<FindEntry>& entries,
                     const std::function<bool(const std::string&, const std::string&)>& less);

/// Whether an entry's display text matches the search text, ignoring the case of A to Z:
/// at its start, or anywhere when `anywhere` is set. An empty search matches every entry.
bool FindEntryMatches(std::string_view display, std::string_view search, bool anywhere);

} // namespace mensurio
