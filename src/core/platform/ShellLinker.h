// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mensurio {

/// What a start-up link holds: the program it starts and how.
struct ShellLinkProperties {
    std::string target;                 // the program's full path
    std::vector<std::string> arguments; // e.g. {"tray"}
    std::string workingDirectory;
    std::string description;
    std::string icon; // an icon theme name or an image path

    bool operator==(const ShellLinkProperties &) const = default;
};

/// Start-up links on the freedesktop.org desktop: an autostart desktop entry, written
/// atomically and read back by parsing it.
class ShellLinker {
  public:
    /// The autostart folder: $XDG_CONFIG_HOME/autostart, where XDG_CONFIG_HOME defaults to
    /// $HOME/.config (a relative XDG_CONFIG_HOME is ignored); empty when neither is set.
    static std::string StartupFolderPath();

    /// Writes the desktop entry `linkFile` (through a temporary file renamed over it),
    /// creating its folder (mode 0700) when missing. False when the link cannot be written or
    /// cannot be expressed (text that is not printable UTF-8, an empty target).
    static bool CreateShellLink(const std::string &linkFile, const ShellLinkProperties &link);

    /// The properties of an existing desktop entry; nothing when it cannot be read, is not an
    /// application entry, or its Exec line is malformed.
    static std::optional<ShellLinkProperties> ReadShellLink(const std::string &linkFile);

    /// True when the entry says it is switched off (Hidden=true, or the GNOME autostart key set
    /// to false), which the desktop's session settings write to disable an autostart entry.
    static bool IsSwitchedOff(const std::string &linkFile);

    /// The text CreateShellLink writes.
    static std::string EntryText(const ShellLinkProperties &link);
};

} // namespace mensurio
