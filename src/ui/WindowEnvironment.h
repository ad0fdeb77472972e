// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace mensurio {

class Prompts;

/// What the conversion window takes from the process: where its files live, how it asks the
/// user, and the first command-line argument. Tests give it a scratch folder and a fake Prompts.
struct WindowEnvironment {
    std::string baseDirectory;    // holds units.dat and units.~da (and default.dat when portable)
    std::string defaultDirectory; // holds default.dat when installed; empty: baseDirectory
    std::string settingsPath;  // the settings file
    Prompts *prompts = nullptr;
    std::string firstArgument;  // "tray" (any letter case) starts in the notification area
    bool trayAvailable = false; // the desktop has a notification area

    /// The running program's environment: files beside the executable (portable) or in the
    /// user's XDG folders (installed), the tray as the desktop reports it.
    static WindowEnvironment ForRunningProgram(Prompts &prompts, const std::string &firstArgument);
};

} // namespace mensurio
