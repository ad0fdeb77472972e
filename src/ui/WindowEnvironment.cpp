// SPDX-License-Identifier: MIT
#include "ui/WindowEnvironment.h"

#include "core/platform/Paths.h"

#include <QSystemTrayIcon>

namespace mensurio {

WindowEnvironment WindowEnvironment::ForRunningProgram(Prompts &prompts, const std::string &firstArgument) {
    WindowEnvironment environment;
    environment.baseDirectory = Paths::ExecutableDirectory();
    environment.settingsPath = Paths::SettingsPathFor(Paths::ExecutablePath());
    environment.prompts = &prompts;
    environment.firstArgument = firstArgument;
    environment.trayAvailable = QSystemTrayIcon::isSystemTrayAvailable();
    return environment;
}

} // namespace mensurio
