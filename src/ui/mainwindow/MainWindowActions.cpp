// SPDX-License-Identifier: MIT
// The conversion window's commands and menus.
#include "ui/mainwindow/MainWindow.h"

#include "ui/mainwindow/OutputUnitList.h"
#include "ui/rates/CurrencyRates.h"
#include "ui/tables/TablesDialog.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace mensurio {

namespace {

QAction *MakeAction(QObject *parent, const char *name, const QString &caption, const QKeySequence &key = {},
                    const QString &hint = {}) {
    auto *action = new QAction(caption, parent);
    action->setObjectName(name);
    if (!key.isEmpty())
        action->setShortcut(key);
    if (!hint.isEmpty())
        action->setToolTip(hint);
    return action;
}

} // namespace

void MainWindow::createActions() {
    createActionMenuActions();
    createEditAndRecordActions();
    createViewAndHelpActions();
    WindowActions &a = m_actions;
    // A checked command with an icon shows a framed icon in a menu instead of a tick: the menus
    // show the tick, the toolbar buttons keep their glyphs.
    for (QAction *toggle : {a.showAllResults, a.record})
        toggle->setIconVisibleInMenu(false);
}

void MainWindow::createActionMenuActions() {
    WindowActions &a = m_actions;
    a.invertConversion = MakeAction(this, "invertConversionAction", "&Invert Conversion",
                                    QKeySequence("Ctrl+I"), "Invert Conversion");
    a.clearInputField =
        MakeAction(this, "clearInputFieldAction", "&Clear Input Field", QKeySequence("Ctrl+Del"));
    a.clearConversionMemory = MakeAction(this, "clearConversionMemoryAction", "Clea&r Conversion Memory");
    a.createConversionTable = MakeAction(this, "createConversionTableAction", "Create Conversion &Table",
                                         QKeySequence("Ctrl+T"), "Create Convesion Table");
    a.manageUnitsAndCategories = MakeAction(this, "manageUnitsAndCategoriesAction",
                                            "Mana&ge Units and Categories...", QKeySequence(Qt::Key_F4));
    a.preferences = MakeAction(this, "preferencesAction", "&Preferences...", {}, "Preferences");
    a.find = MakeAction(this, "findAction", "&Find...", QKeySequence("Ctrl+F"), "Find dialog");
    a.handheldExport = MakeAction(this, "handheldExportAction", "Export for &Handheld...");
    a.exit = MakeAction(this, "exitAction", "E&xit");
}

void MainWindow::createEditAndRecordActions() {
    WindowActions &a = m_actions;
    a.cut = MakeAction(this, "cutAction", "Cu&t", QKeySequence("Ctrl+X"), "Cut");
    a.copy = MakeAction(this, "copyAction", "&Copy", QKeySequence("Ctrl+C"), "Copy");
    a.paste = MakeAction(this, "pasteAction", "&Paste", QKeySequence("Ctrl+V"), "Paste");
    a.selectAll = MakeAction(this, "selectAllAction", "Se&lect all");
    for (QAction *edit : {a.cut, a.copy, a.paste}) // the fields handle their own keys
        edit->setShortcutContext(Qt::WidgetShortcut);
    a.record = MakeAction(this, "recordAction", "&Record", QKeySequence("Ctrl+R"));
    a.record->setCheckable(true);
    a.addItem = MakeAction(this, "addItemAction", "&Add Item", QKeySequence("Ctrl+A"), "Add Item");
    a.removeLastItem = MakeAction(this, "removeLastItemAction", "Re&move Last Item", QKeySequence("Ctrl+M"),
                                  "Remove Last Item");
    a.deleteAllItems = MakeAction(this, "deleteAllItemsAction", "&Delete All Items", QKeySequence("Ctrl+D"),
                                  "Delete All Items");
    a.copyConversion = MakeAction(this, "copyConversionAction", "&Copy Conversion", QKeySequence(Qt::Key_F5),
                                  "Copy Conversion to Clipboard");
    a.copyAllConversions = MakeAction(this, "copyAllConversionsAction", "Copy A&ll Conversions",
                                      QKeySequence("Ctrl+L"), "Copy All Conversions to Clipboard");
    a.copyRecord = MakeAction(this, "copyRecordAction", "C&opy Record", QKeySequence("Ctrl+O"),
                              "Copy Record to Clipboard");
}

