// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace mensurio {

/// Where the program's files live: the executable's directory and the settings path.
class Paths {
public:
    /// Full path of the running executable (from /proc/self/exe).
    static std::string ExecutablePath();
    static std::string ExecutableDirectory();
    /// The settings file for an executable: its path with the extension removed plus
    /// ".ini", or the path plus ".ini" when it has none; only the file name is lower-cased.
    static std::string SettingsPathFor(const std::string& executablePath);
};

} // namespace mensurio
