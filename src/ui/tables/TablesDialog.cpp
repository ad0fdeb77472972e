// SPDX-License-Identifier: MIT
#include "ui/tables/TablesDialog.h"

#include "core/db/UnitDatabase.h"
#include "core/engine/CategoryKind.h"
#include "core/platform/Prompts.h"
#include "core/settings/StoredChoices.h"
#include "ui/shared/BusyCursor.h"
#include "ui/shared/DialogWidgets.h"
#include "ui/shared/QtCp1252.h"
#include "ui/tables/PreviewDialog.h"
#include "ui/tables/TableArrow.h"
#include "ui/tables/TableFonts.h"
#include "ui/tables/TableReport.h"
#include "ui/tables/TableUnitList.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <exception>
#include <memory>

namespace mensurio {

namespace {

// The buttons' ids are their positions, which are the numbers the settings store for the choices.
QButtonGroup *MakeRadioGroup(QGroupBox *box, const char *name, const QStringList &captions) {
    box->setObjectName(name);
    auto *group = new QButtonGroup(box);
    auto *layout = new QVBoxLayout(box);
    for (int i = 0; i < captions.size(); ++i) {
        auto *button = new QRadioButton(captions[i], box);
        button->setObjectName(QString("%1_%2").arg(name).arg(i));
        group->addButton(button, i);
        layout->addWidget(button);
    }
    return group;
}

std::vector<std::string> ToCp1252(const QStringList &names) {
    std::vector<std::string> result;
    for (const QString &name : names)
        result.push_back(QtCp1252::FromQString(name));
    return result;
}

} // namespace

TablesDialog::TablesDialog(UnitDatabase &database, ProgramSettings &settings, Prompts &prompts,
                           NumberSeparators separators, QWidget *parent)
    : QDialog(parent), m_database(database), m_settings(settings), m_prompts(prompts),
      m_separators(separators) {
    setObjectName("TablesDialog");
    setWindowTitle("Conversion Tables");
    createWidgets();
    createPopupMenus();
    FormShow();
    connectControls();
}

void TablesDialog::createWidgets() {
    m_categoryChoice = new QComboBox(this);
    m_categoryChoice->setObjectName("categoryChoice");
    m_categoryChoice->setAccessibleName("Conversion table of category");
    auto *categoryRow = new QHBoxLayout;
    categoryRow->addWidget(Named(new QLabel("Conversion Table of Category:", this), "categoryLabel"));
    categoryRow->addWidget(m_categoryChoice, 1);

    m_previewButton = new QPushButton("Pre&view", this);
    m_previewButton->setObjectName("previewButton");
    m_printButton = new QPushButton("&Print", this);
    m_printButton->setObjectName("printButton");
    m_closeButton = new QPushButton("Close", this);
    m_closeButton->setObjectName("closeButton");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {m_previewButton, m_printButton, m_closeButton})
        buttons->addWidget(button);

    m_bandFontProbe = Named(new QLabel("", this), "bandFontProbe");
    m_bandFontProbe->hide();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(categoryRow);
    auto *middle = new QHBoxLayout;
    middle->addWidget(createListsArea(), 1);
    middle->addWidget(createOptionsArea());
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
    resize(573, 500);
    setMinimumSize(573, 500);
}

QWidget *TablesDialog::createListsArea() {
    auto *area = new QWidget(this);
    m_rowUnits = new TableUnitList(area);
    m_rowUnits->setObjectName("rowUnits");
    m_columnUnits = new TableUnitList(area);
    m_columnUnits->setObjectName("columnUnits");
    SetAccessibleNames({{m_rowUnits, "Rows"}, {m_columnUnits, "Columns"}});
    if (QFontDatabase::hasFamily("ZEV Adurezu Zazu"))
        for (TableUnitList *list : {m_rowUnits, m_columnUnits})
            list->setFont(QFont("ZEV Adurezu Zazu", list->font().pointSize()));
    m_columnCount = Named(new QLabel("", area), "columnCount");
    m_columnCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Named(new QLabel("Rows", area), "rowsLabel"), 0, 0);
    grid->addWidget(Named(new QLabel("Columns", area), "columnsLabel"), 0, 1);
    grid->addWidget(m_rowUnits, 1, 0);
    grid->addWidget(m_columnUnits, 1, 1);
    grid->addWidget(m_columnCount, 2, 1);
    return area;
}

