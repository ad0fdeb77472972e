// SPDX-License-Identifier: MIT
#include "ui/WindowEnvironment.h"

#include "core/platform/Paths.h"

#include <QSystemTrayIcon>

namespace mensurio {

WindowEnvironment WindowEnvironment::ForRunningProgram(Prompts &prompts, const std::string &firstArgument) {
    WindowEnvironment environment;
    const FileLocations locations = Paths::Locate(Paths::ExecutablePath());
    Paths::PrepareUserFiles(locations); // a failure shows later as an unreadable or unwritable file
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
