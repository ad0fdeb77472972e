// SPDX-License-Identifier: MIT
#pragma once

#include "tools/makedb/CompiledCategory.h"
#include "tools/makedb/DataSource.h"

#include <string>
#include <vector>

namespace mensurio {

/// The symbols and other spellings of one category's units: fields 5 and 6 of the data
/// source, checked against each other and against the unit names, and completed with the
/// spellings generated from the names.
class UnitAliases {
  public:
    /// The spellings generated from a unit name (Windows-1252), in order, before collisions
    /// are dropped, each with its level: 0 for the British forms and the plural of the whole
    /// name, n for the forms of the name without its last n parenthesised endings
    /// ("kilowatt hour (kWh)" gives "kilowatt hours" at level 1).
    struct Generated {
        std::string Spelling;
        int Level = 0;
    };
    static std::vector<Generated> GeneratedSpellings(const std::string &name);

    /// The regular plural of a name (the last word before " (", "/", " of " or the end), or "" when
    /// that word gets none: it ends in s, x or z, or in no lower-case letter, starts with a
    /// capital letter, holds a digit, or is "foot".
    static std::string Plural(const std::string &name);

    /// Fills Symbols, DisplaySymbol and Spellings of category's units, which were compiled
    /// from source in the same order. Throws SourceError on a fault.
    static void Compile(const SourceCategory &source, CompiledCategory &category);
};

} // namespace mensurio
