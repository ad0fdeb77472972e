// SPDX-License-Identifier: MIT
// The conversion window's commands and menus.
#include "ui/mainwindow/MainWindow.h"

#include "ui/mainwindow/OutputUnitList.h"
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

void TForm1::createActions() {
    createActionMenuActions();
    createEditAndRecordActions();
    createViewAndHelpActions();
    WindowActions &a = m_actions;
    // A checked command with an icon shows a framed icon in a menu instead of a tick: the menus
    // show the tick, the toolbar buttons keep their glyphs.
    for (QAction *toggle : {a.ShowAllResults1, a.Record1})
        toggle->setIconVisibleInMenu(false);
}

void TForm1::createActionMenuActions() {
    WindowActions &a = m_actions;
    a.InvertConversion1 = MakeAction(this, "InvertConversion1", "&Invert Conversion", QKeySequence("Ctrl+I"),
                                     "Invert Conversion");
    a.ClearInputField1 = MakeAction(this, "ClearInputField1", "&Clear Input Field", QKeySequence("Ctrl+Del"));
    a.ClearConversionMemory1 = MakeAction(this, "ClearConversionMemory1", "Clea&r Conversion Memory");
    a.CreateConversionTable1 = MakeAction(this, "CreateConversionTable1", "Create Conversion &Table",
                                          QKeySequence("Ctrl+T"), "Create Convesion Table");
    a.ManageUnitsandCategories1 = MakeAction(this, "ManageUnitsandCategories1",
                                             "Mana&ge Units and Categories...", QKeySequence(Qt::Key_F4));
    a.Preferences1 = MakeAction(this, "Preferences1", "&Preferences...", {}, "Preferences");
    a.Find1 = MakeAction(this, "Find1", "&Find...", QKeySequence("Ctrl+F"), "Find dialog");
    a.HandheldExport1 = MakeAction(this, "HandheldExport1", "Export for &Handheld...");
    a.Exit1 = MakeAction(this, "Exit1", "E&xit");
}

void TForm1::createEditAndRecordActions() {
    WindowActions &a = m_actions;
    a.Cut1 = MakeAction(this, "Cut1", "Cu&t", QKeySequence("Ctrl+X"), "Cut");
    a.Copy1 = MakeAction(this, "Copy1", "&Copy", QKeySequence("Ctrl+C"), "Copy");
    a.Paste1 = MakeAction(this, "Paste1", "&Paste", QKeySequence("Ctrl+V"), "Paste");
    a.Selectall1 = MakeAction(this, "Selectall1", "Se&lect all");
    for (QAction *edit : {a.Cut1, a.Copy1, a.Paste1}) // the fields handle their own keys
        edit->setShortcutContext(Qt::WidgetShortcut);
    a.Record1 = MakeAction(this, "Record1", "&Record", QKeySequence("Ctrl+R"));
    a.Record1->setCheckable(true);
    a.AddItem1 = MakeAction(this, "AddItem1", "&Add Item", QKeySequence("Ctrl+A"), "Add Item");
    a.RemoveLastItem1 = MakeAction(this, "RemoveLastItem1", "Re&move Last Item", QKeySequence("Ctrl+M"),
                                   "Remove Last Item");
    a.DeleteAllItems1 = MakeAction(this, "DeleteAllItems1", "&Delete All Items", QKeySequence("Ctrl+D"),
                                   "Delete All Items");
    a.CopyConversion1 = MakeAction(this, "CopyConversion1", "&Copy Conversion", QKeySequence(Qt::Key_F5),
                                   "Copy Conversion to Clipboard");
    a.CopyAllConversions1 = MakeAction(this, "CopyAllConversions1", "Copy A&ll Conversions",
                                       QKeySequence("Ctrl+L"), "Copy All Conversions to Clipboard");
    a.CopyRecord1 = MakeAction(this, "CopyRecord1", "C&opy Record", QKeySequence("Ctrl+O"),
                               "Copy Record to Clipboard");
}

