// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

namespace mensurio {

/// A fault in the units data source, reported as "file:line: message".
class SourceError : public std::runtime_error {
  public:
    SourceError(const std::string &file, int line, const std::string &message)
        : std::runtime_error(file + ":" + std::to_string(line) + ": " + message), m_file(file), m_line(line) {
    }

    const std::string &File() const { return m_file; }
    int Line() const { return m_line; }

  private:
    std::string m_file;
    int m_line = 0;
};

} // namespace mensurio
