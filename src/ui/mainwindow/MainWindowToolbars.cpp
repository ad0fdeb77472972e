// SPDX-License-Identifier: MIT
// The two dockable toolbars: their buttons, showing and hiding them, and their placement.
#include "ui/mainwindow/MainWindow.h"

#include "ui/mainwindow/OutputUnitList.h"
#include "ui/mainwindow/ToolbarDocking.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace mensurio {

namespace {

struct Button {
    QAction *command; // null with a name: the category button; null without: a separator
    const char *name;
};

QToolBar *MakeToolbar(QMainWindow &window, const char *name, const QString &caption) {
    auto *bar = new QToolBar(caption, &window);
    bar->setObjectName(name);
    bar->setIconSize(QSize(16, 16)); // icons only, small enough for the design width
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return bar;
}

void AddButtons(QToolBar &bar, std::initializer_list<Button> buttons, QWidget *categoryButton) {
    for (const auto &[command, name] : buttons) {
        if (command == nullptr && name == nullptr)
            bar.addSeparator();
        else if (command == nullptr)
            bar.addWidget(categoryButton);
        else
            bar.addAction(command);
        if (command != nullptr)
            bar.widgetForAction(command)->setObjectName(name);
    }
}

} // namespace

void MainWindow::createToolbar() {
    m_toolbar = MakeToolbar(*this, kToolbarSection, "Toolbar");
    addToolBar(Qt::TopToolBarArea, m_toolbar);
    m_categoryPopup = new QMenu(this);
    m_categoryPopup->setObjectName("categoryPopup");
    m_categoryButton = new QToolButton(m_toolbar);
    m_categoryButton->setObjectName("categoryButton");
    m_categoryButton->setPopupMode(QToolButton::InstantPopup);
    m_categoryButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_categoryButton->setMenu(m_categoryPopup);
    const WindowActions &a = m_actions;
    AddButtons(*m_toolbar,
               {{a.customUnits, "customUnitsButton"},
                {a.customCategories, "customCategoriesButton"},
                {nullptr, nullptr},
                {a.invertConversion, "invertButton"},
                {nullptr, "categoryButton"},
                {nullptr, nullptr},
                {a.cut, "cutButton"},
                {a.copy, "copyButton"},
                {a.paste, "pasteButton"},
                {nullptr, nullptr},
                {a.find, "findButton"},
                {a.preferences, "preferencesButton"},
                {a.sortUnits, "sortUnitsButton"},
                {a.showAllResults, "showAllResultsButton"},
                {a.createConversionTable, "conversionTableButton"},
                {nullptr, nullptr},
                {a.calculator, "calculatorButton"},
                {a.helpTopics, "helpButton"}},
               m_categoryButton);
}

// The Recordbar starts on a line of its own below the toolbar: both on one line would not fit
// the window's design width.
void MainWindow::createRecordbar() {
    m_recordbar = MakeToolbar(*this, kRecordbarSection, "Recordbar");
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, m_recordbar);
    const WindowActions &a = m_actions;
    AddButtons(*m_recordbar,
               {{a.record, "recordButton"},
                {a.addItem, "addItemButton"},
                {a.removeLastItem, "removeLastItemButton"},
                {a.deleteAllItems, "deleteAllItemsButton"},
                {nullptr, nullptr},
                {a.copyConversion, "copyConversionButton"},
                {a.copyAllConversions, "copyAllConversionsButton"},
                {a.copyRecord, "copyRecordButton"}},
               nullptr);
}

void MainWindow::connectToolbars() {
    connect(m_actions.showToolbar, &QAction::triggered, this, &MainWindow::toolbarToggled);
    connect(m_actions.showRecordbar, &QAction::triggered, this, &MainWindow::recordbarToggled);
    for (QToolBar *bar : {m_toolbar, m_recordbar}) {
        connect(bar, &QToolBar::topLevelChanged, this, [this, bar] { toolbarDockChanged(bar); });
        connect(bar, &QToolBar::orientationChanged, this, [this, bar] { toolbarDockChanged(bar); });
        connect(bar->toggleViewAction(), &QAction::triggered, this,
                [this, bar] { toolbarVisibilityChanged(bar); });
    }
}

