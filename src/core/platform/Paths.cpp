// SPDX-License-Identifier: MIT
#include "core/platform/Paths.h"

#include "core/platform/FileOps.h"

#include <climits>
#include <unistd.h>

namespace mensurio {

std::string Paths::ExecutablePath()
{
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return {};
    return std::string(buffer, static_cast<std::size_t>(n));
}

std::string Paths::ExecutableDirectory() { return FileOps::DirectoryOf(ExecutablePath()); }

std::string Paths::SettingsPathFor(const std::string& executablePath)
{
    const auto slash = executablePath.find_last_of('/');
    const std::string dir = slash == std::string::npos ? std::string() : executablePath.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? executablePath : executablePath.substr(slash + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    for (char& c : name)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    return dir + name + ".ini";
}

} // namespace mensurio
