// SPDX-License-Identifier: MIT
#pragma once

#include "core/settings/FirstStartMemory.h"

#include <functional>
#include <string>
#include <vector>

namespace mensurio {

class Prompts;

/// What the conversion window takes from the process: where its files live, how it asks the
/// user, and the first command-line argument. Tests give it a scratch folder and a fake Prompts.
struct WindowEnvironment {
    std::string baseDirectory;      // holds units.dat and units.~da (and default.dat when portable)
    std::string defaultDirectory;   // holds default.dat when installed; empty: baseDirectory
    std::string settingsPath;       // the settings file
    std::string preparationProblem; // why the user's folders could not be made; empty: they were
    Prompts *prompts = nullptr;
    std::string firstArgument;  // "tray" (any letter case) starts in the notification area
    bool trayAvailable = false; // the desktop has a notification area
    /// Asked again at every minimise, since a notification area may come or go while the
    /// program runs (a panel started after it, or closed); unset: trayAvailable.
    std::function<bool()> trayPresent;
    /// The units a category without a memory starts with; the running program ships a table.
    std::vector<FirstStartUnits> firstStartMemories;

    /// The running program's environment: files beside the executable (portable) or in the
    /// user's XDG folders (installed), the tray as the desktop reports it.
    static WindowEnvironment ForRunningProgram(Prompts &prompts, const std::string &firstArgument);
};

} // namespace mensurio
