// SPDX-License-Identifier: MIT
// Start and end of a run: the database load with its fallback, the first show, the
// placement, and what a run writes (or does not write) at its end.
#include "core/db/DatabaseFile.h"
#include "core/db/DatabaseLifecycle.h"
#include "ui/mainwindow/OutputUnitList.h"
#include "ui/support/WindowHarness.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <cstdint>
#include <filesystem>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace mensurio;
using namespace mensurio::test;

namespace {

QStringList TabTexts(const QTabBar *tabs) {
    QStringList texts;
    for (int i = 0; i < tabs->count(); ++i)
        texts.append(tabs->tabText(i));
    return texts;
}

// The id of a process that has ended and been reaped.
long DeadProcessId() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

UnitDatabase LoadFile(const std::string &path) {
    UnitDatabase db;
    DatabaseFile::LoadFromPath(db, path);
    return db;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
  private slots:
    void start_onFixture_showsDesignWindowWithItsControls() {
        WindowHarness h;
        MainWindow &window = h.Start();
        QCOMPARE(window.objectName(), QString("MainWindow"));
        QCOMPARE(window.windowTitle(), QString("Mensurio"));
        for (const char *name : {"valueField", "resultField"})
            QVERIFY2(h.Find<QLineEdit>(name) != nullptr, name);
        QVERIFY(h.Find<QLineEdit>("resultField")->isReadOnly());
        QVERIFY(h.Find<QListWidget>("inputList") != nullptr);
        QVERIFY(h.Find<OutputUnitList>("outputList") != nullptr);
        for (const char *name : {"inputPressure", "outputPressure", "categoryNames"})
            QVERIFY2(h.Find<QComboBox>(name) != nullptr, name);
        QCOMPARE(h.Find<QTabBar>("categoryTabs")->shape(), QTabBar::RoundedSouth);
        QCOMPARE(h.Find<QLabel>("fractionsHint")->text(), QString("Enter a decimal number or a fraction"));
        QVERIFY(h.Find<QLabel>("arrow") != nullptr);
        QCOMPARE(h.Find<QToolBar>("Toolbar971")->windowTitle(), QString("Toolbar"));
        QVERIFY(h.Find<QToolButton>("categoryButton")->menu() == h.Find<QMenu>("categoryPopup"));
        QVERIFY(h.Find<QToolButton>("invertButton") != nullptr);
        QVERIFY(h.prompts.log.empty());
    }

    void menus_carryCaptionsKeysAndAvailability_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("invert") << "invertConversionAction"
                                << "&Invert Conversion"
                                << "Ctrl+I" << true;
        QTest::newRow("clear input") << "clearInputFieldAction"
                                     << "&Clear Input Field"
                                     << "Ctrl+Del" << true;
        QTest::newRow("clear memory") << "clearConversionMemoryAction"
                                      << "Clea&r Conversion Memory"
                                      << "" << true;
        QTest::newRow("table") << "createConversionTableAction"
                               << "Create Conversion &Table"
                               << "Ctrl+T" << true;
        QTest::newRow("manage") << "manageUnitsAndCategoriesAction"
                                << "Mana&ge Units and Categories..."
                                << "F4" << true;
        QTest::newRow("preferences") << "preferencesAction"
                                     << "&Preferences..."
                                     << "" << true;
        QTest::newRow("find") << "findAction"
                              << "&Find..."
                              << "Ctrl+F" << true;
        QTest::newRow("exit") << "exitAction"
                              << "E&xit"
                              << "" << true;
        QTest::newRow("copy conversion") << "copyConversionAction"
                                         << "&Copy Conversion"
                                         << "F5" << true;
        QTest::newRow("units") << "customUnitsAction"
                               << "&Units..."
                               << "" << true;
        QTest::newRow("categories") << "customCategoriesAction"
                                    << "&Categories..."
                                    << "" << true;
        QTest::newRow("all results") << "showAllResultsAction"
                                     << "&Show All Results"
                                     << "F6" << true;
        QTest::newRow("hidden") << "showHiddenAction"
                                << "Show &Hidden"
                                << "F3" << true;
        QTest::newRow("tip") << "tipOfTheDayAction"
                             << "Tip of the Day..."
                             << "" << true;
        QTest::newRow("calculator") << "calculatorAction"
                                    << "&Calculator"
                                    << "F12" << true;
        QTest::newRow("help") << "helpTopicsAction"
                              << "&Help Topics"
                              << "F1" << true;
    }
    void menus_carryCaptionsKeysAndAvailability() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, key);
        QFETCH(bool, enabled);
        WindowHarness h;
        h.Start();
        const auto *action = h.Find<QAction>(name.toLatin1().constData());
        QVERIFY(action != nullptr);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut().toString(), key);
        QCOMPARE(action->isEnabled(), enabled);
    }

    void start_listsVisibleCategoriesAndRestoresTheStoredOne() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Mass");
        h.SetSetting("showhidden", "0");
        h.Start();
        const QStringList shown = {"Length", "Pressure", "Temperature", "Numbers", "Fractions", "Mass"};
        QCOMPARE(ComboItems(h.Find<QComboBox>("categoryNames")), shown);
        QCOMPARE(TabTexts(h.Find<QTabBar>("categoryTabs")), shown);
        emit h.Find<QMenu>("categoryPopup")->aboutToShow(); // its items are made as it opens
        QCOMPARE(h.Find<QMenu>("categoryPopup")->actions().size(), 6);
        QCOMPARE(h.Find<QComboBox>("categoryNames")->currentText(), QString("Mass"));
        QCOMPARE(h.Find<QTabBar>("categoryTabs")->currentIndex(), 5);
        QCOMPARE(h.Find<QToolButton>("categoryButton")->text(), QString("Mass"));
        // GeSoUnit is on by default; the hidden unit is left out.
        auto *inputList = h.Find<QListWidget>("inputList");
        QCOMPARE(inputList->count(), 2);
        QCOMPARE(inputList->item(0)->text(), QString("gram"));
        QCOMPARE(h.Find<QListWidget>("outputList")->count(), 2);
    }

    void start_hiddenStoredCategory_isCurrentWithoutBeingListed() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Secret");
        h.SetSetting("showhidden", "0");
        h.Start();
        QVERIFY(!ComboItems(h.Find<QComboBox>("categoryNames")).contains("Secret"));
        QCOMPARE(h.Find<QToolButton>("categoryButton")->text(), QString("Secret"));
        QCOMPARE(h.Find<QListWidget>("inputList")->count(), 1);
        QCOMPARE(h.window()->currentCategory(), std::string("Secret"));
    }

    void start_unknownStoredCategory_takesTheFirstAndNoTabsWhenTurnedOff() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Nowhere");
        h.SetSetting("GeDiCate", "0");
        h.Start();
        QCOMPARE(h.window()->currentCategory(), std::string("Length"));
        QCOMPARE(h.Find<QTabBar>("categoryTabs")->count(), 0);
        QCOMPARE(h.Find<QListWidget>("inputList")->count(), 7);
    }

    void start_pressureSelectorsFollowTheirSettings() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Pressure");
        h.SetSetting("com2abs", "0");
        h.Start();
        QCOMPARE(h.Find<QComboBox>("inputPressure")->currentIndex(), 0);
        QCOMPARE(h.Find<QComboBox>("outputPressure")->currentIndex(), 1);
        QVERIFY(h.Find<QComboBox>("inputPressure")->isVisible());
        h.Find<QComboBox>("inputPressure")->setCurrentIndex(1);
        QVERIFY(!h.window()->settings().com1abs);
    }

    void start_fontsFromSettings_applyToFieldsListsAndTabs() {
        WindowHarness h;
        h.SetSetting("f1size", "14");
        h.SetSetting("f1bold", "1");
        h.SetSetting("f1color", "255"); // red as 0x00BBGGRR
        h.SetSetting("f2size", "11");
        h.SetSetting("f2italic", "1");
        h.Start();
        for (const char *name :
             {"valueField", "resultField", "inputList", "outputList", "inputPressure", "outputPressure"}) {
            const auto *widget = h.Find<QWidget>(name);
            QCOMPARE(widget->font().pointSize(), 14);
            QVERIFY(widget->font().bold());
            QCOMPARE(widget->palette().color(QPalette::Text), QColor(255, 0, 0));
        }
        const QFont tabs = h.Find<QTabBar>("categoryTabs")->font();
        QCOMPARE(tabs.pointSize(), 11);
        QVERIFY(tabs.italic());
        QVERIFY(!tabs.bold());
    }

    // A freshly shipped database keeps its superscripts only where the font can show them; a
    // database this program wrote before is never simplified again.
    void start_codePageTest_simplifiesNamesOnlyForAFreshDatabaseTheFontCannotShow() {
        for (const char *magic : {"MNS0", "MNSA"}) {
            UnitDatabase db = FixtureDatabase();
            db.AddUnit("Length", "meter\xB2 per meter", "", 1.0L, false);
            WindowHarness h;
            h.dir.write("units.dat", DatabaseFile::ToBytes(db, magic));
            h.Start();
            const bool fontHasThem = QFontMetrics(h.window()->font()).inFontUcs4(0xB2) &&
                                     QFontMetrics(h.window()->font()).inFontUcs4(0xB3) &&
                                     QFontMetrics(h.window()->font()).inFontUcs4(0xB0);
            const bool simplified = std::string(magic) == "MNS0" && !fontHasThem;
            QCOMPARE(h.window()->database().NamesSimplified, simplified);
            h.Finish();
            const std::string saved = h.dir.read("units.dat");
            QCOMPARE(saved.substr(0, 4), std::string(simplified ? "MNSS" : "MNSA"));
            QCOMPARE(saved.find("meter\xB2") == std::string::npos, simplified);
        }
    }

    void start_corruptUnitsFile_loadsDefaultAndWritesAValidFileAtExit() {
        WindowHarness h(false);
        h.dir.write("units.dat", "MNSA garbage that is no database");
        h.dir.write("default.dat", FixtureDatabaseBytes());
        h.Start();
        QCOMPARE(h.prompts.log.size(), std::size_t(2));
        QCOMPARE(h.prompts.log[0], std::string("beep"));
        QCOMPARE(h.prompts.log[1], std::string("error: ") + DatabaseLifecycle::CorruptedText +
                                       "\nThe unreadable file will be kept as units.dat.bad.");
        QCOMPARE(h.Find<QComboBox>("categoryNames")->count(), 7); // hidden ones shown by default
        h.Finish();
        QCOMPARE(h.dir.read("units.dat.bad"), std::string("MNSA garbage that is no database"));
        const UnitDatabase saved = LoadFile(h.dir.file("units.dat"));
        QCOMPARE(saved.Categories().size(), FixtureDatabase().Categories().size());
        QCOMPARE(h.dir.read("default.dat"), FixtureDatabaseBytes());
    }

    void start_bothDatabasesUnreadable_endsWithoutWritingAnything() {
        WindowHarness h(false);
        h.dir.write("units.dat", "broken");
        MainWindow &window = h.Create();
        QVERIFY(!window.startedOk());
        // The second line names the default database and why it did not load.
        QVERIFY(h.prompts.log.back().rfind(std::string("error: ") + DatabaseLifecycle::NoDefaultText + "\n",
                                           0) == 0);
        QVERIFY(h.prompts.log.back().find("default.dat: ") != std::string::npos);
        h.Finish();
        QCOMPARE(h.dir.read("units.dat"), std::string("broken"));
        QVERIFY(!h.dir.exists("mensurio.ini"));
        QVERIFY(!h.dir.exists("default.dat"));
    }

    void start_trayArgument_anyCaseHidesOnlyWhereATrayExists_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("trayAvailable");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("tray") << "tray" << true << true;
        QTest::newRow("TRAY") << "TRAY" << true << true;
        QTest::newRow("Tray") << "Tray" << true << true;
        QTest::newRow("other argument") << "trays" << true << false;
        QTest::newRow("no tray on this desktop") << "tray" << false << false;
    }
    void start_trayArgument_anyCaseHidesOnlyWhereATrayExists() {
        QFETCH(QString, argument);
        QFETCH(bool, trayAvailable);
        QFETCH(bool, hidden);
        WindowHarness h;
        QCOMPARE(h.Create(argument.toStdString(), trayAvailable).startsHidden(), hidden);
    }

    void neverShownRun_writesNothing() {
        WindowHarness h;
        const std::string before = h.dir.read("units.dat");
        h.Create("tray", true);
        h.Finish();
        QCOMPARE(h.dir.read("units.dat"), before);
        QVERIFY(!h.dir.exists("mensurio.ini"));
    }

    void shownRun_writesSettingsBoundsAndToolbar() {
        WindowHarness h;
        MainWindow &window = h.Start();
        window.resize(600, 420);
        window.move(33, 44);
        h.Finish();
        QCOMPARE(h.Setting("width"), std::string("600"));
        QCOMPARE(h.Setting("height"), std::string("420"));
        QCOMPARE(h.Setting("maximized"), std::string("0"));
        QCOMPARE(h.Setting("save"), std::string("1"));
        QCOMPARE(h.Setting("AktualCate"), std::string("Length"));
        QCOMPARE(h.Setting("Visible", "Toolbar971"), std::string("1"));
        QCOMPARE(h.Setting("DockedTo", "Toolbar971"), std::string("Dock97top"));
    }

    void toolbarCommand_hidesTheToolbarAndTheNextStartKeepsItHidden() {
        WindowHarness h;
        h.Start();
        QAction *toolbar = h.Find<QAction>("showToolbarAction");
        QVERIFY(toolbar->isChecked());
        toolbar->trigger();
        QVERIFY(h.Find<QToolBar>("Toolbar971")->isHidden());
        h.Finish();
        QCOMPARE(h.Setting("Visible", "Toolbar971"), std::string("0"));
        h.Start();
        QVERIFY(h.Find<QToolBar>("Toolbar971")->isHidden());
        QVERIFY(!h.Find<QAction>("showToolbarAction")->isChecked());
    }

    void start_storedBounds_areAppliedOnceSaved() {
        WindowHarness h;
        h.SetSetting("save", "1");
        h.SetSetting("width", "640");
        h.SetSetting("height", "450");
        MainWindow &window = h.Start();
        QCOMPARE(window.size(), QSize(640, 450));
    }

    void start_maximizedSetting_maximizesTheWindow() {
        WindowHarness h;
        h.SetSetting("maximized", "1");
        MainWindow &window = h.Start();
        QTRY_VERIFY(window.isMaximized());
        h.Finish();
        QCOMPARE(h.Setting("maximized"), std::string("1"));
    }

    void exit_databaseReplacedByAFolder_toldOnceAndNothingWritten() {
        WindowHarness h;
        h.Start();
        // A folder in the database's place is never written to: no Retry that cannot succeed.
        std::filesystem::remove(h.dir.file("units.dat"));
        std::filesystem::create_directory(h.dir.file("units.dat"));
        h.dir.write("units.dat/keep", "x");
        h.prompts.answers = {true, false};
        h.Finish();
        const std::string told = std::string("error: ") + DatabaseLifecycle::NotSavedText +
                                 h.dir.file("units.dat") + " is a directory, not a file.";
        QCOMPARE(std::count(h.prompts.log.begin(), h.prompts.log.end(), told), 1);
        QCOMPARE(std::count_if(h.prompts.log.begin(), h.prompts.log.end(),
                               [](const std::string &line) { return line.rfind("retry/cancel", 0) == 0; }),
                 0);
        QCOMPARE(h.dir.read("units.dat/keep"), std::string("x"));
        // The settings are still written after the database gave up.
        QCOMPARE(h.Setting("AktualCate"), std::string("Length"));
    }

    // A FIFO as the settings file would make every reading wait for a writer: the window
    // starts at once with the default settings, says so once, and leaves the FIFO alone.
    void start_settingsFileIsAFifo_startsAndToldOnce() {
        WindowHarness h;
        QVERIFY(::mkfifo(h.SettingsPath().c_str(), 0600) == 0);
        QElapsedTimer timer;
        timer.start();
        h.Start();
        h.Finish();
        QVERIFY(timer.elapsed() < 10000);
        const std::string told =
            "error: The settings file " + h.SettingsPath() +
            " is a FIFO, not a file. It is not read and not written; default settings are used.";
        QCOMPARE(std::count(h.prompts.log.begin(), h.prompts.log.end(), told), 1);
        struct stat info {};
        QVERIFY(::stat(h.SettingsPath().c_str(), &info) == 0 && S_ISFIFO(info.st_mode));
    }

    // A settings file far too large is kept aside unread; this run's settings go to a new file.
    void start_settingsFileTooLarge_keptAsideAndDefaultsUsed() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Pressure");
        std::filesystem::resize_file(h.SettingsPath(), 100u * 1024u * 1024u);
        h.Start();
        h.Finish();
        const std::string kept = h.SettingsPath() + ".too-large";
        const std::string told = "error: The settings file " + h.SettingsPath() +
                                 " is larger than 16 MB and is taken as damaged. It was kept as " + kept +
                                 "; default settings are used.";
        QCOMPARE(std::count(h.prompts.log.begin(), h.prompts.log.end(), told), 1);
        QCOMPARE(std::filesystem::file_size(kept), std::uintmax_t(100u * 1024u * 1024u));
        QCOMPARE(h.Setting("AktualCate"), std::string("Length"));
    }

    // A settings save killed mid-write leaves its temporary file: the next start removes it,
    // before any save, unless its writer may still run (this process, a live one) or still
    // holds it locked. Files of other names stay.
    void start_removesSettingsLeftoversWhoseWriterIsGone() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Pressure");
        const std::string dead = ".mensurio.ini." + std::to_string(DeadProcessId()) + ".0.tmp";
        const std::string lockedDead = ".mensurio.ini." + std::to_string(DeadProcessId()) + ".1.tmp";
        const std::string kept[] = {".mensurio.ini." + std::to_string(::getpid()) + ".0.tmp",
                                    ".mensurio.ini." + std::to_string(::getppid()) + ".0.tmp", lockedDead,
                                    ".mensurio.ini.tmp", "mensurio.ini.1.0.tmp"};
        h.dir.write(dead, "[general]\nAktual");
        for (const std::string &name : kept)
            h.dir.write(name, "keep");
        const int writing = ::open(h.dir.file(lockedDead).c_str(), O_RDONLY | O_CLOEXEC);
        QVERIFY(writing >= 0 && ::flock(writing, LOCK_EX) == 0);
        h.Start();
        QVERIFY(!h.dir.exists(dead));
        for (const std::string &name : kept)
            QVERIFY2(h.dir.exists(name), name.c_str());
        QCOMPARE(h.Find<QComboBox>("categoryNames")->currentText(), QString("Pressure"));
        h.Finish();
        ::close(writing);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
