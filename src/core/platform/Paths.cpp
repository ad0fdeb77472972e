// SPDX-License-Identifier: MIT
#include "core/platform/Paths.h"

#include "core/platform/FileOps.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace mensurio {

namespace {
constexpr const char *DefaultDatabaseFile = "default.dat";
constexpr const char *UnitsDatabaseFile = "units.dat";
} // namespace

std::string Paths::ExecutablePath() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return {};
    return std::string(buffer, static_cast<std::size_t>(n));
}

std::string Paths::ExecutableDirectory() {
    return FileOps::DirectoryOf(ExecutablePath());
}

std::string Paths::SettingsPathFor(const std::string &executablePath) {
    const auto slash = executablePath.find_last_of('/');
    const std::string dir = slash == std::string::npos ? std::string() : executablePath.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? executablePath : executablePath.substr(slash + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    for (char &c : name)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    return dir + name + ".ini";
}

std::string Paths::InstalledDataDirectory(const std::string &executablePath) {
    const std::string binDir = FileOps::DirectoryOf(executablePath);
    return FileOps::Join(FileOps::DirectoryOf(binDir), "share/mensurio");
}

namespace {

// The user's home folder from the local password file. The name service (getpwuid) is not used:
// mensurio-cli is linked statically, where it would need glibc's shared modules at run time.
std::string HomeFromPasswordFile(uid_t uid) {
    std::string text;
    try {
        text = FileOps::ReadAll("/etc/passwd");
    } catch (const std::exception &) {
        return {};
    }
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        // name:password:uid:gid:comment:home:shell
        std::string fields[7];
        std::size_t field = 0;
        for (std::size_t i = start; i < end && field < 7; ++i) {
            if (text[i] == ':')
                ++field;
            else
                fields[field] += text[i];
        }
        if (field >= 5 && fields[2] == std::to_string(uid) && !fields[5].empty() && fields[5][0] == '/')
            return fields[5];
        start = end + 1;
    }
    return {};
}

// An XDG base folder: the variable when it holds an absolute path, else $HOME + fallback.
std::string XdgFolder(const Paths::GetEnv &getEnv, const char *variable, const char *fallback) {
    const char *value = getEnv(variable);
    if (value && value[0] == '/')
        return value;
    std::string home;
    if (const char *h = getEnv("HOME"); h && h[0] == '/')
        home = h;
    else
        home = HomeFromPasswordFile(::getuid());
    return FileOps::Join(home.empty() ? std::string("/tmp") : home, fallback);
}

bool IsWritableDirectory(const std::string &dir) {
    return !dir.empty() && ::access(dir.c_str(), W_OK) == 0;
}

// mkdir -p, with the new folders private to the user (0700 as the XDG folders want).
// On failure `problem` says which folder could not be made and the system's reason.
bool MakeDirectories(const std::string &dir, std::string &problem) {
    std::string path;
    std::size_t start = 0;
    int error = 0;
    while (start <= dir.size() && error == 0) {
        std::size_t slash = dir.find('/', start);
        if (slash == std::string::npos)
            slash = dir.size();
        path = dir.substr(0, slash);
        if (!path.empty() && ::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
            error = errno;
        start = slash + 1;
    }
    struct stat info {};
    if (error == 0 && ::stat(dir.c_str(), &info) != 0)
        error = errno;
    else if (error == 0 && !S_ISDIR(info.st_mode))
        error = ENOTDIR;
    if (error != 0)
        problem =
            "Can not create the folder " + (path.empty() ? dir : path) + ": " + std::strerror(error) + ".";
    return error == 0;
}

} // namespace

FileLocations Paths::Locate(const std::string &executablePath, const GetEnv &getEnv) {
    const std::string exeDir = FileOps::DirectoryOf(executablePath);
    const std::string shareDir = InstalledDataDirectory(executablePath);
    const bool writable = IsWritableDirectory(exeDir);
    const bool shippedBeside = FileOps::Exists(FileOps::Join(exeDir, DefaultDatabaseFile));
    const bool portable =
        writable && (shippedBeside || !FileOps::Exists(FileOps::Join(shareDir, DefaultDatabaseFile)));
    FileLocations locations;
    if (portable) {
        locations.userDirectory = exeDir;
        locations.defaultDirectory = exeDir;
        locations.settingsPath = SettingsPathFor(executablePath);
        return locations;
    }
    locations.installed = true;
    locations.userDirectory = FileOps::Join(XdgFolder(getEnv, "XDG_DATA_HOME", ".local/share"), "mensurio");
    // A copy unpacked into a folder the user cannot write (under /opt, or on read-only media)
    // reads the database shipped beside it and keeps the user's files in the user's folders.
    locations.defaultDirectory = shippedBeside ? exeDir : shareDir;
    const std::string settingsFile = SettingsPathFor(executablePath);
    const std::string settingsName = settingsFile.substr(settingsFile.find_last_of('/') + 1);
    locations.settingsPath = FileOps::Join(
        FileOps::Join(XdgFolder(getEnv, "XDG_CONFIG_HOME", ".config"), "mensurio"), settingsName);
    return locations;
}

FileLocations Paths::Locate(const std::string &executablePath) {
    return Locate(executablePath, [](const char *name) -> const char * { return std::getenv(name); });
}

bool Paths::MakeFolder(const std::string &dir, std::string &problem) {
    return MakeDirectories(dir, problem);
}

bool Paths::PrepareUserFiles(const FileLocations &locations, std::string *problem) {
    if (!locations.installed)
        return true;
    std::string text;
    const bool folders = MakeDirectories(locations.userDirectory, text) &&
                         MakeDirectories(FileOps::DirectoryOf(locations.settingsPath), text);
    if (problem != nullptr)
        *problem = text;
    if (!folders)
        return false;
    const std::string units = FileOps::Join(locations.userDirectory, UnitsDatabaseFile);
    if (!FileOps::Exists(units))
        FileOps::CopyIfAbsent(FileOps::Join(locations.defaultDirectory, DefaultDatabaseFile), units);
    return true;
}

} // namespace mensurio
