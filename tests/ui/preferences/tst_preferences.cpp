// SPDX-License-Identifier: MIT
// The Preferences dialog: what it shows, what OK applies to the window and the settings file,
// what Cancel restores, and the start-up link it keeps in line.
#include "core/platform/Paths.h"
#include "core/platform/ShellLinker.h"
#include "core/platform/StartupLink.h"
#include "support/FileSizeLimit.h"
#include "ui/mainwindow/OutputUnitList.h"
#include "ui/preferences/PreferenceChanges.h"
#include "ui/preferences/PreferencesDialog.h"
#include "ui/shared/QtCp1252.h"
#include "ui/support/WindowHarness.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <filesystem>

using namespace mensurio;
using namespace mensurio::test;

namespace {

const std::string kExe = "/opt/Mensurio Apps/mensurio";

// A window on a scratch folder with a scratch autostart folder for its link.
struct Fixture {
    // The user's autostart folder, for the window's own command, lies in the scratch folder too.
    Fixture() {
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(harness.dir.file("config")));
        harness.SetSetting("AktualCate", "Length");
        harness.SetSetting("GeSoUnit", "0");
    }
    MainWindow &Start() {
        MainWindow &window = harness.Start();
        harness.Type("2");
        return window;
    }
    std::unique_ptr<PreferencesDialog> Open(std::string executable = kExe) {
        auto dialog = std::make_unique<PreferencesDialog>(
            *harness.window(), StartupLink(Autostart(), executable), harness.window());
        dialog->SetFontChooser([this](const QFont &initial, QWidget *) {
            fontsAskedFrom.append(initial);
            return chosenFont;
        });
        return dialog;
    }
    std::string Autostart() const { return harness.dir.file("config/autostart"); }
    std::string Link() const { return Autostart() + "/Mensurio.desktop"; }
    void WriteLink(const std::string &exec) const {
        std::filesystem::create_directories(Autostart());
        writeFile(Link(), "[Desktop Entry]\nType=Application\nName=Mensurio\nExec=" + exec + "\n");
    }

    WindowHarness harness;
    std::optional<QFont> chosenFont;
    QList<QFont> fontsAskedFrom;
};

} // namespace

class TestPreferences : public QObject {
    Q_OBJECT
  private slots:
    void command_opensTheDialogModally() {
        Fixture f;
        f.Start();
        QAction *command = Child<QAction>(*f.harness.window(), "preferencesAction");
        QVERIFY(command->isEnabled());
        bool seen = false;
        const bool reached = DriveModal<QDialog>([command] { command->trigger(); },
                                                 [&seen](QDialog &dialog) {
                                                     seen = dialog.objectName() == "PreferencesDialog" &&
                                                            dialog.windowTitle() == "Preferences";
                                                 });
        QVERIFY(reached);
        QVERIFY(seen);
    }

    void opening_showsEverySetting() {
        Fixture f;
        for (const auto &[key, value] : std::initializer_list<std::pair<const char *, const char *>>{
                 {"GeDiCate", "0"},
                 {"tray", "1"},
                 {"SwopValue", "0"},
                 {"split", "1"},
                 {"GeCaDefa", "0"},
                 {"CalcPath", "/opt/my calc/\"calc\""},
                 {"ReNumber", "2"},
                 {"ReDeciPlace", "4"},
                 {"multiformat", "2"}})
            f.harness.SetSetting(key, value);
        f.harness.SetSetting("Visible", "0", "Toolbar972");
        f.Start();
        auto dialog = f.Open();
        QVERIFY(Child<QCheckBox>(*dialog, "showToolbar")->isChecked());
        QVERIFY(!Child<QCheckBox>(*dialog, "showRecordbar")->isChecked());
        QVERIFY(!Child<QCheckBox>(*dialog, "showCategoryTabs")->isChecked());
        QVERIFY(!Child<QCheckBox>(*dialog, "sortUnits")->isChecked());
        QVERIFY(!Child<QCheckBox>(*dialog, "runOnStartUp")->isChecked()); // no link file
        QVERIFY(Child<QCheckBox>(*dialog, "minimizeToTray")->isChecked());
        QVERIFY(!Child<QCheckBox>(*dialog, "swapValueOnInvert")->isChecked());
        QVERIFY(Child<QCheckBox>(*dialog, "showAllResults")->isChecked());
        QVERIFY(Child<QRadioButton>(*dialog, "otherCalculator")->isChecked());
        QVERIFY(Child<QLineEdit>(*dialog, "calculatorPath")->isEnabled());
        QCOMPARE(Child<QLineEdit>(*dialog, "calculatorPath")->text(), QString("/opt/my calc/\"calc\""));
        QVERIFY(Child<QRadioButton>(*dialog, "fixedFormat")->isChecked());
        QCOMPARE(Child<QComboBox>(*dialog, "decimalPlaces")->currentIndex(), 4);
        QVERIFY(Child<QRadioButton>(*dialog, "compoundUnitsFirst")->isChecked());
        QCOMPARE(dialog->changes().startUp || dialog->changes().toolbars || dialog->changes().anyFont, false);
    }

