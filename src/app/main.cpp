// SPDX-License-Identifier: MIT
#include "core/platform/InstanceLock.h"
#include "ui/mainwindow/InstanceChannel.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/WindowEnvironment.h"
#include "ui/shared/MessageBoxPrompts.h"
#include "ui/shared/TerminationSignals.h"

#include <QApplication>
#include <QDeadlineTimer>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr const char *kUsage =
    "Usage: mensurio [tray]\n"
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

// The data folder belongs to one window at a time: a second window would write its own copy of
// units.dat over the changes the first one saved. Returns the folder's lock when this start is to
// open the window. Null when the running window took this start's argument (it then comes to the
// front) or could not be reached (the user is told): this start ends without touching any file.
// A window that is just ending has stopped listening; its lock is free a moment later.
std::unique_ptr<mensurio::InstanceLock> TakeDataFolder(const std::string &folder,
                                                       const mensurio::InstanceChannel &channel,
                                                       const std::string &firstArgument,
                                                       mensurio::Prompts &prompts) {
    const QDeadlineTimer patience(5000);
    for (;;) {
        auto lock = std::make_unique<mensurio::InstanceLock>(folder);
        if (lock->state() != mensurio::InstanceLock::State::HeldByAnother)
            return lock;
        if (channel.Send(QString::fromStdString(firstArgument), 1000))
            return nullptr;
        if (patience.hasExpired())
            break;
    }
    if (QString::fromStdString(firstArgument).compare("tray", Qt::CaseInsensitive) != 0) {
        prompts.Beep();
        prompts.Information("Mensurio is already running with the units database in " + folder +
                            ", and its window could not be brought to the front.");
    }
    return nullptr;
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
    mensurio::WindowEnvironment environment =
        mensurio::WindowEnvironment::ForRunningProgram(prompts, firstArgument);
    mensurio::InstanceChannel channel(mensurio::InstanceLock::ChannelName(environment.baseDirectory));
    // Held until the window has written its files at the end of the run.
    const auto lock = TakeDataFolder(environment.baseDirectory, channel, firstArgument, prompts);
    if (!lock)
        return 0;
    if (lock->state() == mensurio::InstanceLock::State::Owned)
        channel.Listen(); // before the window loads, so that a start meanwhile is heard once it has
    mensurio::MainWindow window(std::move(environment));
    if (!window.startedOk())
        return 0; // neither database could be read: end at once, writing nothing
    channel.SetHandler([&window](const QString &argument) {
        if (argument.compare("tray", Qt::CaseInsensitive) != 0)
            window.BringToFront(); // a start at log-in while the program runs changes nothing
    });
    prompts.SetParent(&window);
    if (!window.startsHidden())
        window.show();
    // Ended by the session or a signal: close and save as the Exit command does.
    mensurio::TerminationSignals termination([&window] {
        window.close();
        QApplication::quit();
    });
    const int status = QApplication::exec();
    channel.Close();            // a start from now on waits for the lock instead of calling an ending window
    prompts.SetParent(nullptr); // the exit prompts come while the window is being destroyed
    return status;
}
