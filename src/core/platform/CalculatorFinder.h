// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

/// Decides which program the Calculator command starts: the desktop's own calculator, found on
/// the search path, or the program the user named in the preferences.
class CalculatorFinder {
  public:
    using ExecutableTest = std::function<bool(const std::string &path)>;

    /// Searches the process's PATH and tests files on disk.
    CalculatorFinder();
    /// Searches the given PATH value with the given test (tests use a fake file system).
    CalculatorFinder(std::string pathVariable, ExecutableTest isExecutable);

    /// The desktop calculators looked for, in order of preference.
    static const std::vector<std::string> &DesktopCalculators();

    /// The full path of the first executable file named `program` in the PATH directories.
    /// Empty entries of PATH (the current directory) are not searched.
    std::optional<std::string> FindOnPath(std::string_view program) const;

    /// The first installed desktop calculator.
    std::optional<std::string> DesktopCalculator() const;

    /// The program to start. With useDesktopCalculator (GeCaDefa) the first installed desktop
    /// calculator, or calcPath when none is installed; otherwise calcPath. No program when
    /// the choice comes to an empty calcPath.
    std::optional<std::string> ProgramToStart(bool useDesktopCalculator, std::string_view calcPath) const;

    /// A regular file the user may execute.
    static bool IsExecutableFile(const std::string &path);

  private:
    std::string m_pathVariable;
    ExecutableTest m_isExecutable;
};

} // namespace mensurio
