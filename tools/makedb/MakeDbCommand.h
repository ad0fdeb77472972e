// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace mensurio {

/// The generator's command line: reads the data files, compiles them and writes the
/// database file (or the Markdown summary, or the C++ table of symbols and spellings, or
/// the C++ table of dimensions); messages go to err.
class MakeDbCommand {
  public:
    /// Returns the process exit code: 0 on success, 1 on a data fault, 2 on a usage error.
    static int Run(const std::vector<std::string> &args, std::ostream &err);

    /// Writes bytes to path through a temporary file beside it, so that a failed run
    /// never leaves a partial output. Throws std::runtime_error.
    static void WriteFileAtomically(const std::string &path, const std::string &bytes);
};

} // namespace mensurio
