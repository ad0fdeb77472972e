// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace mensurio {

/// `mensurio-cli --table ...`: hands the whole command line to mensurio-table beside the
/// executable, which draws the PDF with Qt, so that mensurio-cli itself never loads Qt.
class CliTable {
  public:
    static constexpr const char *Program = "mensurio-table";

    /// Replaces this process with mensurio-table; returns (exit status 2, message on `err`)
    /// only when that program cannot be started.
    static int Run(const std::vector<std::string> &args, std::ostream &err);
};

} // namespace mensurio
