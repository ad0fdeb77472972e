// SPDX-License-Identifier: MIT
// Construction of the conversion window: its controls and the creation steps of a run.
#include "ui/mainwindow/MainWindow.h"

#include "core/engine/BuiltinAliases.h"
#include "core/engine/BuiltinDimensions.h"
#include "core/platform/FileOps.h"
#include "ui/mainwindow/CategoryMemory.h"
#include "ui/mainwindow/CategoryMenu.h"
#include "ui/mainwindow/ConversionBridge.h"
#include "ui/mainwindow/FieldColors.h"
#include "ui/mainwindow/FieldContextMenu.h"
#include "ui/mainwindow/UnitSymbolDelegate.h"
#include "ui/shared/SystemSeparators.h"
#include "ui/mainwindow/OutputUnitList.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTabBar>

namespace mensurio {

TForm1::TForm1(WindowEnvironment environment, QWidget *parent)
    : QMainWindow(parent), m_environment(std::move(environment)), m_settingsFile(m_environment.settingsPath) {
    setObjectName("TForm1");
    setWindowTitle("Mensurio");
    resize(DesignWidth, DesignHeight);
    FormCreate();
}

TForm1::~TForm1() {
    FormDestroy();
}

void TForm1::FormCreate() {
    QString argument = QString::fromStdString(m_environment.firstArgument).toLower();
    // Without a notification area the window could never be restored: start as usual then.
    startedInTray = argument == "tray" && m_environment.trayAvailable;
    // Settings that cannot be written would lose this run's changes; a failure is harmless.
    if (FileOps::Exists(m_settingsFile.Path()) && FileOps::NotRegularKind(m_settingsFile.Path()).empty() &&
        FileOps::IsReadOnly(m_settingsFile.Path()))
        FileOps::ClearReadOnly(m_settingsFile.Path());
    m_separators = SystemSeparators();
    m_engine.SetBuiltinAliases(BuiltinAliases());
    m_engine.SetBuiltinDimensions(BuiltinDimensions());
    createWidgets();
    createActions();
    createMenus();
    createToolbar();
    createRecordbar();
    applyIcons();
    setUpAccessibility();
    m_bridge = std::make_unique<ConversionBridge>(m_engine, m_settings, m_separators,
                                                  ConversionWidgets{Edit1, Edit2, ListBox1, ListBox2});
    createCategoryMemory();
    m_startedOk = LoadDatabaseAtStart();
    if (!m_startedOk)
        return;
    createTrayIcon();
    connectActions();
    connectToolbars();
    connectHelpCommands();
    connectCustomCommands();
    connectEditCommands();
    connectRecordCommands();
    connectEvents();
}

// The controls sit at the positions LayoutWindow computes; no Qt layout manager moves them.
void TForm1::createWidgets() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Panel1->installEventFilter(this);
    TabSheet = new QFrame(Panel1);
    TabSheet->setObjectName("TabSheet");
    TabSheet->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    createFieldsStrip();
    createListsArea();
    TabControl1 = new QTabBar(TabSheet);
    TabControl1->setObjectName("TabControl1");
    TabControl1->setShape(QTabBar::RoundedSouth);
    TabControl1->setExpanding(false);
    TabControl1->setUsesScrollButtons(true);
    setCentralWidget(Panel1);

    ComboBox3 = new QComboBox(this);
    ComboBox3->setObjectName("ComboBox3");
    ComboBox3->hide();
    ListBox3 = new QListWidget(this);
    ListBox3->setObjectName("ListBox3");
    ListBox3->hide();
}

QWidget *TForm1::createFieldsStrip() {
    Panel3 = new QWidget(TabSheet);
    Panel3->setObjectName("Panel3");
    Edit1 = new QLineEdit(Panel3);
    Edit1->setObjectName("Edit1");
    Edit2 = new QLineEdit(Panel3);
    Edit2->setObjectName("Edit2");
    Edit2->setReadOnly(true);
    Edit2->setPalette(FieldColors::ReadOnlyPalette(Edit2->palette()));
    for (QLineEdit *field : {Edit1, Edit2})
        FieldContextMenu::Install(field);
    Image1 = new QLabel(Panel3);
    Image1->setObjectName("Image1");
    return Panel3;
}

QWidget *TForm1::createListsArea() {
    Panel2 = new QWidget(TabSheet);
    Panel2->setObjectName("Panel2");
    Panel2->setContextMenuPolicy(Qt::CustomContextMenu);
    const QStringList references = {"Absolute Pressure", "Gauge Pressure"};
    ComboBox1 = new QComboBox(Panel2);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->addItems(references);
    ComboBox2 = new QComboBox(Panel2);
    ComboBox2->setObjectName("ComboBox2");
    ComboBox2->addItems(references);
    ListBox1 = new QListWidget(Panel2);
    ListBox1->setItemDelegate(new UnitSymbolDelegate(ListBox1));
    ListBox1->setObjectName("ListBox1");
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Label1 = new QLabel("Enter a decimal number or a fraction", Panel2);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);
    Label1->hide();
    ListBox2 = new TListBoxTwo(Panel2);
    ListBox2->setObjectName("ListBox2");
    return Panel2;
}

bool TForm1::isSingleSelectionCategory() const {
    return IsSingleSelectionCategory(m_settings.AktualCate);
}

void TForm1::Convert() {
    if (m_bridge)
        m_bridge->Convert();
}

} // namespace mensurio
