// SPDX-License-Identifier: MIT
#include "ui/support/WindowHarness.h"

#include "core/db/DatabaseFile.h"
#include "core/settings/IniFile.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <initializer_list>
#include <utility>

namespace mensurio::test {

UnitDatabase FixtureDatabase() {
    UnitDatabase db;
    const auto add = [&db](const char *category,
                           std::initializer_list<std::pair<const char *, long double>> units) {
        db.AddCategory(category, false);
        for (const auto &[name, factor] : units)
            db.AddUnit(category, name, "", factor, false);
    };
    add("Length", {{"meter", 1.0L},
                   {"kilometer", 1000.0L},
                   {"foot", 0.3048L},
                   {"inch", 0.0254L},
                   {"yard", 0.9144L},
                   {"mile", 1609.344L},
                   {"survey foot", 1200.0L / 3937.0L}});
    add("Pressure", {{"pascal", 1.0L}, {"bar", 1e5L}, {"atmosphere", 101325.0L}});
    add("Temperature", {{"Celsius", 491.67L}, {"Fahrenheit", 459.67L}, {"Kelvin", 0.0L}, {"Rankine", 0.0L}});
    add("Numbers", {{"decimal", 10.0L}, {"hexadecimal", 16.0L}, {"binary", 2.0L}});
    add("Fractions",
        {{"as decimal", 1.0L}, {"as fraction", 0.0L}, {"nearest 1/8", 8.0L}, {"nearest 1/16", 16.0L}});
    add("Mass", {{"kilogram", 1.0L}, {"gram", 0.001L}, {"grain", 6.479891e-5L}});
    db.SelectCategory("Mass");
    for (db.FirstUnit(); db.HasUnit(); db.NextUnit()) {
        if (db.UnitName() == "grain")
            db.SetUnitHidden(true);
    }
    add("Secret", {{"one", 1.0L}});
    db.SelectCategory("Secret");
    db.SetCategoryHidden(true);
    return db;
}

std::string FixtureDatabaseBytes() {
    return DatabaseFile::ToBytes(FixtureDatabase(), "MNSA");
}

WindowHarness::WindowHarness(bool writeDatabase) {
    if (writeDatabase)
        dir.write("units.dat", FixtureDatabaseBytes());
}

WindowEnvironment WindowHarness::Environment(const std::string &firstArgument, bool trayAvailable) {
    WindowEnvironment environment;
    environment.baseDirectory = dir.path();
    environment.settingsPath = SettingsPath();
    environment.prompts = &prompts;
    environment.firstArgument = firstArgument;
    environment.trayAvailable = trayAvailable;
    environment.trayPresent = trayPresent;
    environment.firstStartMemories = firstStartMemories;
    return environment;
}

MainWindow &WindowHarness::Create(const std::string &firstArgument, bool trayAvailable) {
    m_window = std::make_unique<MainWindow>(Environment(firstArgument, trayAvailable));
    // The tip of the day is a modal dialog: tests count its showings instead.
    m_window->SetTipOfTheDayHook([this](ProgramSettings &, QWidget *) { ++tipsShown; });
    return *m_window;
}

MainWindow &WindowHarness::Start() {
    MainWindow &window = Create();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qWarning("the window was not exposed");
    return window;
}

void WindowHarness::Finish() {
    if (!m_window)
        return;
    m_window->close();
    m_window.reset();
}

void WindowHarness::SetSetting(const std::string &key, const std::string &value, const std::string &section) {
    IniFile(SettingsPath()).WriteString(section, key, value);
}

std::string WindowHarness::Setting(const std::string &key, const std::string &section) const {
    return IniFile(SettingsPath()).ReadString(section, key, "<missing>");
}

void WindowHarness::ChooseCategory(const QString &name) {
    auto *menu = Find<QMenu>("categoryPopup");
    emit menu->aboutToShow();
    for (QAction *item : menu->actions()) {
        if (item->data().toString() == name) {
            item->trigger();
            return;
        }
    }
    qWarning("no category item %s", qPrintable(name));
}

void WindowHarness::Type(const QString &text) {
    auto *edit = Find<QLineEdit>("valueField");
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, text);
}

} // namespace mensurio::test
