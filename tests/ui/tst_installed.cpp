// SPDX-License-Identifier: MIT
// The program installed under a prefix: a custom unit added in the installed window lands in the
// user's XDG folder and the installed command line converts with it; the prefix never changes.
#include "core/platform/Paths.h"
#include "support/FakePrompts.h"
#include "support/RunProcess.h"
#include "support/ScratchDir.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/WindowEnvironment.h"
#include "ui/support/ModalSteps.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <filesystem>
#include <memory>

using namespace mensurio;
using namespace mensurio::test;
namespace fs = std::filesystem;

namespace {

// Every path under `root` with its size, for telling whether anything was written there.
std::string Listing(const std::string &root) {
    std::string listing;
    for (const auto &entry : fs::recursive_directory_iterator(root)) {
        listing += entry.path().string();
        if (entry.is_regular_file())
            listing += " " + std::to_string(entry.file_size());
        listing += "\n";
    }
    return listing;
}

} // namespace

class TestInstalled : public QObject {
    Q_OBJECT
  private slots:
    void customUnit_inInstalledWindow_reachesInstalledCommandLine() {
        ScratchDir scratch;
        const std::string prefix = scratch.file("prefix");
        QProcess install;
        install.start("cmake", {"--install", QString(MENSURIO_BIN_DIR "/.."), "--prefix",
                                QString::fromStdString(prefix)});
        QVERIFY(install.waitForFinished(60000));
        QCOMPARE(install.exitCode(), 0);
        const std::string before = Listing(prefix);

        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(scratch.file("data")));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(scratch.file("config")));
        const FileLocations locations = Paths::Locate(prefix + "/bin/mensurio");
        QVERIFY(locations.installed);
        QVERIFY(Paths::PrepareUserFiles(locations));

        FakePrompts prompts;
        WindowEnvironment environment;
        environment.baseDirectory = locations.userDirectory;
        environment.defaultDirectory = locations.defaultDirectory;
        environment.settingsPath = locations.settingsPath;
        environment.prompts = &prompts;
        auto window = std::make_unique<MainWindow>(environment);
        window->SetTipOfTheDayHook([](ProgramSettings &, QWidget *) {});
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const bool ran =
            ModalSteps()
                .Then("CustomUnitsDialog",
                      [](QDialog &units) {
                          auto *category = Child<QComboBox>(units, "categoryChoice");
                          category->setCurrentIndex(category->findText("Length"));
                          ClickButton(units, "addButton");
                      })
                .Then("CustomUnitEditor",
                      [](QDialog &editor) {
                          TypeInto(editor, "nameField", "stadion");
                          TypeInto(editor, "amountField", "184.8");
                          auto *origin = Child<QComboBox>(editor, "originChoice");
                          origin->setCurrentIndex(origin->findText("meter"));
                          ClickButton(editor, "okButton");
                      })
                .Then("CustomUnitsDialog", [](QDialog &units) { ClickButton(units, "closeButton"); })
                .Run([&] { window->findChild<QAction *>("customUnitsAction")->trigger(); });
        QVERIFY(ran);
        window->close();
        window.reset();

        QVERIFY(fs::exists(scratch.file("data/mensurio/units.dat")));
        QVERIFY(fs::exists(scratch.file("config/mensurio/mensurio.ini")));
        const ProcessResult result = runProcess(
            prefix + "/bin/mensurio-cli", {"-c", "Length", "2 stadion", "--to", "meter"}, scratch.path());
        QCOMPARE(QString::fromStdString(result.out), QString("369.6\n"));
        QCOMPARE(result.status, 0);
        QCOMPARE(Listing(prefix), before);
    }
};

QTEST_MAIN(TestInstalled)
#include "tst_installed.moc"
