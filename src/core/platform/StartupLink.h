// SPDX-License-Identifier: MIT
#pragma once

#include "core/platform/ShellLinker.h"

#include <string>
#include <vector>

namespace mensurio {

class Prompts;

/// The program's own start-up link: the autostart entry that starts it in the notification
/// area at log-in. Finds it, judges it and brings it in line with the user's choice.
class StartupLink {
  public:
    static constexpr char kFileName[] = "Mensurio.desktop";
    static constexpr char kDescription[] = "Mensurio StartUp Link";
    static constexpr char kArgument[] = "tray";
    static constexpr char kIcon[] = "org.mensurio.Mensurio"; // the installed icon theme name
    static constexpr char kCannotDelete[] = "Could not delete StartUp link.";
    static constexpr char kCannotCreate[] = "Could not create link.";

    /// The link of the given executable in the given autostart folder (tests use scratch ones).
    StartupLink(std::string startupFolder, std::string executablePath);
    /// The running program's link in the user's autostart folder.
    static StartupLink ForRunningProgram();

    /// The path a new link is written to; empty when there is no autostart folder.
    std::string LinkFile() const;
    /// The link files present, names compared without regard to letter case, the exact name
    /// first.
    std::vector<std::string> ExistingLinkFiles() const;
    bool Exists() const { return !ExistingLinkFiles().empty(); }
    /// A link exists, reads back, starts this executable with "tray" as WantedLink() does (names
    /// compared without regard to letter case) and is not switched off.
    bool IsCorrect() const;
    /// The link this program writes: the executable with "tray"; for a path holding '%', which
    /// desktops do not find as a program, "/bin/sh -c 'exec "$0" "$@"'" with the path and "tray".
    ShellLinkProperties WantedLink() const;

    /// Keeps a correct link or replaces a wrong one when `runOnStartUp`, else deletes it;
    /// failures are warned about through `prompts` and end nothing else.
    void BringInLine(bool runOnStartUp, Prompts &prompts) const;

  private:
    bool DeleteAll(Prompts &prompts) const;

    std::string m_folder;
    std::string m_executable;
};

} // namespace mensurio
