// SPDX-License-Identifier: MIT
#pragma once

#include "cli/CliOptions.h"
#include "core/db/UnitDatabase.h"
#include "core/engine/ConversionResult.h"
#include "core/engine/Engine.h"
#include "core/engine/ListSelection.h"
#include "core/engine/Separators.h"
#include "core/settings/ProgramSettings.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace mensurio {

class CliRates;
class Engine;

/// One conversion of the command line: the request the window would build for the same
/// category, input unit and output units, run through the engine; prints the output field's
/// text (or, with --all, every unit's result) and returns the exit status.
class CliConversion {
  public:
    CliConversion(UnitDatabase &database, const CliOptions &options, NumberSeparators separators,
                  std::ostream &out);

    /// The exchange rates a conversion in Currency names and refuses with; none: not named.
    CliConversion &WithRates(const CliRates *rates) {
        m_rates = rates;
        return *this;
    }

    /// Converts in the given category (its database spelling). Throws CliUsageError.
    int Run(const std::string &category);
    /// The same with an engine that has loaded that category's units under these options
    /// already, so that many conversions in one category load it once.
    int RunLoaded(Engine &engine, const std::string &category);

    /// The settings a command line converts under: the program's defaults with the choices
    /// made by --format, --places, --style, --all and the pressure options.
    static ProgramSettings SettingsOf(const CliOptions &options);

  private:
    ListSelection selectionOf(const Engine &engine, const std::vector<std::string> &names,
                              const std::string &category) const;
    void checkFractionsUnits(const std::string &category) const;
    std::optional<ListSelection> unitTypedWithTheValue(const Engine &engine, const std::string &typed) const;
    int printOutputField(const std::string &category, const ConversionResult &result);
    int printAllResults(const std::vector<UnitRecord> &rows, const ConversionResult &result);

    UnitDatabase &m_database;
    const CliOptions &m_options;
    NumberSeparators m_separators;
    std::ostream &m_out;
    const CliRates *m_rates = nullptr;
};

} // namespace mensurio