void TForm1::createViewAndHelpActions() {
    WindowActions &a = m_actions;
    a.Units1 = MakeAction(this, "Units1", "&Units...", {}, "Custom Units");
    a.Categories1 = MakeAction(this, "Categories1", "&Categories...", {}, "Custom Categories");
    a.ShowAllResults1 = MakeAction(this, "ShowAllResults1", "&Show All Results", QKeySequence(Qt::Key_F6),
                                   "Show All Results");
    a.ShowHidden1 = MakeAction(this, "ShowHidden1", "Show &Hidden", QKeySequence(Qt::Key_F3));
    a.MinimizetoTray1 = MakeAction(this, "MinimizetoTray1", "&Minimize to Tray");
    a.Toolbar1 = MakeAction(this, "Toolbar1", "&Toolbar");
    a.AdvancedToolbar1 = MakeAction(this, "AdvancedToolbar1", "Record&bar");
    a.SortUnits1 = MakeAction(this, "SortUnits1", "AZ", {}, "Sort Units");
    for (QAction *toggle :
         {a.ShowAllResults1, a.ShowHidden1, a.MinimizetoTray1, a.Toolbar1, a.AdvancedToolbar1, a.SortUnits1})
        toggle->setCheckable(true);
    a.TipoftheDay1 = MakeAction(this, "TipoftheDay1", "Tip of the Day...");
    a.HelpTopics1 = MakeAction(this, "HelpTopics1", "&Help Topics", QKeySequence(Qt::Key_F1), "Help");
    a.Calculator1 = MakeAction(this, "Calculator1", "&Calculator", QKeySequence(Qt::Key_F12), "Calculator");
    a.MetricPrefixes1 = MakeAction(this, "MetricPrefixes1", "&Metric Prefixes");
    a.About2 = MakeAction(this, "About2", "&About...");
}

void TForm1::createMenus() {
    const WindowActions &a = m_actions;
    QMenu *action = menuBar()->addMenu("&Action");
    action->addActions({a.InvertConversion1, a.ClearInputField1, a.ClearConversionMemory1});
    action->addSeparator();
    action->addActions(
        {a.CreateConversionTable1, a.ManageUnitsandCategories1, a.Preferences1, a.Find1, a.HandheldExport1});
    action->addSeparator();
    action->addAction(a.Exit1);
    QMenu *edit = menuBar()->addMenu("&Edit");
    edit->addActions({a.Cut1, a.Copy1, a.Paste1});
    edit->addSeparator();
    edit->addAction(a.Selectall1);
    QMenu *record = menuBar()->addMenu("&Record");
    record->addActions({a.Record1, a.AddItem1, a.RemoveLastItem1, a.DeleteAllItems1});
    record->addSeparator();
    record->addActions({a.CopyConversion1, a.CopyAllConversions1, a.CopyRecord1});
    QMenu *view = menuBar()->addMenu("&View");
    view->addActions({a.Units1, a.Categories1});
    view->addSeparator();
    view->addActions({a.ShowAllResults1, a.ShowHidden1, a.MinimizetoTray1});
    view->addSeparator();
    view->addActions({a.Toolbar1, a.AdvancedToolbar1});
    QMenu *help = menuBar()->addMenu("&Help");
    help->addActions({a.TipoftheDay1, a.HelpTopics1, a.Calculator1, a.MetricPrefixes1});
    help->addSeparator();
    help->addAction(a.About2);
}

void TForm1::connectActions() {
    const WindowActions &a = m_actions;
    connect(a.InvertConversion1, &QAction::triggered, this, &TForm1::InvertConversion1Click);
    connect(a.ClearInputField1, &QAction::triggered, this, &TForm1::ClearInputField1Click);
    connect(a.ClearConversionMemory1, &QAction::triggered, this, &TForm1::ClearConversionMemory1Click);
    connect(a.HandheldExport1, &QAction::triggered, this, &TForm1::SpeedButton125Click);
    connect(a.Exit1, &QAction::triggered, this, &QWidget::close);
    connect(a.Preferences1, &QAction::triggered, this, &TForm1::Preferences1Click);
    connect(a.SortUnits1, &QAction::triggered, this, &TForm1::ToolbarButton971Click);
    connect(a.ShowAllResults1, &QAction::triggered, this, &TForm1::ToolbarButton972Click);
    connect(a.ShowHidden1, &QAction::triggered, this, &TForm1::ShowHidden1Click);
    connect(a.CreateConversionTable1, &QAction::triggered, this, [this] {
        TPagesDlg6 dialog(m_database, m_settings, *m_environment.prompts, m_separators, this);
        dialog.exec();
    });
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TForm1::PopupMenu1Popup);
    connectCustomiseCommands();
    connect(Panel2, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu1->popup(Panel2->mapToGlobal(at)); });
}

} // namespace mensurio
