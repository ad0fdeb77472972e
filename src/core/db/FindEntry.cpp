// SPDX-License-Identifier: MIT
#include "core/db/FindEntry.h"

#include "core/engine/UnitAliases.h"

#include <algorithm>
#include <unordered_map>

namespace mensurio {

namespace {
constexpr char kBracketOpen[] = "    [";
constexpr char kBracketClose[] = "]";
} // namespace

std::vector<FindEntry> BuildFindEntries(const UnitDatabase &database) {
    std::vector<FindEntry> entries;
    for (const CategoryRecord &category : database.Categories()) {
        entries.push_back({category.Name + kBracketOpen + kFindCategoryWord + kBracketClose,
                           category.Name,
                           kFindCategoryWord,
                           true,
                           {}});
        for (const UnitRecord &unit : category.Units)
            entries.push_back({unit.Name + kBracketOpen + category.Name + kBracketClose,
                               unit.Name,
                               category.Name,
                               false,
                               {}});
    }
    return entries;
}

void SortFindEntries(std::vector<FindEntry> &entries,
                     const std::function<bool(const std::string &, const std::string &)> &less) {
    std::stable_sort(entries.begin(), entries.end(),
                     [&less](const FindEntry &a, const FindEntry &b) { return less(a.display, b.display); });
}

void AddFindAliases(std::vector<FindEntry> &entries, std::span<const BuiltinAliasEntry> table) {
    // The table's strings are static: the index keys on them without copies.
    std::unordered_multimap<std::string_view, const BuiltinAliasEntry *> byUnit;
    byUnit.reserve(table.size());
    for (const BuiltinAliasEntry &alias : table)
        byUnit.emplace(alias.unit, &alias);
    for (FindEntry &entry : entries) {
        if (entry.isCategory)
            continue;
        const auto [first, last] = byUnit.equal_range(entry.name);
        for (auto found = first; found != last; ++found) {
            if (!UnitDatabase::SameNameIgnoringCase(found->second->category, entry.category))
                continue;
            for (const char *list : {found->second->symbols, found->second->spellings}) {
                for (const std::string_view item : SplitAliasList(list))
                    entry.aliases.emplace_back(item);
            }
        }
    }
}

namespace {

// Whether wanted (folded) starts a word of the folded name: after a space, '/', '(' or '-'.
bool StartsAWord(const std::string &name, const std::string &wanted) {
    for (std::size_t at = name.find(wanted); at != std::string::npos; at = name.find(wanted, at + 1)) {
        if (at == 0 || name[at - 1] == ' ' || name[at - 1] == '/' || name[at - 1] == '(' ||
            name[at - 1] == '-')
            return true;
    }
    return false;
}

} // namespace

FindMatch MatchFindEntry(const FindEntry &entry, std::string_view search, bool anywhere) {
    if (search.empty())
        return FindMatch::Partial;
    const std::string wanted = UnitDatabase::FoldCase(search);
    if (wanted.find('\0') != std::string::npos)
        return FindMatch::None;
    const bool exact = UnitDatabase::SameNameIgnoringCase(entry.name, search) ||
                       std::find(entry.aliases.begin(), entry.aliases.end(), search) != entry.aliases.end();
    if (exact)
        return FindMatch::Exact;
    if (FindEntryMatches(entry.display, search, anywhere))
        return FindMatch::Partial;
    if (!anywhere && wanted.size() <= entry.name.size() &&
        StartsAWord(UnitDatabase::FoldCase(entry.name), wanted))
        return FindMatch::Partial;
    for (const std::string &alias : entry.aliases) {
        const std::string folded = UnitDatabase::FoldCase(alias);
        if (anywhere ? folded.find(wanted) != std::string::npos
                     : folded.compare(0, wanted.size(), wanted) == 0)
            return FindMatch::Partial;
    }
    return FindMatch::None;
}

bool FindEntryMatches(std::string_view display, std::string_view search, bool anywhere) {
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
