// SPDX-License-Identifier: MIT
#pragma once

#include "cli/CliOptions.h"
#include "core/db/UnitDatabase.h"
#include "core/engine/Separators.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace mensurio {

/// Conversions of quantities whose units come from several categories ("60 kWh/100 km" to
/// "Wh/mile"), for the command line.
class CliQuantity {
  public:
    CliQuantity(const UnitDatabase &database, const CliOptions &options, NumberSeparators separators,
                std::ostream &out);

    /// Converts the expression (Windows-1252) to the --to target, or without one into the SI
    /// unit of the category of its dimension, naming the category. Nothing when the expression
    /// is no such quantity, so that the single-category reading and its messages stand.
    std::optional<int> TryRun(const std::string &expression) const;

    /// Whether the expression reads with the units of the category alone.
    static bool ReadsIn(const UnitDatabase &database, const std::string &category,
                        const std::string &expression, char decimalMark);

  private:
    const UnitDatabase &m_database;
    const CliOptions &m_options;
    NumberSeparators m_separators;
    std::ostream &m_out;
};

} // namespace mensurio
