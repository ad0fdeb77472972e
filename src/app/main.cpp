// SPDX-License-Identifier: MIT
#include "ui/shared/MessageBoxPrompts.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/shared/TerminationSignals.h"
#include "ui/mainwindow/WindowEnvironment.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char *kUsage = "Usage: mensurio [tray]\n"
                               "Converts units while you type, in a window.\n"
                               "\n"
                               "  tray       start with only the notification-area icon shown\n"
                               "  --help     print this summary and exit\n"
                               "  --version  print the version and exit\n"
                               "\n"
                               "mensurio-cli converts on the command line; see mensurio(1) and mensurio-cli(1).\n";

// --help and --version are answered before Qt is started, so that a script asking for them
// neither needs a display nor waits for the window system.
bool AnswersInformationOption(int argc, char *argv[]) {
    if (argc < 2)
        return false;
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)
        std::fputs(kUsage, stdout);
    else if (std::strcmp(argv[1], "--version") == 0)
        std::fputs("mensurio " MENSURIO_VERSION "\n", stdout);
    else
        return false;
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    if (AnswersInformationOption(argc, argv))
        return std::fflush(stdout) == 0 ? 0 : 1;
    QApplication app(argc, argv);
    QApplication::setApplicationName("Mensurio");
    QGuiApplication::setDesktopFileName("org.mensurio.Mensurio");
    mensurio::MessageBoxPrompts prompts;
    const std::string firstArgument = argc > 1 ? argv[1] : "";
    mensurio::MainWindow window(mensurio::WindowEnvironment::ForRunningProgram(prompts, firstArgument));
    if (!window.startedOk())
        return 0; // neither database could be read: end at once, writing nothing
    prompts.SetParent(&window);
    if (!window.startsHidden())
        window.show();
    // Ended by the session or a signal: close and save as the Exit command does.
    mensurio::TerminationSignals termination([&window] {
        window.close();
        QApplication::quit();
    });
    const int status = QApplication::exec();
    prompts.SetParent(nullptr); // the exit prompts come while the window is being destroyed
    return status;
}
