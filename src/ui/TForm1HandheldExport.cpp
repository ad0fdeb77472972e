// SPDX-License-Identifier: MIT
// The handheld export command.
#include "ui/TForm1.h"

#include "ui/HandheldExportCommand.h"

#include <QDir>

namespace mensurio {

void TForm1::SpeedButton125Click() {
    HandheldExportCommand(*m_environment.prompts, m_database, m_settings, QDir::homePath().toStdString())
        .Run();
}

} // namespace mensurio
