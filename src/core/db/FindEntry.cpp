// SPDX-License-Identifier: MIT
#include "core/db/FindEntry.h"

#include <algorithm>

namespace mensurio {

namespace {
constexpr char kBracketOpen[] = "    [";
constexpr char kBracketClose[] = "]";
} // namespace

std::vector<FindEntry> BuildFindEntries(const UnitDatabase& database)
{
    std::vector<FindEntry> entries;
    for (const CategoryRecord& category : database.Categories()) {
        entries.push_back({category.Name + kBracketOpen + kFindCategoryWord + kBracketClose, category.Name,
                           kFindCategoryWord, true});
        for (const UnitRecord& unit : category.Units)
            entries.push_back(
                {unit.Name + kBracketOpen + category.Name + kBracketClose, unit.Name, category.Name, false});
    }
    return entries;
}

void SortFindEntries(std::vector<FindEntry>& entries,
                     const std::function<bool(const std::string&, const std::string&)>& less)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [&less](const FindEntry& a, const FindEntry& b) { return less(a.display, b.display); });
}

bool FindEntryMatches(std::string_view display, std::string_view search, bool anywhere)
{
    if (search.size() > display.size()) // a pasted page of text matches nothing, and quickly
        return false;
    const std::string text = UnitDatabase::FoldCase(display);
    const std::string wanted = UnitDatabase::FoldCase(search);
    // A typed character the code page cannot hold is in no name, so such a search finds nothing.
    if (wanted.find('\0') != std::string::npos)
        return false;
    if (anywhere)
        return text.find(wanted) != std::string::npos;
    return text.compare(0, wanted.size(), wanted) == 0;
}

} // namespace mensurio