QWidget *TablesDialog::createOptionsArea() {
    auto *area = new QWidget(this);
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *format = new QGroupBox("Result Format", area);
    m_resultFormat = MakeRadioGroup(format, "resultFormat", {"&General", "&Scientific"});
    auto *paper = new QGroupBox("Paper Orientation", area);
    m_paperOrientation = MakeRadioGroup(paper, "paperOrientation",
                                        {QString("&Horizontal (max %1 columns)").arg(kLandscapeTableColumns),
                                         QString("&Vertical (max %1 columns)").arg(kPortraitTableColumns)});
    auto *direction = new QGroupBox("Direction of Unit Conversion", area);
    direction->setObjectName("direction");
    m_rightAndUp = new QRadioButton("&Right and Up", direction);
    m_rightAndUp->setObjectName("rightAndUp");
    m_downAndLeft = new QRadioButton("&Down and Left", direction);
    m_downAndLeft->setObjectName("downAndLeft");
    auto *directionLayout = new QVBoxLayout(direction);
    directionLayout->addWidget(m_rightAndUp);
    directionLayout->addWidget(m_downAndLeft);
    directionLayout->addWidget(createExamplePanel());
    for (QWidget *box :
         {static_cast<QWidget *>(format), static_cast<QWidget *>(paper), static_cast<QWidget *>(direction)})
        layout->addWidget(box);
    layout->addStretch();
    return area;
}

// A sample table: columns "day" and "minute", the row "hour", and the arrow of the direction.
QWidget *TablesDialog::createExamplePanel() {
    auto *panel = new QFrame(this);
    panel->setObjectName("ExamplePanel");
    panel->setFrameShape(QFrame::StyledPanel);
    m_directionArrow = new TableArrow(panel);
    m_directionArrow->setObjectName("directionArrow");
    m_exampleDayValue = Named(new QLabel("", panel), "exampleDayValue");
    m_exampleMinuteValue = Named(new QLabel("", panel), "exampleMinuteValue");
    auto *grid = new QGridLayout(panel);
    grid->addWidget(m_directionArrow, 0, 0);
    grid->addWidget(Named(new QLabel("day", panel), "ExampleDay"), 0, 1);
    grid->addWidget(Named(new QLabel("minute", panel), "ExampleMinute"), 0, 2);
    grid->addWidget(Named(new QLabel("hour", panel), "ExampleHour"), 1, 0);
    grid->addWidget(m_exampleDayValue, 1, 1);
    grid->addWidget(m_exampleMinuteValue, 1, 2);
    return panel;
}

void TablesDialog::createPopupMenus() {
    m_rowMenu = new QMenu(this);
    m_rowMenu->setObjectName("rowMenu");
    connect(m_rowMenu->addAction("Select All"), &QAction::triggered, m_rowUnits, &QListWidget::selectAll);
    connect(m_rowMenu->addAction("Deselect All"), &QAction::triggered, m_rowUnits,
            &QListWidget::clearSelection);
    m_rowMenu->addSeparator();
    connect(m_rowMenu->addAction("Invert Selection"), &QAction::triggered, this,
            &TablesDialog::invertRowSelection);
    m_columnMenu = new QMenu(this);
    m_columnMenu->setObjectName("columnMenu");
    m_selectNext = m_columnMenu->addAction(QString("Select next %1 Units").arg(m_columnMaximum));
    connect(m_selectNext, &QAction::triggered, this, &TablesDialog::selectNextColumns);
    connect(m_columnMenu->addAction("Deselect All"), &QAction::triggered, m_columnUnits,
            &QListWidget::clearSelection);
    connect(m_columnMenu, &QMenu::aboutToShow, this, &TablesDialog::columnMenuAboutToShow);
    for (auto [list, menu] : {std::pair{m_rowUnits, m_rowMenu}, std::pair{m_columnUnits, m_columnMenu}}) {
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, menu,
                [list, menu](const QPoint &at) { menu->popup(list->viewport()->mapToGlobal(at)); });
    }
}