    void opening_showsOutOfRangeValuesAsTheFirstChoice() {
        Fixture f;
        f.harness.SetSetting("ReNumber", "7");
        f.harness.SetSetting("multiformat", "-1");
        f.harness.SetSetting("ReDeciPlace", "40");
        MainWindow &window = f.Start();
        auto dialog = f.Open();
        QVERIFY(Child<QRadioButton>(*dialog, "autoFormat")->isChecked());
        QVERIFY(Child<QRadioButton>(*dialog, "compoundBracketedValues")->isChecked());
        QVERIFY(!Child<QComboBox>(*dialog, "decimalPlaces")->isEnabled());
        PressStandardButton(*dialog, QDialogButtonBox::Cancel);
        QCOMPARE(window.settings().ReNumber, ResultFormat::Auto); // 7 is no format: read as AutoFormat
        QCOMPARE(window.settings().ReDeciPlace, 40);
    }

    // OK with nothing touched: the same settings, no file written, the window as it was.
    void okWithoutChanges_appliesNothing() {
        Fixture f;
        f.WriteLink("/somewhere/else/mensurio"); // wrong, but the box was not touched
        const std::string link = readFile(f.Link());
        MainWindow &window = f.Start();
        const ProgramSettings before = window.settings();
        const std::string file = readFile(f.harness.SettingsPath());
        const QStringList rows = Rows(f.harness.Find<QListWidget>("inputList"));
        const QString result = f.harness.Find<QLineEdit>("resultField")->text();
        const QFont font = f.harness.Find<QLineEdit>("valueField")->font();
        auto dialog = f.Open();
        QVERIFY(Child<QCheckBox>(*dialog, "runOnStartUp")->isChecked());
        PressStandardButton(*dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(window.settings() == before);
        QCOMPARE(readFile(f.harness.SettingsPath()), file);
        QCOMPARE(f.harness.Setting("f1name"), std::string("<missing>"));
        QCOMPARE(readFile(f.Link()), link);
        QCOMPARE(Rows(f.harness.Find<QListWidget>("inputList")), rows);
        QCOMPARE(f.harness.Find<QLineEdit>("resultField")->text(), result);
        QCOMPARE(f.harness.Find<QLineEdit>("valueField")->font(), font);
        QVERIFY(f.harness.prompts.log.empty());
    }

    void clickingTwice_stillCountsAsTouched() {
        const std::pair<const char *, bool PreferenceChanges::*> boxes[] = {
            {"showToolbar", &PreferenceChanges::toolbars},
            {"showRecordbar", &PreferenceChanges::toolbars},
            {"showCategoryTabs", &PreferenceChanges::tabs},
            {"sortUnits", &PreferenceChanges::sortUnits},
            {"showAllResults", &PreferenceChanges::allResults},
            {"minimizeToTray", &PreferenceChanges::tray},
            {"runOnStartUp", &PreferenceChanges::startUp},
        };
        Fixture f;
        f.Start();
        for (const auto &[name, flag] : boxes) {
            auto dialog = f.Open();
            QCheckBox *box = Child<QCheckBox>(*dialog, name);
            const bool shown = box->isChecked();
            QVERIFY2(!(dialog->changes().*flag), name);
            box->click();
            box->click();
            QCOMPARE(box->isChecked(), shown);
            QVERIFY2(dialog->changes().*flag, name);
        }
    }

    // The toolbar box ticked and cleared again: the bars are applied with their unchanged value.
    void toolbarToggledTwice_keepsTheToolbarShown() {
        Fixture f;
        MainWindow &window = f.Start();
        auto dialog = f.Open();
        Child<QCheckBox>(*dialog, "showToolbar")->click();
        Child<QCheckBox>(*dialog, "showToolbar")->click();
        PressStandardButton(*dialog, QDialogButtonBox::Ok);
        QVERIFY(f.harness.Find<QToolBar>("Toolbar971")->isVisible());
        QVERIFY(window.settings().Toolbar971Visible);
        QVERIFY(f.harness.window()->findChild<QAction *>("showToolbarAction")->isChecked());
    }

    void sample_showsEachFormatAtZeroAndTwelvePlaces_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("places");
        QTest::addColumn<QString>("sample");
        QTest::addColumn<bool>("placesEnabled");
        QTest::newRow("auto 0") << 0 << 0 << "1234567.9" << false;
        QTest::newRow("auto 12") << 0 << 12 << "1234567.9" << false;
        QTest::newRow("scientific 0") << 1 << 0 << "1.2E+006" << true;
        QTest::newRow("scientific 12") << 1 << 12 << "1.23456789988E+006" << true;
        QTest::newRow("fixed 0") << 2 << 0 << "1234568" << true;
        QTest::newRow("fixed 12") << 2 << 12 << "1234567.899876543210" << true;
        QTest::newRow("thousands 0") << 3 << 0 << "1,234,568" << true;
        QTest::newRow("thousands 12") << 3 << 12 << "1,234,567.899876543210" << true;
    }
    void sample_showsEachFormatAtZeroAndTwelvePlaces() {
        QFETCH(int, format);
        QFETCH(int, places);
        QFETCH(QString, sample);
        QFETCH(bool, placesEnabled);
        Fixture f;
        f.Start();
        auto dialog = f.Open();
        const char *buttons[] = {"autoFormat", "scientificFormat", "fixedFormat", "thousandsFormat"};
        // Choose another format first, so that choosing this one is a change.
        Child<QRadioButton>(*dialog, buttons[(format + 1) % 4])->click();
        Child<QRadioButton>(*dialog, buttons[format])->click();
        Child<QComboBox>(*dialog, "decimalPlaces")->setCurrentIndex(places);
        QCOMPARE(Child<QLabel>(*dialog, "formatSample")->text(), sample);
        QCOMPARE(Child<QComboBox>(*dialog, "decimalPlaces")->isEnabled(), placesEnabled);
    }

