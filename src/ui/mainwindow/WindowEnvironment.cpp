// SPDX-License-Identifier: MIT
#include "ui/mainwindow/WindowEnvironment.h"

#include "core/platform/Paths.h"

#include <QSystemTrayIcon>

namespace mensurio {

WindowEnvironment WindowEnvironment::ForRunningProgram(Prompts &prompts, const std::string &firstArgument) {
    WindowEnvironment environment;
    const FileLocations locations = Paths::Locate(Paths::ExecutablePath());
    // The user is told at the start; the files then show as missing or unwritable.
    Paths::PrepareUserFiles(locations, &environment.preparationProblem);
    environment.baseDirectory = locations.userDirectory;
    environment.defaultDirectory = locations.defaultDirectory;
    environment.settingsPath = locations.settingsPath;
    environment.prompts = &prompts;
    environment.firstArgument = firstArgument;
    environment.trayAvailable = QSystemTrayIcon::isSystemTrayAvailable();
    environment.trayPresent = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    environment.firstStartMemories = ShippedFirstStartMemories();
    return environment;
}

} // namespace mensurio