void TablesDialog::connectControls() {
    connect(m_categoryChoice, &QComboBox::currentIndexChanged, this, &TablesDialog::categoryChanged);
    connect(m_rowUnits, &TableUnitList::SelectionCountChanged, this, &TablesDialog::ListSelectionChange);
    connect(m_columnUnits, &TableUnitList::SelectionCountChanged, this, &TablesDialog::ListSelectionChange);
    connect(m_resultFormat, &QButtonGroup::idClicked, this, &TablesDialog::resultFormatClicked);
    connect(m_paperOrientation, &QButtonGroup::idClicked, this, &TablesDialog::paperOrientationClicked);
    connect(m_rightAndUp, &QRadioButton::toggled, this, &TablesDialog::directionChanged);
    connect(m_previewButton, &QPushButton::clicked, this, &TablesDialog::Preview);
    connect(m_printButton, &QPushButton::clicked, this, &TablesDialog::Print);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TablesDialog::FormShow() {
    fillCategories();
    fillUnitLists();
    m_bandFontProbe->setFont(TableFonts::Font(ReportFont::Band));
    m_resultFormat->button(ToStoredNumber(m_settings.tableresultformat))->setChecked(true);
    m_paperOrientation->button(ToStoredNumber(m_settings.tablepaper))->setChecked(true);
    (m_settings.tableconversionstyle == TableDirection::DownAndLeft ? m_downAndLeft : m_rightAndUp)
        ->setChecked(true);
    directionChanged();
    m_columnMaximum = TableChoices::ColumnMaximum(m_settings.tablepaper);
    m_columnUnits->SetMaximum(m_columnMaximum);
    ListSelectionChange();
}

// Every category in database order, hidden ones too, less those that do not convert by a factor.
void TablesDialog::fillCategories() {
    const QSignalBlocker blocker(m_categoryChoice);
    // The category spelled exactly so, else the first whose name differs only in letter case.
    int chosen = -1;
    int chosenIgnoringCase = -1;
    for (const CategoryRecord &category : m_database.Categories()) {
        if (CategoryKindOf(category.Name) != CategoryKind::Ordinary)
            continue;
        if (chosen < 0 && category.Name == m_settings.tablecategory)
            chosen = m_categoryChoice->count();
        if (chosenIgnoringCase < 0 &&
            UnitDatabase::SameNameIgnoringCase(category.Name, m_settings.tablecategory))
            chosenIgnoringCase = m_categoryChoice->count();
        m_categoryChoice->addItem(QtCp1252::ToQString(category.Name));
    }
    chosen = chosen >= 0 ? chosen : std::max(chosenIgnoringCase, 0);
    m_categoryChoice->setCurrentIndex(m_categoryChoice->count() > 0 ? chosen : -1);
}

void TablesDialog::categoryChanged() {
    m_settings.tablecategory = QtCp1252::FromQString(m_categoryChoice->currentText());
    fillUnitLists();
    ListSelectionChange();
}

void TablesDialog::fillUnitLists() {
    const std::string category = QtCp1252::FromQString(m_categoryChoice->currentText());
    for (TableUnitList *list : {m_rowUnits, m_columnUnits}) {
        const QSignalBlocker blocker(list);
        list->clear();
        for (const CategoryRecord &record : m_database.Categories()) {
            if (record.Name != category)
                continue;
            for (const UnitRecord &unit : record.Units)
                list->addItem(QtCp1252::ToQString(unit.Name));
            break;
        }
    }
}

void TablesDialog::ListSelectionChange() {
    m_columnCount->setText(QString("%1 of %2").arg(m_columnUnits->SelectedCount()).arg(m_columnMaximum));
    m_previewButton->setEnabled(hasSelection());
    m_printButton->setEnabled(hasSelection());
}

bool TablesDialog::hasSelection() const {
    return m_rowUnits->SelectedCount() > 0 && m_columnUnits->SelectedCount() > 0;
}

void TablesDialog::resultFormatClicked(int index) {
    m_settings.tableresultformat = FromStoredNumber(index, TableResultFormat::General);
}

void TablesDialog::paperOrientationClicked(int index) {
    const TablePaper paper = FromStoredNumber(index, TablePaper::Landscape);
    if (paper == m_settings.tablepaper)
        return; // the orientation shown again: the chosen columns stay
    m_settings.tablepaper = paper;
    m_columnMaximum = TableChoices::ColumnMaximum(paper);
    m_columnUnits->SetMaximum(m_columnMaximum);
    ListSelectionChange();
}

void TablesDialog::directionChanged() {
    const bool rightAndUp = m_rightAndUp->isChecked();
    m_settings.tableconversionstyle = rightAndUp ? TableDirection::RightAndUp : TableDirection::DownAndLeft;
    m_directionArrow->SetForm(rightAndUp ? ArrowForm::Right : ArrowForm::Left);
    m_exampleDayValue->setText(rightAndUp ? "1/24" : "24");
    m_exampleMinuteValue->setText(rightAndUp ? "60" : "1/60");
}

void TablesDialog::columnMenuAboutToShow() {
    m_selectNext->setText(QString("Select next %1 Units").arg(m_columnMaximum));
}

// N consecutive columns from the focused one (the first when none is focused), nothing else.
void TablesDialog::selectNextColumns() {
    const int start = std::max(0, m_columnUnits->currentRow());
    {
        const QSignalBlocker blocker(m_columnUnits);
        m_columnUnits->clearSelection();
        for (int row = start; row < std::min(start + m_columnMaximum, m_columnUnits->count()); ++row)
            m_columnUnits->item(row)->setSelected(true);
    }
    ListSelectionChange();
}

void TablesDialog::invertRowSelection() {
    {
        const QSignalBlocker blocker(m_rowUnits);
        for (int row = 0; row < m_rowUnits->count(); ++row)
            m_rowUnits->item(row)->setSelected(!m_rowUnits->item(row)->isSelected());
    }
    ListSelectionChange();
}

TableChoices TablesDialog::CurrentChoices() const {
    TableChoices choices;
    choices.category = QtCp1252::FromQString(m_categoryChoice->currentText());
    choices.rowUnits = ToCp1252(m_rowUnits->SelectedNames());
    choices.columnUnits = ToCp1252(m_columnUnits->SelectedNames());
    choices.resultFormat = m_settings.tableresultformat;
    choices.paper = m_settings.tablepaper;
    choices.direction = m_settings.tableconversionstyle;
    choices.separators = m_separators;
    return choices;
}

void TablesDialog::reportFailure(const std::exception &error) {
    m_prompts.Beep();
    m_prompts.Error(std::string("The conversion table could not be made: ") + error.what());
}

void TablesDialog::Preview() {
    if (!hasSelection())
        return;
    try {
        std::unique_ptr<TableReport> report;
        ReportPages pages;
        {
            const BusyCursor busy;
            report = std::make_unique<TableReport>(m_database, CurrentChoices());
            const QPrinter printer;
            pages = report->Pages(printer.pageLayout().pageSize());
        }
        PreviewDialog preview(*report, std::move(pages), m_settings, this);
        preview.SetPrinterChoice(m_printerChoice);
        if (m_previewHook)
            m_previewHook(preview);
        else
            preview.exec();
    } catch (const std::exception &error) {
        reportFailure(error);
    }
}

void TablesDialog::Print() {
    if (!hasSelection())
        return;
    try {
        const TableReport report(m_database, CurrentChoices());
        QPrinter printer;
        printer.setPageOrientation(report.Orientation());
        if (!m_printerChoice(printer, this))
            return;
        const BusyCursor busy;
        report.PrintCopies(printer);
    } catch (const std::exception &error) {
        reportFailure(error);
    }
}

} // namespace mensurio