    // Fixed with 3 places shows at once in the sample; Cancel gives the window its format back.
    void cancelAfterChangingTheFormat_restoresIt() {
        Fixture f;
        f.harness.SetSetting("ReNumber", "1");
        f.harness.SetSetting("ReDeciPlace", "5");
        MainWindow &window = f.Start();
        const QString result = f.harness.Find<QLineEdit>("resultField")->text();
        auto dialog = f.Open();
        Child<QRadioButton>(*dialog, "fixedFormat")->click();
        Child<QComboBox>(*dialog, "decimalPlaces")->setCurrentIndex(3);
        QCOMPARE(Child<QLabel>(*dialog, "formatSample")->text(), QString("1234567.900"));
        QCOMPARE(window.settings().ReNumber, ResultFormat::Fixed);
        PressStandardButton(*dialog, QDialogButtonBox::Cancel);
        QCOMPARE(window.settings().ReNumber, ResultFormat::Scientific);
        QCOMPARE(window.settings().ReDeciPlace, 5);
        QCOMPARE(f.harness.Find<QLineEdit>("resultField")->text(), result);
    }

    void okAfterChangingTheFormat_convertsInIt() {
        Fixture f;
        MainWindow &window = f.Start();
        auto dialog = f.Open();
        Child<QRadioButton>(*dialog, "fixedFormat")->click();
        Child<QComboBox>(*dialog, "decimalPlaces")->setCurrentIndex(2);
        Child<QRadioButton>(*dialog, "compoundPlainValues")->click();
        PressStandardButton(*dialog, QDialogButtonBox::Ok);
        QCOMPARE(window.settings().ReNumber, ResultFormat::Fixed);
        QCOMPARE(window.settings().ReDeciPlace, 2);
        QCOMPARE(window.settings().multiformat, CompoundStyle::PlainValue);
        QCOMPARE(f.harness.Find<QLineEdit>("resultField")->text(), QString("2.00")); // 2 meter in meter
    }

