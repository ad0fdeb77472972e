// SPDX-License-Identifier: MIT
// The two dockable toolbars: their buttons, showing and hiding them, and their placement.
#include "ui/mainwindow/MainWindow.h"

#include "ui/mainwindow/ToolbarDocking.h"
#include "ui/mainwindow/OutputUnitList.h"

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

void TForm1::createToolbar() {
    Toolbar971 = MakeToolbar(*this, kToolbarSection, "Toolbar");
    addToolBar(Qt::TopToolBarArea, Toolbar971);
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    ToolbarButton973 = new QToolButton(Toolbar971);
    ToolbarButton973->setObjectName("ToolbarButton973");
    ToolbarButton973->setPopupMode(QToolButton::InstantPopup);
    ToolbarButton973->setToolButtonStyle(Qt::ToolButtonTextOnly);
    ToolbarButton973->setMenu(PopupMenu1);
    const WindowActions &a = m_actions;
    AddButtons(*Toolbar971,
               {{a.Units1, "SpeedButton1"},
                {a.Categories1, "SpeedButton2"},
                {nullptr, nullptr},
                {a.InvertConversion1, "SpeedButton6"},
                {nullptr, "ToolbarButton973"},
                {nullptr, nullptr},
                {a.Cut1, "SpeedButton8"},
                {a.Copy1, "SpeedButton9"},
                {a.Paste1, "SpeedButton10"},
                {nullptr, nullptr},
                {a.Find1, "SpeedButton4"},
                {a.Preferences1, "SpeedButton3"},
                {a.SortUnits1, "ToolbarButton971"},
                {a.ShowAllResults1, "ToolbarButton972"},
                {a.CreateConversionTable1, "SpeedButton11"},
                {nullptr, nullptr},
                {a.Calculator1, "SpeedButton5"},
                {a.HelpTopics1, "SpeedButton7"}},
               ToolbarButton973);
}

// The Recordbar starts on a line of its own below the toolbar: both on one line would not fit
// the window's design width.
void TForm1::createRecordbar() {
    Toolbar972 = MakeToolbar(*this, kRecordbarSection, "Recordbar");
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, Toolbar972);
    const WindowActions &a = m_actions;
    AddButtons(*Toolbar972,
               {{a.Record1, "Advanced1"},
                {a.AddItem1, "Advanced2"},
                {a.RemoveLastItem1, "Advanced6"},
                {a.DeleteAllItems1, "Advanced5"},
                {nullptr, nullptr},
                {a.CopyConversion1, "Advanced4"},
                {a.CopyAllConversions1, "Advanced7"},
                {a.CopyRecord1, "Advanced3"}},
               nullptr);
}

void TForm1::connectToolbars() {
    connect(m_actions.Toolbar1, &QAction::triggered, this, &TForm1::Toolbar1Click);
    connect(m_actions.AdvancedToolbar1, &QAction::triggered, this, &TForm1::AdvancedToolbar1Click);
    for (QToolBar *bar : {Toolbar971, Toolbar972}) {
        connect(bar, &QToolBar::topLevelChanged, this, [this, bar] { toolbarDockChanged(bar); });
        connect(bar, &QToolBar::orientationChanged, this, [this, bar] { toolbarDockChanged(bar); });
        connect(bar->toggleViewAction(), &QAction::triggered, this,
                [this, bar] { toolbarVisibilityChanged(bar); });
    }
}

void TForm1::Toolbar1Click(bool checked) {
    toggleToolbar(Toolbar971, m_settings.Toolbar971Visible, checked);
}

void TForm1::AdvancedToolbar1Click(bool checked) {
    toggleToolbar(Toolbar972, m_settings.Toolbar972Visible, checked);
}

// The window's layout is brought up to date at once, so the resize the bar causes arrives
// while it is still suppressed; then the window is laid out once.
void TForm1::toggleToolbar(QToolBar *bar, bool &setting, bool show) {
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
void TForm1::toolbarVisibilityChanged(QToolBar *bar) {
    const bool visible = !bar->isHidden();
    if (bar == Toolbar971) {
        m_settings.Toolbar971Visible = visible;
        m_actions.Toolbar1->setChecked(visible);
    } else {
        m_settings.Toolbar972Visible = visible;
        m_actions.AdvancedToolbar1->setChecked(visible);
    }
}

void TForm1::toolbarDockChanged(QToolBar *bar) {
    resizeSuppress.BeginDockChange();
    if (layout() != nullptr)
        layout()->activate();
    LayoutWindow();
    resizeSuppress.End();
    if (bar == Toolbar972)
        ListBox2->viewport()->update();
}

void TForm1::ApplyToolbarSettings() {
    Toolbar971->setVisible(m_settings.Toolbar971Visible);
    Toolbar972->setVisible(m_settings.Toolbar972Visible);
    m_actions.Toolbar1->setChecked(m_settings.Toolbar971Visible);
    m_actions.AdvancedToolbar1->setChecked(m_settings.Toolbar972Visible);
}

// At the first show: each bar's stored placement, with its present one as the defaults; the
// menu checks and the two settings then follow what actually shows.
void TForm1::LoadToolbarPlacement() {
    std::vector<ToolbarPlacement> current;
    for (QToolBar *bar : {Toolbar971, Toolbar972})
        current.push_back(ToolbarDocking::Capture(*this, *bar, ToolbarPlacement{}));
    m_toolbarPlacements = LoadToolbarPositions(m_settingsFile, current);
    ToolbarDocking::Apply(*this, {{Toolbar971, m_toolbarPlacements[0]}, {Toolbar972, m_toolbarPlacements[1]}});
    m_settings.Toolbar971Visible = !Toolbar971->isHidden();
    m_settings.Toolbar972Visible = !Toolbar972->isHidden();
    ApplyToolbarSettings();
}

void TForm1::SaveToolbarPlacement() {
    std::vector<ToolbarPlacement> placements;
    const QToolBar *bars[] = {Toolbar971, Toolbar972};
    for (std::size_t i = 0; i < 2; ++i) {
        const ToolbarPlacement previous = i < m_toolbarPlacements.size() ? m_toolbarPlacements[i] : ToolbarPlacement{};
        placements.push_back(ToolbarDocking::Capture(*this, *bars[i], previous));
    }
    // Visibility is the user's setting: by now a floating bar's window may have been closed.
    placements[0].visible = m_settings.Toolbar971Visible;
    placements[1].visible = m_settings.Toolbar972Visible;
    SaveToolbarPositions(m_settingsFile, placements);
}

} // namespace mensurio
