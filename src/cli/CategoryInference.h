// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/UnitDatabase.h"
#include "core/db/UnitRecord.h"
#include "core/engine/UnitListing.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

/// Finds the category a command line means and the list rows its unit names stand for. Names
/// are Windows-1252; a name matches exactly first, else ignoring the case of A to Z.
class CategoryInference {
  public:
    /// The database's spelling of a category name, or nothing when no category has it.
    static std::optional<std::string> ResolveCategory(const UnitDatabase &database, std::string_view name);

    /// The row of a unit name among a category's listed rows, or -1.
    static int ResolveUnit(const std::vector<UnitRecord> &rows, std::string_view name);

    /// Whether the typed text reads as a value without units: empty, a number (also one too
    /// large) or an arithmetic expression, commas counting as decimal points.
    static bool IsPlainValue(std::string_view expression);

    /// The only category whose listed units hold every named unit and, when the expression
    /// names units, the one whose unit names cover the most of the expression (the first in
    /// database order of equals); the expression is not parsed here. Nothing when neither the
    /// names nor the expression name a unit. Throws CliUsageError when no category fits.
    static std::optional<std::string> Infer(const UnitDatabase &database, UnitListOptions options,
                                            std::string_view expression,
                                            const std::vector<std::string> &unitNames);
};

} // namespace mensurio
