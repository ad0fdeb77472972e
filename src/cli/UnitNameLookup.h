// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/UnitDatabase.h"
#include "core/engine/BuiltinAliases.h"
#include "core/engine/UnitAliases.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace mensurio {

/// Finds what a unit name, symbol or other spelling typed on the command line names across the
/// categories of the database, for choosing a category when none is given.
class UnitNameLookup {
  public:
    UnitNameLookup(const UnitDatabase &database, std::span<const BuiltinAliasEntry> builtin);

    struct Match {
        std::string category;
        std::string unit;
    };

    /// The units typed names: full names first (exactly, then ignoring letter case), else
    /// symbols and spellings. Windows-1252 text.
    std::vector<Match> Find(std::string_view typed) const;
    /// The unit of one category that typed names, in the same order of preference; empty if none.
    std::string FindIn(const CategoryRecord &category, std::string_view typed) const;
    /// The full name of the unit typed names, so that choosing the category can go by full names.
    /// Throws CliUsageError when it names no unit (with the closest names) or different units in
    /// different categories (with the candidates).
    std::string FullName(std::string_view typed) const;
    /// The first category, in database order, in which the expression reads with no unknown word
    /// and names at least one unit; throws CliUsageError when such categories read it as
    /// different units. Nothing when no category reads it.
    std::optional<std::string> CategoryReading(std::string_view expression, char decimalMark) const;

  private:
    UnitAliases aliasesOf(const CategoryRecord &category) const;
    std::span<const BuiltinAliasEntry> builtinOf(std::string_view category) const;

    const UnitDatabase &m_database;
    // The built-in aliases of each category, by its name with A..Z folded to lower case.
    std::unordered_map<std::string, std::span<const BuiltinAliasEntry>> m_builtinByCategory;
};

} // namespace mensurio