    void defaultFonts_writesBothFontsEvenWhenUnchanged() {
        Fixture f;
        f.Start();
        auto dialog = f.Open();
        Child<QPushButton>(*dialog, "defaultFontsButton")->click();
        PressStandardButton(*dialog, QDialogButtonBox::Ok);
        for (const char *prefix : {"f1", "f2"}) {
            const std::string p = prefix;
            QCOMPARE(f.harness.Setting(p + "name"), std::string("ZEV Adurezu Zazu"));
            QCOMPARE(f.harness.Setting(p + "size"), std::string("8"));
            QCOMPARE(f.harness.Setting(p + "height"), std::string("-11"));
            QCOMPARE(f.harness.Setting(p + "color"), std::string("-2147483640"));
            QCOMPARE(f.harness.Setting(p + "charset"), std::string("0"));
            QCOMPARE(f.harness.Setting(p + "bold"), std::string("0"));
        }
    }

    // The font dialog starts from the window's font, also after a pending choice; the chosen
    // font reaches the window and only its own keys are written.
    void changingTheFieldFont_reachesTheWindowAndWritesOnlyF1() {
        Fixture f;
        f.harness.SetSetting("f1size", "9");
        MainWindow &window = f.Start();
        auto dialog = f.Open();
        QFont chosen("DejaVu Sans");
        chosen.setPointSize(15);
        chosen.setBold(true);
        chosen.setItalic(true);
        f.chosenFont = chosen;
        Child<QPushButton>(*dialog, "changeFieldFontButton")->click();
        Child<QPushButton>(*dialog, "changeFieldFontButton")->click();
        QCOMPARE(f.fontsAskedFrom.size(), 2);
        QCOMPARE(f.fontsAskedFrom[1].pointSize(), 9);
        QCOMPARE(Child<QLabel>(*dialog, "fieldFontSample")->font().pointSize(), 15);
        QVERIFY(!dialog->changes().tabFont);
        PressStandardButton(*dialog, QDialogButtonBox::Ok);
        QCOMPARE(f.harness.Setting("f1size"), std::string("15"));
        QCOMPARE(f.harness.Setting("f1name"), std::string("DejaVu Sans"));
        QCOMPARE(f.harness.Setting("f1bold"), std::string("1"));
        QCOMPARE(f.harness.Setting("f1italic"), std::string("1"));
        QCOMPARE(f.harness.Setting("f2name"), std::string("<missing>"));
        QCOMPARE(window.FieldFont().Size(), 15);
        QCOMPARE(f.harness.Find<QLineEdit>("valueField")->font().pointSize(), 15);
        QVERIFY(f.harness.Find<QLineEdit>("valueField")->font().bold());
    }

    void cancelledFontDialog_changesNothing() {
        Fixture f;
        f.Start();
        auto dialog = f.Open();
        Child<QPushButton>(*dialog, "changeTabFontButton")->click();
        QCOMPARE(f.fontsAskedFrom.size(), 1);
        QVERIFY(!dialog->changes().anyFont && !dialog->changes().tabFont);
        PressStandardButton(*dialog, QDialogButtonBox::Ok);
        QCOMPARE(f.harness.Setting("f2name"), std::string("<missing>"));
    }

    void unknownFontFamily_fallsBackToTheDesktopFont() {
        Fixture f;
        f.harness.SetSetting("f1name", "No Such Face 123");
        f.harness.SetSetting("f1size", "13");
        f.Start();
        auto dialog = f.Open();
        const QFont sample = Child<QLabel>(*dialog, "fieldFontSample")->font();
        QCOMPARE(sample.family(), QApplication::font().family());
        QCOMPARE(sample.pointSize(), 13);
    }