void MainWindow::toolbarToggled(bool checked) {
    toggleToolbar(m_toolbar, m_settings.Toolbar971Visible, checked);
}

void MainWindow::recordbarToggled(bool checked) {
    toggleToolbar(m_recordbar, m_settings.Toolbar972Visible, checked);
}

// The window's layout is brought up to date at once, so the resize the bar causes arrives
// while it is still suppressed; then the window is laid out once.
void MainWindow::toggleToolbar(QToolBar *bar, bool &setting, bool show) {
    resizeSuppress.BeginToolbarToggle();
    bar->setVisible(show);
    setting = show;
    if (layout() != nullptr)
        layout()->activate();
    LayoutWindow();
    resizeSuppress.End();
}

// A bar shown or hidden from the window's context menu: its setting and its menu check follow.
// Only the user's commands count, never the widget's state: when the application quits it closes
// a floating bar's window, which hides the bar.
void MainWindow::toolbarVisibilityChanged(QToolBar *bar) {
    const bool visible = !bar->isHidden();
    if (bar == m_toolbar) {
        m_settings.Toolbar971Visible = visible;
        m_actions.showToolbar->setChecked(visible);
    } else {
        m_settings.Toolbar972Visible = visible;
        m_actions.showRecordbar->setChecked(visible);
    }
}

void MainWindow::toolbarDockChanged(QToolBar *bar) {
    resizeSuppress.BeginDockChange();
    if (layout() != nullptr)
        layout()->activate();
    LayoutWindow();
    resizeSuppress.End();
    if (bar == m_recordbar)
        m_outputList->viewport()->update();
}

void MainWindow::ApplyToolbarSettings() {
    m_toolbar->setVisible(m_settings.Toolbar971Visible);
    m_recordbar->setVisible(m_settings.Toolbar972Visible);
    m_actions.showToolbar->setChecked(m_settings.Toolbar971Visible);
    m_actions.showRecordbar->setChecked(m_settings.Toolbar972Visible);
}

// At the first show: each bar's stored placement, with its present one as the defaults; the
// menu checks and the two settings then follow what actually shows.
void MainWindow::LoadToolbarPlacement() {
    std::vector<ToolbarPlacement> current;
    for (QToolBar *bar : {m_toolbar, m_recordbar})
        current.push_back(ToolbarDocking::Capture(*this, *bar, ToolbarPlacement{}));
    m_toolbarPlacements = LoadToolbarPositions(m_settingsFile, current);
    ToolbarDocking::Apply(*this,
                          {{m_toolbar, m_toolbarPlacements[0]}, {m_recordbar, m_toolbarPlacements[1]}});
    m_settings.Toolbar971Visible = !m_toolbar->isHidden();
    m_settings.Toolbar972Visible = !m_recordbar->isHidden();
    ApplyToolbarSettings();
}

void MainWindow::SaveToolbarPlacement() {
    std::vector<ToolbarPlacement> placements;
    const QToolBar *bars[] = {m_toolbar, m_recordbar};
    for (std::size_t i = 0; i < 2; ++i) {
        const ToolbarPlacement previous =
            i < m_toolbarPlacements.size() ? m_toolbarPlacements[i] : ToolbarPlacement{};
        placements.push_back(ToolbarDocking::Capture(*this, *bars[i], previous));
    }
    // Visibility is the user's setting: by now a floating bar's window may have been closed.
    placements[0].visible = m_settings.Toolbar971Visible;
    placements[1].visible = m_settings.Toolbar972Visible;
    SaveToolbarPositions(m_settingsFile, placements);
}

} // namespace mensurio
