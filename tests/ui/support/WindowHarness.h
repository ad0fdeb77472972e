// SPDX-License-Identifier: MIT
#pragma once

#include "support/FakePrompts.h"
#include "support/ScratchDir.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/WindowEnvironment.h"
#include "ui/support/DialogHelpers.h"

#include <QListWidget>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace mensurio::test {

/// Categories for the window tests: Length (7 units, in this list order: meter, kilometer,
/// foot, inch, yard, mile, survey foot), Pressure, Temperature, Numbers, Fractions (as decimal,
/// as fraction, nearest 1/8, nearest 1/16), Mass (with
/// a hidden unit "grain") and the hidden category "Secret".
UnitDatabase FixtureDatabase();
/// The fixture as file bytes ("MNSA": written by this program before).
std::string FixtureDatabaseBytes();

/// A conversion window on a scratch folder: the test writes the files, starts, drives and
/// closes the window, and reads what the run left behind.
class WindowHarness {
  public:
    /// Writes the fixture database as units.dat unless told otherwise.
    explicit WindowHarness(bool writeDatabase = true);

    WindowEnvironment Environment(const std::string &firstArgument = {}, bool trayAvailable = false);
    /// Creates the window (FormCreate) without showing it.
    MainWindow &Create(const std::string &firstArgument = {}, bool trayAvailable = false);
    /// Creates the window, shows it and waits until it is exposed.
    MainWindow &Start();
    /// Closes and destroys the window, as the end of a run does.
    void Finish();
    MainWindow *window() { return m_window.get(); }

    /// Settings written before the start (section "general" unless given).
    void SetSetting(const std::string &key, const std::string &value, const std::string &section = "general");
    std::string Setting(const std::string &key, const std::string &section = "general") const;
    std::string SettingsPath() const { return dir.file("mensurio.ini"); }

    template <typename T> T *Find(const char *name) const {
        return m_window ? m_window->findChild<T *>(name) : nullptr;
    }

    /// Picks a category from the category button's menu, as the user does.
    void ChooseCategory(const QString &name);
    /// Makes the input field hold exactly `text`, typed key by key.
    void Type(const QString &text);

    ScratchDir dir;
    FakePrompts prompts;
    /// What the window learns of the notification area at each minimise; unset: as at the start.
    std::function<bool()> trayPresent;
    /// The first-start units the window gets; none by default, so that a fresh start shows
    /// the first rows the tests expect.
    std::vector<FirstStartUnits> firstStartMemories;
    int tipsShown = 0; // showings of the tip of the day

  private:
    std::unique_ptr<MainWindow> m_window;
};

} // namespace mensurio::test
