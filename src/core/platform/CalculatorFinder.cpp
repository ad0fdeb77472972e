// SPDX-License-Identifier: MIT
#include "core/platform/CalculatorFinder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <utility>

namespace mensurio {

namespace {

std::string ProcessPath() {
    const char *path = std::getenv("PATH");
    return path ? std::string(path) : std::string();
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

CalculatorFinder::CalculatorFinder() : CalculatorFinder(ProcessPath(), &CalculatorFinder::IsExecutableFile) {}

CalculatorFinder::CalculatorFinder(std::string pathVariable, ExecutableTest isExecutable)
    : m_pathVariable(std::move(pathVariable)), m_isExecutable(std::move(isExecutable)) {}

const std::vector<std::string> &CalculatorFinder::DesktopCalculators() {
    static const std::vector<std::string> calculators = {
        "gnome-calculator", "kcalc", "mate-calc", "galculator", "qalculate-qt", "qalculate-gtk", "xcalc"};
    return calculators;
}

std::optional<std::string> CalculatorFinder::FindOnPath(std::string_view program) const {
    if (program.empty() || program.find('/') != std::string_view::npos)
        return std::nullopt;
    std::string_view rest = m_pathVariable;
    while (true) {
        const auto colon = rest.find(':');
        const std::string_view directory = rest.substr(0, colon);
        if (!directory.empty()) {
            std::string candidate(directory);
            if (candidate.back() != '/')
                candidate += '/';
            candidate += program;
            if (m_isExecutable(candidate))
                return candidate;
        }
        if (colon == std::string_view::npos)
            return std::nullopt;
        rest.remove_prefix(colon + 1);
    }
}

std::optional<std::string> CalculatorFinder::DesktopCalculator() const {
    for (const std::string &name : DesktopCalculators()) {
        if (auto path = FindOnPath(name))
            return path;
    }
    return std::nullopt;
}

std::optional<std::string> CalculatorFinder::ProgramToStart(bool useDesktopCalculator,
                                                            std::string_view calcPath) const {
    if (useDesktopCalculator) {
        if (auto path = DesktopCalculator())
            return path;
    }
    if (IsBlank(calcPath))
        return std::nullopt;
    return std::string(calcPath);
}

bool CalculatorFinder::IsExecutableFile(const std::string &path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    return ::access(path.c_str(), X_OK) == 0;
}

} // namespace mensurio
