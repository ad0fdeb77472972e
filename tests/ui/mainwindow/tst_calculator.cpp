// SPDX-License-Identifier: MIT
#include "ui/mainwindow/CalculatorLauncher.h"

#include "core/settings/ProgramSettings.h"
#include "support/FakePrompts.h"

#include <QtTest>

using mensurio::CalculatorLauncher;
using mensurio::ProgramSettings;

namespace {

const std::vector<std::string> kFailure = {"beep", "information: Unable to start the Calculator program."};

ProgramSettings Settings(bool desktop, const char *calcPath) {
    ProgramSettings settings;
    settings.GeCaDefa = desktop;
    settings.CalcPath = calcPath;
    return settings;
}

} // namespace

class TestCalculator : public QObject {
    Q_OBJECT
  private slots:
    void init() { qputenv("PATH", ""); } // no desktop calculator can be found

    void start_emptyPathAndNoCalcPath_tellsTheUser() {
        mensurio::test::FakePrompts prompts;
        CalculatorLauncher launcher(prompts);
        QVERIFY(!launcher.Start(Settings(true, "")));
        QCOMPARE(prompts.log, kFailure);
    }

    void start_calcPathNamingNoProgram_tellsTheUser() {
        mensurio::test::FakePrompts prompts;
        CalculatorLauncher launcher(prompts);
        QVERIFY(!launcher.Start(Settings(false, "/nonexistent/mensurio-test-calculator")));
        QCOMPARE(prompts.log, kFailure);
        prompts.log.clear();
        QVERIFY(!launcher.Start(Settings(false, "")));
        QCOMPARE(prompts.log, kFailure);
    }

    void start_calcPath_startsTheProgram() {
        mensurio::test::FakePrompts prompts;
        CalculatorLauncher launcher(prompts);
        QVERIFY(launcher.Start(Settings(false, "/bin/true")));
        // Without a desktop calculator the chosen program is used as well.
        QVERIFY(launcher.Start(Settings(true, "/bin/true")));
        QVERIFY(prompts.log.empty());
    }
};

QTEST_MAIN(TestCalculator)
#include "tst_calculator.moc"
