// SPDX-License-Identifier: MIT
// mensurio-table: the PDF writer that mensurio-cli runs for `--table`.
#include "tablecli/TableCommand.h"

#include <QGuiApplication>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

// Qt's notices (such as a missing runtime folder) are no concern of the command's user; only
// real failures reach standard error.
void QuietMessages(QtMsgType type, const QMessageLogContext &, const QString &message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "mensurio-cli: " << message.toStdString() << "\n";
}

} // namespace

int main(int argc, char *argv[]) {
    // The table is drawn off screen: no display is needed or used.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::vector<std::string> args(argv + 1, argv + argc);
    qInstallMessageHandler(QuietMessages);
    QGuiApplication application(argc, argv);
    return mensurio::TableCommand(std::cerr).Run(args);
}
