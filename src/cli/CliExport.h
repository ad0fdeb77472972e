// SPDX-License-Identifier: MIT
#pragma once

#include "cli/CliOptions.h"

#include <iosfwd>
#include <string>

namespace mensurio {

class UnitDatabase;

/// --export-handheld VALUES.pdb NAMES.pdb [--export-number N]: writes the database as the two
/// files of the handheld program, as the window's export command does.
class CliExport {
  public:
    /// Prints the export number used and returns exit status 0; throws CliUsageError when the
    /// two files are the same or a file cannot be written.
    static int Run(UnitDatabase &database, const CliOptions &options, std::ostream &out);

    /// The export number in an existing values file written by an earlier export; 0 when
    /// there is no such file. The command line keeps no settings, so this stands in for the
    /// number the window remembers.
    static int PreviousExportNumber(const std::string &valuesPath);
};

} // namespace mensurio
