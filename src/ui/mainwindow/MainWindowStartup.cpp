// SPDX-License-Identifier: MIT
// The start of a run: the database load at creation and the steps of the first show.
#include "ui/mainwindow/MainWindow.h"

#include "core/db/BuiltinUpdate.h"
#include "core/db/DatabaseFile.h"
#include "core/db/DatabaseLifecycle.h"
#include "core/layout/ScreenPlacement.h"
#include "core/platform/FileOps.h"
#include "core/platform/Prompts.h"
#include "core/settings/DataVersionSetting.h"
#include "ui/mainwindow/OutputUnitList.h"
#include "ui/shared/QtCp1252.h"
#include "ui/shared/QtFonts.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QList>
#include <QListWidget>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabBar>
#include <QToolBar>

#include <array>
#include <exception>
#include <string>

namespace mensurio {

namespace {

// Unit names whose superscripts, degree signs and quotes must survive the lists unchanged.
const std::array<std::string, 15> &CodePageTestNames() {
    static const std::array<std::string, 15> names = {"kilometer/second\xB2",
                                                      "meter\xB2",
                                                      "meter^3",
                                                      "meter^2",
                                                      "BTU-inch/hour-foot\xB2-\xB0"
                                                      "F",
                                                      "gigabyte (10^9 bytes)",
                                                      "floppy disk (3.5\", DD)",
                                                      "P.T.A. 2 (signal)",
                                                      "gram/meter\xB3",
                                                      "p/s(Gasoline at 15.5\xB0"
                                                      "C)",
                                                      "inch water (60\xB0"
                                                      "F)",
                                                      "BTU/pound \xB0"
                                                      "F",
                                                      "meter\xB3",
                                                      "pica (computer 1/6\")",
                                                      "pica (printer\x1Bs)"};
    return names;
}

} // namespace

bool MainWindow::LoadDatabaseAtStart() {
    if (!m_environment.preparationProblem.empty()) {
        m_environment.prompts->Beep();
        m_environment.prompts->Error(m_environment.preparationProblem);
    }
    // A settings save killed mid-write leaves its temporary file beside the file it replaces;
    // the file itself is whole. Only leftovers whose writer is gone are removed.
    FileOps::RemoveStaleTemporaries(FileOps::ResolveLink(m_settingsFile.Path()));
    // A settings file that is not a file, or far too large, is reported once and not read.
    if (const std::string problem = IniFile::CheckBeforeReading(m_settingsFile.Path()); !problem.empty()) {
        m_environment.prompts->Beep();
        m_environment.prompts->Error(problem);
    }
    {
        // Every key from one reading of the file instead of one reading per key; nothing is
        // written here, so the batch ends without touching the file.
        IniWriteBatch oneReading(m_settingsFile);
        m_settings = ReadSettings(m_settingsFile);
        fieldFont.ReadFromIni(m_settingsFile, kFieldFontPrefix);
        tabFont.ReadFromIni(m_settingsFile, kTabFontPrefix);
    }
    if (!DatabaseLifecycle::LoadDatabaseAtStart(m_database, m_environment.baseDirectory,
                                                *m_environment.prompts, m_settings.showhidden,
                                                m_environment.defaultDirectory))
        return false;
    UpdateBuiltinData();
    m_actions.minimizeToTray->setChecked(m_settings.tray);
    return true;
}

// The categories and units shipped since the data version the settings record (or, with none
// recorded, since the one the database most likely came from) join the user's database, and
// the user is told once. The version is recorded at exit, together with the saved database.
void MainWindow::UpdateBuiltinData() {
    const std::string &defaultDirectory =
        m_environment.defaultDirectory.empty() ? m_environment.baseDirectory : m_environment.defaultDirectory;
    const std::optional<BuiltinUpdateSummary> summary = BuiltinUpdate::FromShippedFile(
        m_database, FileOps::Join(defaultDirectory, DatabaseLifecycle::DefaultFile),
        ReadDataVersion(m_settingsFile));
    if (!summary)
        return;
    m_dataVersionToRecord = BuiltinDataVersion();
    const std::string added = BuiltinUpdate::SummaryText(*summary);
    if (!added.empty())
        m_environment.prompts->Information(std::string(kBuiltinDataAddedText) + added + ".");
}

void MainWindow::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (!m_started && m_startedOk)
        FormShow();
}

