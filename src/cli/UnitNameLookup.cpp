// SPDX-License-Identifier: MIT
#include "cli/UnitNameLookup.h"

#include "cli/CliUsageError.h"
#include "cli/PrintableText.h"
#include "core/db/Cp1252.h"
#include "core/engine/CategoryKind.h"
#include "core/engine/EverydayInput.h"

#include <algorithm>

namespace mensurio {

namespace {

std::vector<std::string> UnitNames(const CategoryRecord &category) {
    std::vector<std::string> names;
    names.reserve(category.Units.size());
    for (const UnitRecord &unit : category.Units)
        names.push_back(unit.Name);
    return names;
}

std::string Candidates(const std::vector<UnitNameLookup::Match> &matches) {
    std::string text;
    for (std::size_t i = 0; i < matches.size(); ++i) {
        text += i == 0 ? "" : i + 1 == matches.size() ? " or " : ", ";
        text += PrintableText::FromCp1252(matches[i].unit) + " (" +
                PrintableText::FromCp1252(matches[i].category) + ")";
    }
    return text;
}

bool SameUnits(const std::vector<UnitNameLookup::Match> &matches) {
    return std::all_of(matches.begin(), matches.end(),
                       [&](const UnitNameLookup::Match &m) { return m.unit == matches.front().unit; });
}

} // namespace

UnitNameLookup::UnitNameLookup(const UnitDatabase &database, std::span<const BuiltinAliasEntry> builtin)
    : m_database(database) {
    // The built-in table lists each category's units together, in data order: one run per
    // category, found by the category's name ignoring letter case (the first run of a name).
    for (auto first = builtin.begin(); first != builtin.end();) {
        auto last = first;
        while (last != builtin.end() && UnitDatabase::SameNameIgnoringCase(last->category, first->category))
            ++last;
        m_builtinByCategory.try_emplace(UnitDatabase::FoldCase(first->category), first, last);
        first = last;
    }
}

std::span<const BuiltinAliasEntry> UnitNameLookup::builtinOf(std::string_view category) const {
    const auto found = m_builtinByCategory.find(UnitDatabase::FoldCase(category));
    return found == m_builtinByCategory.end() ? std::span<const BuiltinAliasEntry>() : found->second;
}

UnitAliases UnitNameLookup::aliasesOf(const CategoryRecord &category) const {
    return UnitAliases(builtinOf(category.Name), category.Name, UnitNames(category));
}

std::vector<UnitNameLookup::Match> UnitNameLookup::Find(std::string_view typed) const {
    std::vector<Match> matches;
    for (const bool exact : {true, false}) {
        for (const CategoryRecord &category : m_database.Categories()) {
            for (const UnitRecord &unit : category.Units) {
                if (exact ? unit.Name == typed : UnitDatabase::SameNameIgnoringCase(unit.Name, typed)) {
                    matches.push_back({category.Name, unit.Name});
                    break;
                }
            }
        }
        if (!matches.empty())
            return matches;
    }
    for (const CategoryRecord &category : m_database.Categories()) {
        const std::string unit = aliasesOf(category).UnitNamed(typed);
        if (!unit.empty())
            matches.push_back({category.Name, unit});
    }
    return matches;
}

std::string UnitNameLookup::FindIn(const CategoryRecord &category, std::string_view typed) const {
    for (const UnitRecord &unit : category.Units) {
        if (unit.Name == typed)
            return unit.Name;
    }
    for (const UnitRecord &unit : category.Units) {
        if (UnitDatabase::SameNameIgnoringCase(unit.Name, typed))
            return unit.Name;
    }
    return aliasesOf(category).UnitNamed(typed);
}

std::string UnitNameLookup::FullName(std::string_view typed) const {
    const std::vector<Match> matches = Find(typed);
    if (matches.empty()) {
        std::vector<std::string> closest;
        for (const CategoryRecord &category : m_database.Categories()) {
            for (const std::string &name : ClosestUnits(typed, aliasesOf(category))) {
                if (closest.size() < 3 && std::find(closest.begin(), closest.end(), name) == closest.end())
                    closest.push_back(name);
            }
        }
        throw CliUsageError(PrintableText::FromCp1252(UnknownUnitMessage(typed, closest)));
    }
    if (!SameUnits(matches)) {
        throw CliUsageError("'" + PrintableText::FromCp1252(typed) + "' is " + Candidates(matches) +
                            ": add -c " + PrintableText::FromCp1252(matches.front().category));
    }
    return matches.front().unit;
}

std::optional<std::string> UnitNameLookup::CategoryReading(std::string_view expression,
                                                           char decimalMark) const {
    struct Reading {
        std::string category;
        std::vector<std::string> units;
    };
    std::vector<Reading> readings;
    for (const CategoryRecord &category : m_database.Categories()) {
        const CategoryKind kind = CategoryKindOf(category.Name);
        if (kind == CategoryKind::Numbers || kind == CategoryKind::Fractions || category.Units.empty())
            continue;
        const std::vector<KnownUnit> known = KnownUnitsLongestFirst(category.Units);
        const EverydayInput read = ReadEverydayInput(expression, known, aliasesOf(category), decimalMark);
        if (read.message.empty() && !read.namedUnits.empty())
            readings.push_back({category.Name, read.namedUnits});
    }
    if (readings.empty())
        return std::nullopt;
    for (const Reading &reading : readings) {
        if (reading.units != readings.front().units) {
            std::vector<Match> candidates;
            for (const Reading &r : readings)
                candidates.push_back({r.category, r.units.front()});
            throw CliUsageError("'" + PrintableText::FromCp1252(expression) + "' reads as " +
                                Candidates(candidates) + ": add -c " +
                                PrintableText::FromCp1252(readings.front().category));
        }
    }
    return readings.front().category;
}

} // namespace mensurio
