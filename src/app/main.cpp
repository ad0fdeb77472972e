// SPDX-License-Identifier: MIT
#include "ui/MessageBoxPrompts.h"
#include "ui/TForm1.h"
#include "ui/TerminationSignals.h"
#include "ui/WindowEnvironment.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Mensurio");
    QGuiApplication::setDesktopFileName("org.mensurio.Mensurio");
    mensurio::MessageBoxPrompts prompts;
    const std::string firstArgument = argc > 1 ? argv[1] : "";
    mensurio::TForm1 window(mensurio::WindowEnvironment::ForRunningProgram(prompts, firstArgument));
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
