// SPDX-License-Identifier: MIT
#pragma once

#include "cli/CliOptions.h"
#include "core/db/UnitDatabase.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace mensurio {

/// Runs one mensurio-cli invocation: exit status 0 for a result, 1 when the engine answered
/// with a message, 2 for a usage error or an unreadable database.
class CliApp {
public:
    CliApp(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}
    int Run(const std::vector<std::string>& args);

private:
    bool loadDatabase(const std::string& explicitPath);
    int listCategories();
    int listUnits(const std::string& category);

    std::ostream& m_out;
    std::ostream& m_err;
    UnitDatabase m_db;
    CliOptions m_options;
};

} // namespace mensurio
