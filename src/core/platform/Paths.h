// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

namespace mensurio {

/// Where one run of the program keeps its files.
struct FileLocations {
    std::string userDirectory;    // units.dat and units.~da, written at exit
    std::string defaultDirectory; // default.dat, only read
    std::string settingsPath;     // the settings file
    bool installed = false;       // true: the user's files live in the XDG folders
};

/// Where the program's files live: the executable's directory and the settings path.
class Paths {
  public:
    /// Full path of the running executable (from /proc/self/exe).
    static std::string ExecutablePath();
    static std::string ExecutableDirectory();
    /// The settings file for an executable: its path with the extension removed plus
    /// ".ini", or the path plus ".ini" when it has none; only the file name is lower-cased.
    static std::string SettingsPathFor(const std::string &executablePath);

    using GetEnv = std::function<const char *(const char *)>;
    /// Decides every file location for an executable. Portable mode (all files beside the
    /// executable) while its folder is writable and holds default.dat, or when there is no
    /// installed data folder and the folder is writable. Otherwise installed mode: default.dat
    /// from beside the executable when it is there, else from <prefix>/share/mensurio; units.dat
    /// in $XDG_DATA_HOME/mensurio and the settings file in $XDG_CONFIG_HOME/mensurio (with the
    /// XDG defaults under $HOME).
    static FileLocations Locate(const std::string &executablePath, const GetEnv &getEnv);
    static FileLocations Locate(const std::string &executablePath);
    /// The installed data folder of an executable in <prefix>/bin: <prefix>/share/mensurio.
    static std::string InstalledDataDirectory(const std::string &executablePath);
    /// In installed mode, creates the user's folders and gives the user a units.dat copied
    /// from default.dat when there is none yet. Returns false when a folder cannot be made;
    /// `problem` then says which one and why, for the user (empty on success).
    static bool PrepareUserFiles(const FileLocations &locations, std::string *problem = nullptr);
    /// Creates a folder and those above it that are missing, private to the user (0700). On
    /// failure `problem` says which folder could not be made and why.
    static bool MakeFolder(const std::string &dir, std::string &problem);
};

} // namespace mensurio
