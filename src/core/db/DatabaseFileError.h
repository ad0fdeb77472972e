// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

namespace mensurio {

/// Error of reading or writing the units database file; carries a short internal text
/// that is never shown to the user.
class DatabaseFileError : public std::runtime_error {
  public:
    explicit DatabaseFileError(const std::string &text) : std::runtime_error(text) {}

    static constexpr const char *ShortRead = "precteno malo bytu";
    static constexpr const char *CountMismatch = "pocutadla nesouhlasi";
    static constexpr const char *ShortWrite = "malo zapsano";
};

} // namespace mensurio
