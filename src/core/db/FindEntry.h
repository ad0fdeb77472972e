// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/UnitDatabase.h"
#include "core/engine/BuiltinAliases.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

/// One line of the Find list: a category, or a unit together with the category that holds it.
struct FindEntry {
    std::string display;              // "name    [Category]" or "name    [category name]", Windows-1252
    std::string name;                 // the category's or the unit's name
    std::string category;             // "Category" for a category entry, else the unit's category
    bool isCategory = false;          // tells a category entry from a unit of a category named "Category"
    std::vector<std::string> aliases; // a unit's symbols and other spellings, Windows-1252
};

/// The word in the brackets of a category entry.
inline constexpr char kFindCategoryWord[] = "Category";

/// Every category and every unit of the database, hidden ones included, in database order
/// (each category, then its units).
std::vector<FindEntry> BuildFindEntries(const UnitDatabase &database);

/// Gives each unit entry the symbols and spellings the built-in table has for it.
void AddFindAliases(std::vector<FindEntry> &entries, std::span<const BuiltinAliasEntry> table);

/// How an entry matches a search: not at all, or with what priority in the list.
enum class FindMatch { None, Exact, Partial };

/// Matches the display text as FindEntryMatches does, and also, from the start, the start of
/// any word of the name, and the entry's symbols and spellings (ignoring letter case). A symbol
/// typed exactly or the whole name ignoring case is an exact match, listed first.
FindMatch MatchFindEntry(const FindEntry &entry, std::string_view search, bool anywhere);

/// Orders the entries by display text with the given "less" comparison (the platform's
/// case-insensitive, locale-aware one); entries that compare equal keep database order.
void SortFindEntries(std::vector<FindEntry> &entries,
                     const std::function<bool(const std::string &, const std::string &)> &less);

/// Whether an entry's display text matches the search text, ignoring the case of A to Z:
/// at its start, or anywhere when `anywhere` is set. An empty search matches every entry.
bool FindEntryMatches(std::string_view display, std::string_view search, bool anywhere);

} // namespace mensurio
