// SPDX-License-Identifier: MIT
#pragma once

#include "cli/CliOptions.h"
#include "cli/CliRates.h"
#include "core/db/UnitDatabase.h"
#include "core/engine/Separators.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace mensurio {

struct FileLocations;
class CliQuantity;
class UnitNameLookup;

/// Runs one mensurio-cli invocation: exit status 0 for a result, 1 when the engine answered
/// with a message, 2 for a usage error or an unreadable database.
class CliApp {
  public:
    /// separators: the locale's decimal and thousands separators for shown numbers.
    CliApp(std::ostream &out, std::ostream &err, NumberSeparators separators)
        : m_out(out), m_err(err), m_separators(separators), m_rates(err) {}
    int Run(const std::vector<std::string> &args);

  private:
    bool loadDatabase(const std::string &explicitPath);
    void takeInShippedData(const FileLocations &locations);
    int runAction();
    int listCategories();
    int listUnits(const std::string &category);
    int convert();
    std::optional<std::string> inferCategory(const UnitNameLookup &lookup, const std::string &expression);
    int convertInferred(const std::string &category, const std::string &expression,
                        const CliQuantity &acrossCategories);

    std::ostream &m_out;
    std::ostream &m_err;
    NumberSeparators m_separators;
    UnitDatabase m_db;
    CliOptions m_options;
    CliRates m_rates;
};

} // namespace mensurio