    void toolbarsCleared_hidesBothBars() {
        Fixture f;
        MainWindow &window = f.Start();
        auto dialog = f.Open();
        Child<QCheckBox>(*dialog, "showToolbar")->click();
        Child<QCheckBox>(*dialog, "showRecordbar")->click();
        PressStandardButton(*dialog, QDialogButtonBox::Ok);
        QVERIFY(f.harness.Find<QToolBar>("Toolbar971")->isHidden());
        QVERIFY(f.harness.Find<QToolBar>("Toolbar972")->isHidden());
        QVERIFY(!window.findChild<QAction *>("showToolbarAction")->isChecked());
        QVERIFY(!window.findChild<QAction *>("showRecordbarAction")->isChecked());
        QVERIFY(!window.settings().Toolbar971Visible && !window.settings().Toolbar972Visible);
    }

    void tabsCleared_removesTheTabsAndKeepsTheCategory() {
        Fixture f;
        MainWindow &window = f.Start();
        QVERIFY(f.harness.Find<QTabBar>("categoryTabs")->count() > 0);
        auto dialog = f.Open();
        Child<QCheckBox>(*dialog, "showCategoryTabs")->click();
        PressStandardButton(*dialog, QDialogButtonBox::Ok);
        QCOMPARE(f.harness.Find<QTabBar>("categoryTabs")->count(), 0);
        QVERIFY(!f.harness.Find<QTabBar>("categoryTabs")->isVisible());
        QCOMPARE(window.currentCategory(), std::string("Length"));

        auto again = f.Open();
        Child<QCheckBox>(*again, "showCategoryTabs")->click();
        PressStandardButton(*again, QDialogButtonBox::Ok);
        auto *tabs = f.harness.Find<QTabBar>("categoryTabs");
        QCOMPARE(tabs->count(), 7); // every category, the hidden one shown too (Show Hidden is on)
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QString("Length"));
        QVERIFY(tabs->isVisible());
    }

    // Sorting on: alphabetical lists, the selection kept, the Sort Units button pressed.
    void sortTicked_sortsTheListsAndKeepsTheSelection() {
        Fixture f;
        MainWindow &window = f.Start();
        auto *input = f.harness.Find<QListWidget>("inputList");
        auto *output = f.harness.Find<QListWidget>("outputList");
        QCOMPARE(Rows(input).first(), QString("meter"));
        ClickRow(input, "foot");
        ClickRow(output, "inch");
        auto dialog = f.Open();
        Child<QCheckBox>(*dialog, "sortUnits")->click();
        PressStandardButton(*dialog, QDialogButtonBox::Ok);
        QCOMPARE(Rows(input),
                 (QStringList{"foot", "inch", "kilometer", "meter", "mile", "survey foot", "yard"}));
        QCOMPARE(SelectedNames(input), QStringList{"foot"});
        QCOMPARE(SelectedNames(output), QStringList{"inch"});
        QVERIFY(window.findChild<QAction *>("sortUnitsAction")->isChecked());
        QCOMPARE(f.harness.Find<QLineEdit>("resultField")->text(), QString("24"));
    }

    void allResultsTicked_showsTheValueColumn() {
        Fixture f;
        MainWindow &window = f.Start();
        auto dialog = f.Open();
        Child<QCheckBox>(*dialog, "showAllResults")->click();
        PressStandardButton(*dialog, QDialogButtonBox::Ok);
        auto *output = f.harness.Find<OutputUnitList>("outputList");
        QCOMPARE(output->mode(), OutputUnitList::Mode::TwoColumns);
        QVERIFY(window.findChild<QAction *>("showAllResultsAction")->isChecked());
        QCOMPARE(output->values().size(), output->count());
        QCOMPARE(output->values().at(RowOf(output, "kilometer")), QString("0.002"));

        auto again = f.Open();
        Child<QCheckBox>(*again, "showAllResults")->click();
        PressStandardButton(*again, QDialogButtonBox::Ok);
        QCOMPARE(output->mode(), OutputUnitList::Mode::Standard);
        QVERIFY(output->values().isEmpty());
        QVERIFY(!window.findChild<QAction *>("showAllResultsAction")->isChecked());
    }

    void trayTicked_checksTheMenuItem() {
        Fixture f;
        MainWindow &window = f.Start();
        auto dialog = f.Open();
        Child<QCheckBox>(*dialog, "minimizeToTray")->click();
        PressStandardButton(*dialog, QDialogButtonBox::Ok);
        QVERIFY(window.settings().tray);
        QVERIFY(window.findChild<QAction *>("minimizeToTrayAction")->isChecked());
    }

    // The browse button fills the path field; the path goes into CalcPath as it is.
    void otherCalculator_browsedPathWithSpacesAndQuotes() {
        Fixture f;
        MainWindow &window = f.Start();
        auto dialog = f.Open();
        auto *path = Child<QLineEdit>(*dialog, "calculatorPath");
        auto *browse = Child<QToolButton>(*dialog, "browseCalculatorButton");
        QVERIFY(!path->isEnabled() && !browse->isEnabled());
        Child<QRadioButton>(*dialog, "otherCalculator")->click();
        QVERIFY(path->isEnabled() && browse->isEnabled());
        const std::string chosen = "/opt/my \"calc\" 'x'/run calc";
        f.harness.prompts.fileAnswers.push_back(chosen);
        browse->click();
        QCOMPARE(path->text().toStdString(), chosen);
        QCOMPARE(f.harness.prompts.log.back(),
                 std::string("open [Calculator Program] /usr/bin ") + PreferencesDialog::kCalculatorFilter);
        browse->click(); // cancelled: the path stays
        QCOMPARE(path->text().toStdString(), chosen);
        QCOMPARE(f.harness.prompts.log.back().rfind("open [Calculator Program] /opt/my \"calc\" 'x' ", 0),
                 0u);
        PressStandardButton(*dialog, QDialogButtonBox::Ok);
        QCOMPARE(window.settings().CalcPath, chosen);
        QVERIFY(!window.settings().GeCaDefa);
    }

    // A path the settings file cannot hold is refused with a message and never stored; one it can
    // hold (Windows-1252 letters such as é) is stored and reads back exactly.
    void otherCalculator_pathOutsideTheSettingsEncoding_isRefused() {
        Fixture f;
        MainWindow &window = f.Start();
        const std::string before = window.settings().CalcPath;
        auto dialog = f.Open();
        Child<QRadioButton>(*dialog, "otherCalculator")->click();
        auto *path = Child<QLineEdit>(*dialog, "calculatorPath");
        path->setText(QString::fromUtf8("/opt/\u8ba1\u7b97\u5668/calc"));
        PressStandardButton(*dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog->result(), 0);
        QVERIFY(!f.harness.prompts.log.empty());
        QVERIFY2(f.harness.prompts.log.back().find("cannot store") != std::string::npos,
                 f.harness.prompts.log.back().c_str());
        QCOMPARE(window.settings().CalcPath, before);
        path->setText(QString::fromUtf8("/opt/caf\u00e9/calc"));
        PressStandardButton(*dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog->result(), 1);
        QCOMPARE(QtCp1252::ToQString(window.settings().CalcPath), QString::fromUtf8("/opt/caf\u00e9/calc"));
        QVERIFY(!window.settings().GeCaDefa);
    }

    // ---- the start-up link ----

    void runOnStartUp_createsAnEntryThatStartsInTheTray() {
        Fixture f;
        f.Start();
        auto dialog =
            std::make_unique<PreferencesDialog>(*f.harness.window(), StartupLink::ForRunningProgram());
        Child<QCheckBox>(*dialog, "runOnStartUp")->click();
        PressStandardButton(*dialog, QDialogButtonBox::Ok);
        QVERIFY(f.harness.prompts.log.empty());
        const auto link = ShellLinker::ReadShellLink(f.Link());
        QVERIFY(link.has_value());
        QCOMPARE(link->target, Paths::ExecutablePath());
        QCOMPARE(link->arguments.size(), std::size_t(1));
        f.harness.Finish();
        // The program started with the entry's arguments stays in the notification area.
        MainWindow &tray = f.harness.Create(link->arguments.front(), true);
        QVERIFY(tray.startsHidden());
        f.harness.Finish();
        MainWindow &noTray = f.harness.Create(link->arguments.front(), false);
        QVERIFY(!noTray.startsHidden());
    }

    void runOnStartUp_bringsTheLinkInLine_data() {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("correct") << "\"/opt/Mensurio Apps/mensurio\" tray" << false;
        QTest::newRow("correct, other letter case") << "\"/opt/mensurio apps/Mensurio\" Tray" << false;
        QTest::newRow("another copy") << "/usr/local/bin/mensurio tray" << true;
        QTest::newRow("without tray") << "\"/opt/Mensurio Apps/mensurio\"" << true;
        QTest::newRow("malformed") << "\"/opt/Mensurio Apps/mensurio tray" << true;
    }
    void runOnStartUp_bringsTheLinkInLine() {
        QFETCH(QString, exec);
        QFETCH(bool, replaced);
        Fixture f;
        f.WriteLink(exec.toStdString());
        const std::string before = readFile(f.Link());
        f.Start();
        auto dialog = f.Open();
        QCheckBox *box = Child<QCheckBox>(*dialog, "runOnStartUp");
        QVERIFY(box->isChecked());
        box->click();
        box->click(); // ticked again: touched, so the link is checked
        PressStandardButton(*dialog, QDialogButtonBox::Ok);
        const std::string after = readFile(f.Link());
        if (replaced)
            QCOMPARE(after, ShellLinker::EntryText(StartupLink(f.Autostart(), kExe).WantedLink()));
        else
            QCOMPARE(after, before);
        QVERIFY(f.harness.prompts.log.empty());
    }

    void runOnStartUpCleared_deletesTheLink() {
        Fixture f;
        f.WriteLink("\"/opt/Mensurio Apps/mensurio\" tray");
        f.Start();
        auto dialog = f.Open();
        Child<QCheckBox>(*dialog, "runOnStartUp")->click();
        PressStandardButton(*dialog, QDialogButtonBox::Ok);
        QVERIFY(!std::filesystem::exists(f.Link()));
        QVERIFY(f.harness.prompts.log.empty());
    }

    // The warnings do not stop the rest of OK.
    void linkThatCannotBeWritten_warnsAndAppliesTheRest() {
        Fixture f;
        f.harness.dir.write("config", "a file where the folder should be");
        MainWindow &window = f.Start();
        auto dialog = f.Open();
        Child<QCheckBox>(*dialog, "runOnStartUp")->click();
        Child<QCheckBox>(*dialog, "minimizeToTray")->click();
        PressStandardButton(*dialog, QDialogButtonBox::Ok);
        QCOMPARE(f.harness.prompts.log,
                 (std::vector<std::string>{"beep", "warning: Could not create link."}));
        QVERIFY(window.settings().tray);
    }

    void linkThatCannotBeDeleted_warns() {
        Fixture f;
        std::filesystem::create_directories(f.Link() + "/in the way"); // a folder cannot be unlinked
        f.Start();
        auto dialog = f.Open();
        QVERIFY(Child<QCheckBox>(*dialog, "runOnStartUp")->isChecked());
        Child<QCheckBox>(*dialog, "runOnStartUp")->click();
        PressStandardButton(*dialog, QDialogButtonBox::Ok);
        QCOMPARE(f.harness.prompts.log,
                 (std::vector<std::string>{"beep", "warning: Could not delete StartUp link."}));
    }

    void linkOnAFullDisk_warnsAndLeavesNoPartialFile() {
        Fixture f;
        std::filesystem::create_directories(f.Autostart());
        f.Start();
        auto dialog = f.Open();
        Child<QCheckBox>(*dialog, "runOnStartUp")->click();
        {
            const FileSizeLimit limit(20);
            PressStandardButton(*dialog, QDialogButtonBox::Ok);
        }
        QCOMPARE(f.harness.prompts.log,
                 (std::vector<std::string>{"beep", "warning: Could not create link."}));
        QVERIFY(std::filesystem::is_empty(f.Autostart()));
    }
};

QTEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
