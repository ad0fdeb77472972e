// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace mensurio {

/// The `--table` command of mensurio-cli, run by its own program so that conversions never
/// load Qt: reads the request, checks it against the units database and writes the PDF file.
/// Exit status 0 when the file was written, 2 with a message on `err` when nothing was written.
class TableCommand {
  public:
    explicit TableCommand(std::ostream &err) : m_err(err) {}
    int Run(const std::vector<std::string> &args);

  private:
    std::ostream &m_err;
};

} // namespace mensurio