void MainWindow::createViewAndHelpActions() {
    WindowActions &a = m_actions;
    a.customUnits = MakeAction(this, "customUnitsAction", "&Units...", {}, "Custom Units");
    a.customCategories =
        MakeAction(this, "customCategoriesAction", "&Categories...", {}, "Custom Categories");
    a.showAllResults = MakeAction(this, "showAllResultsAction", "&Show All Results", QKeySequence(Qt::Key_F6),
                                  "Show All Results");
    a.showHidden = MakeAction(this, "showHiddenAction", "Show &Hidden", QKeySequence(Qt::Key_F3));
    a.minimizeToTray = MakeAction(this, "minimizeToTrayAction", "&Minimize to Tray");
    a.showToolbar = MakeAction(this, "showToolbarAction", "&Toolbar");
    a.showRecordbar = MakeAction(this, "showRecordbarAction", "Record&bar");
    a.sortUnits = MakeAction(this, "sortUnitsAction", "AZ", {}, "Sort Units");
    for (QAction *toggle :
         {a.showAllResults, a.showHidden, a.minimizeToTray, a.showToolbar, a.showRecordbar, a.sortUnits})
        toggle->setCheckable(true);
    a.tipOfTheDay = MakeAction(this, "tipOfTheDayAction", "Tip of the Day...");
    a.helpTopics = MakeAction(this, "helpTopicsAction", "&Help Topics", QKeySequence(Qt::Key_F1), "Help");
    a.calculator =
        MakeAction(this, "calculatorAction", "&Calculator", QKeySequence(Qt::Key_F12), "Calculator");
    a.metricPrefixes = MakeAction(this, "metricPrefixesAction", "&Metric Prefixes");
    a.about = MakeAction(this, "aboutAction", "&About...");
}

void MainWindow::createMenus() {
    const WindowActions &a = m_actions;
    QMenu *action = menuBar()->addMenu("&Action");
    action->addActions({a.invertConversion, a.clearInputField, a.clearConversionMemory});
    action->addSeparator();
    action->addActions(
        {a.createConversionTable, a.manageUnitsAndCategories, a.preferences, a.find, a.handheldExport});
    action->addAction(m_currencyRates->UpdateAction());
    action->addSeparator();
    action->addAction(a.exit);
    QMenu *edit = menuBar()->addMenu("&Edit");
    edit->addActions({a.cut, a.copy, a.paste});
    edit->addSeparator();
    edit->addAction(a.selectAll);
    QMenu *record = menuBar()->addMenu("&Record");
    record->addActions({a.record, a.addItem, a.removeLastItem, a.deleteAllItems});
    record->addSeparator();
    record->addActions({a.copyConversion, a.copyAllConversions, a.copyRecord});
    QMenu *view = menuBar()->addMenu("&View");
    view->addActions({a.customUnits, a.customCategories});
    view->addSeparator();
    view->addActions({a.showAllResults, a.showHidden, a.minimizeToTray});
    view->addSeparator();
    view->addActions({a.showToolbar, a.showRecordbar});
    QMenu *help = menuBar()->addMenu("&Help");
    help->addActions({a.tipOfTheDay, a.helpTopics, a.calculator, a.metricPrefixes});
    help->addSeparator();
    help->addAction(a.about);
}

void MainWindow::connectActions() {
    const WindowActions &a = m_actions;
    connect(a.invertConversion, &QAction::triggered, this, &MainWindow::invertConversion);
    connect(a.clearInputField, &QAction::triggered, this, &MainWindow::clearInputField);
    connect(a.clearConversionMemory, &QAction::triggered, this, &MainWindow::clearConversionMemory);
    connect(a.handheldExport, &QAction::triggered, this, &MainWindow::exportForHandheld);
    connect(a.exit, &QAction::triggered, this, &QWidget::close);
    connect(a.preferences, &QAction::triggered, this, &MainWindow::showPreferences);
    connect(a.sortUnits, &QAction::triggered, this, &MainWindow::sortUnitsToggled);
    connect(a.showAllResults, &QAction::triggered, this, &MainWindow::showAllResultsToggled);
    connect(a.showHidden, &QAction::triggered, this, &MainWindow::showHiddenToggled);
    connect(a.createConversionTable, &QAction::triggered, this, [this] {
        TablesDialog dialog(m_database, m_settings, *m_environment.prompts, m_separators, this);
        dialog.exec();
    });
    connect(m_categoryPopup, &QMenu::aboutToShow, this, &MainWindow::categoryPopupAboutToShow);
    connectCustomiseCommands();
    connect(m_listsArea, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_categoryPopup->popup(m_listsArea->mapToGlobal(at)); });
}

} // namespace mensurio
