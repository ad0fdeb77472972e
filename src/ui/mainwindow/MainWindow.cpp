// SPDX-License-Identifier: MIT
// Construction of the conversion window: its controls and the creation steps of a run.
#include "ui/mainwindow/MainWindow.h"

#include "core/engine/BuiltinAliases.h"
#include "core/engine/BuiltinDimensions.h"
#include "core/platform/FileOps.h"
#include "ui/mainwindow/CategoryMemory.h"
#include "ui/mainwindow/CategoryMenu.h"
#include "ui/mainwindow/CategoryTabs.h"
#include "ui/mainwindow/ConversionBridge.h"
#include "ui/mainwindow/FieldColors.h"
#include "ui/mainwindow/FieldContextMenu.h"
#include "ui/mainwindow/OutputUnitList.h"
#include "ui/mainwindow/UnitSymbolDelegate.h"
#include "ui/rates/CurrencyRates.h"
#include "ui/shared/SystemSeparators.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTabBar>

namespace mensurio {

MainWindow::MainWindow(WindowEnvironment environment, QWidget *parent)
    : QMainWindow(parent), m_environment(std::move(environment)), m_settingsFile(m_environment.settingsPath) {
    setObjectName("MainWindow");
    setWindowTitle("Mensurio");
    resize(DesignWidth, DesignHeight);
    FormCreate();
}

MainWindow::~MainWindow() {
    FormDestroy();
}

void MainWindow::FormCreate() {
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
    m_currencyRates =
        new CurrencyRates(m_database, m_engine, m_settings, m_settingsFile, *m_environment.prompts, this);
    createMenus();
    createToolbar();
    createRecordbar();
    applyIcons();
    setUpAccessibility();
    m_bridge = std::make_unique<ConversionBridge>(
        m_engine, m_settings, m_separators,
        ConversionWidgets{m_valueField, m_resultField, m_inputList, m_outputList});
    createCategoryMemory();
    m_startedOk = LoadDatabaseAtStart();
    if (!m_startedOk)
        return;
    m_currencyRates->Load(m_environment.baseDirectory);
    connect(m_currencyRates, &CurrencyRates::ratesChanged, this, &MainWindow::Convert);
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
void MainWindow::createWidgets() {
    m_clientArea = new QWidget(this);
    m_clientArea->setObjectName("clientArea");
    m_clientArea->installEventFilter(this);
    m_tabPage = new QFrame(m_clientArea);
    m_tabPage->setObjectName("tabPage");
    m_tabPage->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    createFieldsStrip();
    createListsArea();
    m_categoryTabs = new QTabBar(m_tabPage);
    m_categoryTabs->setObjectName("categoryTabs");
    m_categoryTabs->setShape(QTabBar::RoundedSouth);
    m_categoryTabs->setExpanding(false);
    m_categoryTabs->setUsesScrollButtons(true);
    m_categoryTabWindow = std::make_unique<CategoryTabs>(*m_categoryTabs);
    setCentralWidget(m_clientArea);

    m_categoryNames = new QComboBox(this);
    m_categoryNames->setObjectName("categoryNames");
    m_categoryNames->hide();
    m_codePageTestList = new QListWidget(this);
    m_codePageTestList->setObjectName("codePageTestList");
    m_codePageTestList->hide();
}

QWidget *MainWindow::createFieldsStrip() {
    m_fieldsStrip = new QWidget(m_tabPage);
    m_fieldsStrip->setObjectName("fieldsStrip");
    m_valueField = new QLineEdit(m_fieldsStrip);
    m_valueField->setObjectName("valueField");
    m_resultField = new QLineEdit(m_fieldsStrip);
    m_resultField->setObjectName("resultField");
    m_resultField->setReadOnly(true);
    m_resultField->setPalette(FieldColors::ReadOnlyPalette(m_resultField->palette()));
    for (QLineEdit *field : {m_valueField, m_resultField})
        FieldContextMenu::Install(field);
    m_arrow = new QLabel(m_fieldsStrip);
    m_arrow->setObjectName("arrow");
    return m_fieldsStrip;
}

QWidget *MainWindow::createListsArea() {
    m_listsArea = new QWidget(m_tabPage);
    m_listsArea->setObjectName("listsArea");
    m_listsArea->setContextMenuPolicy(Qt::CustomContextMenu);
    const QStringList references = {"Absolute Pressure", "Gauge Pressure"};
    m_inputPressure = new QComboBox(m_listsArea);
    m_inputPressure->setObjectName("inputPressure");
    m_inputPressure->addItems(references);
    m_outputPressure = new QComboBox(m_listsArea);
    m_outputPressure->setObjectName("outputPressure");
    m_outputPressure->addItems(references);
    m_inputList = new QListWidget(m_listsArea);
    m_inputList->setItemDelegate(new UnitSymbolDelegate(m_inputList));
    m_inputList->setObjectName("inputList");
    m_inputList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_fractionsHint = new QLabel("Enter a decimal number or a fraction", m_listsArea);
    m_fractionsHint->setObjectName("fractionsHint");
    m_fractionsHint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_fractionsHint->setWordWrap(true);
    m_fractionsHint->hide();
    m_outputList = new OutputUnitList(m_listsArea);
    m_outputList->setObjectName("outputList");
    return m_listsArea;
}

bool MainWindow::isSingleSelectionCategory() const {
    return IsSingleSelectionCategory(m_settings.AktualCate);
}

void MainWindow::Convert() {
    if (!m_bridge)
        return;
    m_currencyRates->BeforeConversion();
    m_bridge->Convert();
    m_currencyRates->AfterConversion(*m_resultField, m_bridge->ShowsResult());
}

} // namespace mensurio
