// SPDX-License-Identifier: MIT
// Times the start of the conversion window on a folder's units.dat and default.dat: from
// before the window is created (the database load, the data update) until its first paint
// has been done, and then, optionally, the close with its save. Prints one line of
// milliseconds per step. Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
//
// Usage: bench-window-startup FOLDER [--menu] [--close]
//   FOLDER holds units.dat and default.dat; the settings file is FOLDER/mensurio.ini. --menu
//   then opens the category menu, which makes its items at its first opening, and times it to
//   its first paint. Without --close the window is not closed and nothing is written, so the
//   same folder can be timed again; with it the exit save writes FOLDER's units.dat and
//   settings as the program would.
#include "core/platform/Prompts.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/WindowEnvironment.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Answers every question with No or Cancel and prints what would have been shown, so that a
// message box the start would show is seen in the output instead of waited for.
class PrintedPrompts : public mensurio::Prompts {
  public:
    void Beep() override {}
    void Error(const std::string &text) override { std::fprintf(stderr, "error: %s\n", text.c_str()); }
    void Information(const std::string &text) override {
        std::fprintf(stderr, "information: %s\n", text.c_str());
    }
    void Warning(const std::string &text) override { std::fprintf(stderr, "warning: %s\n", text.c_str()); }
    bool Confirm(const std::string &text) override {
        std::fprintf(stderr, "confirm (no): %s\n", text.c_str());
        return false;
    }
    bool RetryCancel(const std::string &text, const std::string &) override {
        std::fprintf(stderr, "retry/cancel (cancel): %s\n", text.c_str());
        return false;
    }
    std::string SaveFileName(const std::string &, const std::string &, const std::string &,
                             const std::string &) override {
        return {};
    }
    std::string OpenFileName(const std::string &, const std::string &, const std::string &) override {
        return {};
    }
};

// Ends the event loop once the watched widget's first paint has been done.
class FirstPaint : public QObject {
  public:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QApplication::postEvent(watched, new QEvent(QEvent::User)); // after this paint ends
        } else if (event->type() == QEvent::User && m_painted && !m_done) {
            m_done = true;
            QApplication::quit();
        }
        return false;
    }

  private:
    bool m_painted = false;
    bool m_done = false;
};

// Opens the category menu and returns the milliseconds to its first paint.
double OpenCategoryMenu(QWidget &window) {
    auto *menu = window.findChild<QMenu *>("categoryPopup");
    if (menu == nullptr)
        return -1;
    const Clock::time_point start = Clock::now();
    FirstPaint painted;
    menu->installEventFilter(&painted);
    menu->popup(window.mapToGlobal(QPoint(0, 0)));
    QApplication::exec();
    const double elapsed = MillisecondsSince(start);
    menu->removeEventFilter(&painted);
    menu->close();
    return elapsed;
}

} // namespace

int main(int argc, char *argv[]) {
    const Clock::time_point start = Clock::now();
    bool openMenu = false;
    bool closeAfter = false;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--menu") == 0) {
            openMenu = true;
        } else if (std::strcmp(argv[i], "--close") == 0) {
            closeAfter = true;
        } else {
            argc = 0;
            break;
        }
    }
    if (argc < 2) {
        std::fputs("usage: bench-window-startup FOLDER [--menu] [--close]\n", stderr);
        return 2;
    }
    const std::string folder = argv[1];
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double applicationReady = MillisecondsSince(start);

    PrintedPrompts prompts;
    mensurio::WindowEnvironment environment;
    environment.baseDirectory = folder;
    environment.settingsPath = folder + "/mensurio.ini";
    environment.prompts = &prompts;
    environment.firstStartMemories = mensurio::ShippedFirstStartMemories();
    auto *window = new mensurio::MainWindow(environment);
    const double created = MillisecondsSince(start);
    if (!window->startedOk()) {
        std::fputs("bench-window-startup: the window did not start\n", stderr);
        return 1;
    }
    FirstPaint firstPaint;
    window->installEventFilter(&firstPaint);
    window->show();
    const double shown = MillisecondsSince(start);
    QApplication::exec();
    const double painted = MillisecondsSince(start);
    window->removeEventFilter(&firstPaint);
    std::printf("application %.0f ms, window created %.0f ms, shown %.0f ms, first paint done %.0f ms\n",
                applicationReady, created, shown, painted);
    if (openMenu)
        std::printf("category menu opened and painted in %.0f ms\n", OpenCategoryMenu(*window));
    std::fflush(stdout);
    if (!closeAfter)
        std::_Exit(0); // nothing of the folder is written: the window is not destroyed
    const Clock::time_point closing = Clock::now();
    window->close();
    delete window;
    std::printf("closed and saved in %.0f ms\n", MillisecondsSince(closing));
    return 0;
}
