// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

namespace mensurio {

/// Exit statuses of mensurio-cli.
inline constexpr int kExitResult = 0;  // a result was printed
inline constexpr int kExitMessage = 1; // the engine answered with a message (printed to standard output)
inline constexpr int kExitUsage = 2;   // a usage error or an unreadable database (standard error)

/// A command line that cannot be carried out; its text goes to standard error with exit status 2.
class CliUsageError : public std::runtime_error {
  public:
    explicit CliUsageError(const std::string &message) : std::runtime_error(message) {}
};

} // namespace mensurio
