// SPDX-License-Identifier: MIT
// The handheld export command.
#include "ui/mainwindow/MainWindow.h"

#include "ui/mainwindow/HandheldExportCommand.h"

#include <QDir>

namespace mensurio {

void MainWindow::exportForHandheld() {
    HandheldExportCommand(*m_environment.prompts, m_database, m_settings, QDir::homePath().toStdString())
        .Run();
}

} // namespace mensurio
