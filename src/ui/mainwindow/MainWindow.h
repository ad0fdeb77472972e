// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/UnitDatabase.h"
#include "core/engine/Engine.h"
#include "core/layout/WindowLayout.h"
#include "core/record/ConversionRecord.h"
#include "core/settings/ConversionMemory.h"
#include "core/settings/FontSettings.h"
#include "core/settings/IniFile.h"
#include "core/settings/ProgramSettings.h"
#include "core/settings/ToolbarPlacement.h"
#include "ui/mainwindow/WindowActions.h"
#include "ui/mainwindow/WindowEnvironment.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QSystemTrayIcon;
class QTabBar;
class QToolBar;
class QToolButton;

namespace mensurio {

class CategoryMemory;
class CurrencyRates;
class CategoryMenu;
class CategoryTabs;
struct FindEntry;
class ConversionBridge;
class OutputUnitList;
struct PreferenceChanges;

/// The conversion window: starts and ends the run, turns every user action into a conversion
/// and hosts the commands of the other parts of the program.
class MainWindow : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)
  public:
    static constexpr int DesignWidth = 561;
    static constexpr int DesignHeight = 385;

    /// Creates the window and loads the units database (FormCreate). Check startedOk() before
    /// showing it: when neither database file could be read, the program must end at once.
    explicit MainWindow(WindowEnvironment environment, QWidget *parent = nullptr);
    /// Saves the database, the settings and the toolbar placement when the window was shown (FormDestroy).
    ~MainWindow() override;

    bool startedOk() const { return m_startedOk; }
    /// Started with "tray" on a desktop with a notification area: only the icon shows.
    bool startsHidden() const { return startedInTray; }
    bool started() const { return m_started; }
    /// Another start of the program asked for this window: it leaves the notification area or
    /// its minimised state and comes to the front, with the dialog the user is in above it.
    void BringToFront();

    // Operations the dialogs call.
    void categoryChanged(QObject *sender = nullptr);
    void RebuildLists();
    void RebuildCategoryList();
    void RebuildUnitLists(const std::string &category, const CapturedSelection &selection);
    void SelectInputUnit(int index);
    void SelectOutputUnit(int index);
    int FirstSelectedInput() const;
    int FirstSelectedOutput() const;
    void ApplyFonts();
    void ApplySortButton();
    void LayoutWindow();
    void LayoutForCategory();
    /// Runs the engine on the current input, selections and settings and shows the result.
    void Convert();

    /// Shows Toolbar971 and Toolbar972 and checks their menu items per the two settings.
    void ApplyToolbarSettings();

    // Preferences (MainWindowPreferences.cpp)
    const FontSpec &FieldFont() const { return fieldFont; }
    const FontSpec &TabFont() const { return tabFont; }
    const NumberSeparators &Separators() const { return m_separators; }
    Prompts &prompts() const { return *m_environment.prompts; }
    /// Brings the window in line with the settings the Preferences dialog stored, doing only
    /// what `changes` says was touched: fonts (written to the settings file), tabs, toolbars,
    /// unit order, all results, then a conversion in the new format.
    void ApplyPreferences(const PreferenceChanges &changes);
    /// The "&Minimize to Tray" choice of the Preferences dialog.
    void ApplyTrayPreference(bool minimizeToTray);
    /// The enabled state of Cut, Copy, Paste and Select all for the focused control.
    void UpdateEditCommands();
    const ConversionRecord &record() const { return m_record; }

    /// Shows the tip of the day (the start-up showing and "Tip of the Day..."); tests put a
    /// recorder here instead of the modal dialog.
    using TipOfTheDayHook = std::function<void(ProgramSettings &, QWidget *)>;
    void SetTipOfTheDayHook(TipOfTheDayHook hook) { m_showTipOfTheDay = std::move(hook); }

    /// The custom units and custom categories dialogs, run modally when the manage dialog's
    /// "Units" and "Categories" buttons are pressed; unset, those buttons are disabled.
    void SetCustomDialogs(std::function<void()> customUnits, std::function<void()> customCategories);
    /// Find's Go: switches to the found category, or to the found unit's category and selects
    /// the unit, turning Show Hidden on first when the entry is hidden.
    void GoToFound(const FindEntry &entry);

    /// The exchange rates of the Currency category (owned by the window).
    CurrencyRates *currencyRates() const { return m_currencyRates; }
    ProgramSettings &settings() { return m_settings; }
    UnitDatabase &database() { return m_database; }
    Engine &engine() { return m_engine; }
    IniFile &settingsFile() { return m_settingsFile; }
    const std::string &currentCategory() const { return m_settings.AktualCate; }
    bool categoryHasUnits() const { return m_categoryHasUnits; }

  protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    // Construction (MainWindow.cpp)
    void FormCreate();
    void createWidgets();
    QWidget *createFieldsStrip();
    QWidget *createListsArea();
    // Menus and toolbar (MainWindowActions.cpp)
    void createActions();
    void createActionMenuActions();
    void createEditAndRecordActions();
    void createViewAndHelpActions();
    void createMenus();
    void connectActions();
    // Toolbars (MainWindowToolbars.cpp)
    void createToolbar();
    void createRecordbar();
    void connectToolbars();
    void toolbarToggled(bool checked);
    void recordbarToggled(bool checked);
    void toggleToolbar(QToolBar *bar, bool &setting, bool show);
    void toolbarVisibilityChanged(QToolBar *bar);
    void toolbarDockChanged(QToolBar *bar);
    void LoadToolbarPlacement();
    void SaveToolbarPlacement();
    // Layout (MainWindowLayout.cpp)
    LayoutInput layoutInput();
    void applyCategoryLayout(const CategoryLayout &layout);
    void clientAreaResized();
    // Edit commands and the clipboard (MainWindowEditCommands.cpp)
    void connectEditCommands();
    void editCommand(const std::function<void(QLineEdit &)> &command);
    void pasteIntoField();
    void ClipboardChanged();
    void enableEditCommands(bool cut, bool copy, bool paste, bool selectAll);
    // Notification area (MainWindowTray.cpp)
    void createTrayIcon();
    void restoreFromTray();
    void minimizeToTrayToggled(bool checked);
    void updateTrayIcon();
    void minimizedToTray();
    bool trayPresentNow() const;
    // Conversion record (MainWindowRecord.cpp)
    void connectRecordCommands();
    ConversionSnapshot conversionSnapshot() const;
    void putOnClipboard(const std::string &text);
    void addRecordItem();
    void copyConversion();
    void copyAllConversions();
    void copyRecord();
    void recordKeyFilter(QObject *watched, QEvent *event);
    // Custom units and categories (MainWindowCustom.cpp)
    void connectCustomCommands();
    void showCustomUnits();
    void showCustomCategories();
    void showPreferences();
    // Handheld export (MainWindowHandheldExport.cpp)
    void exportForHandheld();
    // Tip of the day (MainWindowHelp.cpp)
    void showTipOfTheDay();
    // Help menu and pictures (MainWindowHelp.cpp)
    void applyIcons();
    // Names and Tab order (MainWindowAccessibility.cpp)
    void setUpAccessibility();
    void connectHelpCommands();
    // Start (MainWindowStartup.cpp)
    bool LoadDatabaseAtStart();
    void UpdateBuiltinData();
    void FormShow();
    bool CodePageTestPasses();
    void ApplyPressureSelectors();
    void ApplyPlacement();
    QRect placementOnScreens() const;
    // Lists (MainWindowLists.cpp)
    void fillCategoryList();
    void clearCategoryList();
    void selectCurrentCategoryAtStart();
    void followCurrentCategory(bool moveTab);
    void SetMultiSelectMode(const std::string &category);
    void fillUnitLists(const std::string &category);
    void clearUnitLists();
    void SplitCategoryMenu();
    void FitCategoryButton();
    void categoryPopupAboutToShow();
    void categoryChosen(int index, QObject *sender);
    // Events (MainWindowEvents.cpp)
    void connectEvents();
    void valueEdited();
    void inputListClicked();
    void outputListClicked();
    void inputPressureChanged(int index);
    void outputPressureChanged(int index);
    void invertConversion();
    void invertSingle(bool specialCategory);
    bool invertCombination();
    void clearInputField();
    void sortUnitsToggled(bool down);
    void showHiddenToggled(bool checked);
    void showAllResultsToggled(bool down);
    // Conversion memory (MainWindowMemory.cpp)
    void createCategoryMemory();
    CapturedSelection CaptureSelection() const;
    std::string CaptureOutputCodes() const;
    void ApplySelection(const CapturedSelection &selection);
    void ApplyOutputCodes(const std::string &codes);
    void SaveCategoryMemory();
    void RestoreCategoryMemory();
    void clearConversionMemory();
    // Find and Manage Units and Categories (MainWindowCustomise.cpp)
    void connectCustomiseCommands();
    void showFind();
    void showManageDialog();
    void SetShowHidden(bool on);
    // Shut-down (MainWindowShutdown.cpp)
    void FormClose();
    void FormDestroy();

    bool isSingleSelectionCategory() const;

    WindowEnvironment m_environment;
    IniFile m_settingsFile;
    ProgramSettings m_settings;
    FontSpec fieldFont;
    FontSpec tabFont;
    UnitDatabase m_database;
    Engine m_engine{m_database};
    NumberSeparators m_separators;
    std::unique_ptr<ConversionBridge> m_bridge;
    CurrencyRates *m_currencyRates = nullptr;

    bool m_startedOk = false;
    bool m_started = false;
    int m_dataVersionToRecord = 0; // written to the settings with the database that holds its units
    bool startedInTray = false;
    bool m_categoryHasUnits = false;
    std::unique_ptr<CategoryMemory> m_memory;
    std::unique_ptr<CategoryMenu> m_categoryMenu;      // categoryPopup's items; holds lastCheckedCategoryItem
    std::unique_ptr<CategoryTabs> m_categoryTabWindow; // which categories have a tab in categoryTabs
    ResizeSuppressCounter resizeSuppress;
    std::vector<ToolbarPlacement> m_toolbarPlacements; // as loaded: what a floating bar keeps
    bool clipboardHasText = false;
    bool m_painted = false; // the first paint has shown the tip of the day
    ConversionRecord m_record;
    TipOfTheDayHook m_showTipOfTheDay;
    std::function<void()> m_customUnitsDialog;
    std::function<void()> m_customCategoriesDialog;

    // Controls.
    QWidget *m_clientArea = nullptr;
    QFrame *m_tabPage = nullptr; // the tab control's page: the fields strip, the lists and the tabs
    QWidget *m_listsArea = nullptr;
    QWidget *m_fieldsStrip = nullptr;
    QLineEdit *m_valueField = nullptr;
    QLineEdit *m_resultField = nullptr;
    QListWidget *m_inputList = nullptr;
    OutputUnitList *m_outputList = nullptr;
    QListWidget *m_codePageTestList = nullptr;
    QComboBox *m_inputPressure = nullptr;
    QComboBox *m_outputPressure = nullptr;
    QComboBox *m_categoryNames = nullptr;
    QToolButton *m_categoryButton = nullptr;
    QMenu *m_categoryPopup = nullptr;
    QTabBar *m_categoryTabs = nullptr;
    QLabel *m_fractionsHint = nullptr;
    QLabel *m_arrow = nullptr;
    QToolBar *m_toolbar = nullptr;
    QToolBar *m_recordbar = nullptr;
    QSystemTrayIcon *m_trayIcon = nullptr;
    WindowActions m_actions;
};

} // namespace mensurio