void MainWindow::FormShow() {
    m_started = true;
    if (m_database.LoadedFresh && !CodePageTestPasses()) {
        m_database.NamesSimplified = true;
        m_database.SimplifyNames();
    }
    m_outputList->setMode(m_settings.split ? OutputUnitList::Mode::TwoColumns
                                           : OutputUnitList::Mode::Standard);
    m_actions.showAllResults->setChecked(m_settings.split);
    m_actions.showHidden->setChecked(m_settings.showhidden);
    fillCategoryList();
    selectCurrentCategoryAtStart();
    SetMultiSelectMode(m_settings.AktualCate);
    fillUnitLists(m_settings.AktualCate);
    followCurrentCategory(true);
    ApplyFonts();
    RestoreCategoryMemory();
    SplitCategoryMenu();
    FitCategoryButton();
    LoadToolbarPlacement();
    ApplySortButton();
    ApplyPressureSelectors();
    ApplyPlacement();
    LayoutWindow();
    m_valueField->setFocus();
}

// The names go through the (hidden) list and back, and the window's font must hold every
// character above ASCII that they use; otherwise the names are simplified once.
bool MainWindow::CodePageTestPasses() {
    const QFontMetrics metrics(m_codePageTestList->font());
    m_codePageTestList->clear();
    for (const std::string &name : CodePageTestNames())
        m_codePageTestList->addItem(QtCp1252::ToQString(name));
    bool passes = true;
    for (int row = 0; row < m_codePageTestList->count(); ++row) {
        const QString shown = m_codePageTestList->item(row)->text();
        if (QtCp1252::FromQString(shown) != CodePageTestNames()[static_cast<std::size_t>(row)])
            passes = false;
        for (const char32_t codePoint : shown.toUcs4()) {
            if (codePoint > 127 && !metrics.inFontUcs4(codePoint))
                passes = false;
        }
    }
    m_codePageTestList->clear();
    return passes;
}

void MainWindow::ApplyFonts() {
    const QFont field = QtFonts::ToQFont(fieldFont, QApplication::font());
    const std::optional<QColor> fieldColor = QtFonts::TextColor(fieldFont);
    for (QWidget *widget : std::initializer_list<QWidget *>{
             m_valueField, m_resultField, m_inputList, m_outputList, m_inputPressure, m_outputPressure}) {
        widget->setFont(field);
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Text, fieldColor.value_or(QApplication::palette().color(QPalette::Text)));
        widget->setPalette(palette);
    }
    m_categoryTabs->setFont(QtFonts::ToQFont(tabFont, QApplication::font()));
}

void MainWindow::ApplySortButton() {
    m_actions.sortUnits->setChecked(m_settings.GeSoUnit);
}

void MainWindow::ApplyPressureSelectors() {
    const QSignalBlocker block1(m_inputPressure);
    const QSignalBlocker block2(m_outputPressure);
    m_inputPressure->setCurrentIndex(m_settings.com1abs ? 0 : 1);
    m_outputPressure->setCurrentIndex(m_settings.com2abs ? 0 : 1);
}

// The first run keeps the system's placement; later runs restore the stored one.
// The saved client area, moved onto a screen there is now when it fits none of them.
QRect MainWindow::placementOnScreens() const {
    std::vector<LayoutRect> screens;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        screens.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    const LayoutRect placed =
        PlaceOnScreens({m_settings.left, m_settings.top, m_settings.width, m_settings.height}, screens);
    return {placed.left, placed.top, placed.width, placed.height};
}

void MainWindow::ApplyPlacement() {
    if (m_settings.maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else if (m_settings.save) {
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
        setGeometry(placementOnScreens());
    } else {
        m_settings.save = true;
    }
}

} // namespace mensurio
