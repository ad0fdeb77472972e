// SPDX-License-Identifier: MIT
#include "ui/tables/TablesDialog.h"

#include "core/db/UnitDatabase.h"
#include "core/engine/CategoryKind.h"
#include "core/platform/Prompts.h"
#include "ui/shared/BusyCursor.h"
#include "ui/shared/DialogWidgets.h"
#include "ui/shared/QtCp1252.h"
#include "ui/tables/TableUnitList.h"
#include "ui/tables/PreviewDialog.h"
#include "ui/tables/TableArrow.h"
#include "ui/tables/TableFonts.h"
#include "ui/tables/TableReport.h"

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

TPagesDlg6::TPagesDlg6(UnitDatabase &database, ProgramSettings &settings, Prompts &prompts,
                       NumberSeparators separators, QWidget *parent)
    : QDialog(parent), m_database(database), m_settings(settings), m_prompts(prompts),
      m_separators(separators) {
    setObjectName("TPagesDlg6");
    setWindowTitle("Conversion Tables");
    createWidgets();
    createPopupMenus();
    FormShow();
    connectControls();
}

void TPagesDlg6::createWidgets() {
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setAccessibleName("Conversion table of category");
    auto *categoryRow = new QHBoxLayout;
    categoryRow->addWidget(Named(new QLabel("Conversion Table of Category:", this), "Label1"));
    categoryRow->addWidget(ComboBox1, 1);

    BitBtn1 = new QPushButton("Pre&view", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn3 = new QPushButton("&Print", this);
    BitBtn3->setObjectName("BitBtn3");
    BitBtn2 = new QPushButton("Close", this);
    BitBtn2->setObjectName("BitBtn2");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {BitBtn1, BitBtn3, BitBtn2})
        buttons->addWidget(button);

    TestLabel1 = Named(new QLabel("", this), "TestLabel1");
    TestLabel1->hide();

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

QWidget *TPagesDlg6::createListsArea() {
    auto *area = new QWidget(this);
    ListBoxThree1 = new TListBoxThree(area);
    ListBoxThree1->setObjectName("ListBoxThree1");
    ListBoxThree2 = new TListBoxThree(area);
    ListBoxThree2->setObjectName("ListBoxThree2");
    SetAccessibleNames({{ListBoxThree1, "Rows"}, {ListBoxThree2, "Columns"}});
    if (QFontDatabase::hasFamily("ZEV Adurezu Zazu"))
        for (TListBoxThree *list : {ListBoxThree1, ListBoxThree2})
            list->setFont(QFont("ZEV Adurezu Zazu", list->font().pointSize()));
    Label3 = Named(new QLabel("", area), "Label3");
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Named(new QLabel("Rows", area), "Label4"), 0, 0);
    grid->addWidget(Named(new QLabel("Columns", area), "Label5"), 0, 1);
    grid->addWidget(ListBoxThree1, 1, 0);
    grid->addWidget(ListBoxThree2, 1, 1);
    grid->addWidget(Label3, 2, 1);
    return area;
}

QWidget *TPagesDlg6::createOptionsArea() {
    auto *area = new QWidget(this);
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *format = new QGroupBox("Result Format", area);
    RadioGroup1 = MakeRadioGroup(format, "RadioGroup1", {"&General", "&Scientific"});
    auto *paper = new QGroupBox("Paper Orientation", area);
    RadioGroup2 =
        MakeRadioGroup(paper, "RadioGroup2", {"&Horizontal (max 10 columns)", "&Vertical (max 6 columns)"});
    auto *direction = new QGroupBox("Direction of Unit Conversion", area);
    direction->setObjectName("GroupBox1");
    RadioButton1 = new QRadioButton("&Right and Up", direction);
    RadioButton1->setObjectName("RadioButton1");
    RadioButton2 = new QRadioButton("&Down and Left", direction);
    RadioButton2->setObjectName("RadioButton2");
    auto *directionLayout = new QVBoxLayout(direction);
    directionLayout->addWidget(RadioButton1);
    directionLayout->addWidget(RadioButton2);
    directionLayout->addWidget(createExamplePanel());
    for (QWidget *box :
         {static_cast<QWidget *>(format), static_cast<QWidget *>(paper), static_cast<QWidget *>(direction)})
        layout->addWidget(box);
    layout->addStretch();
    return area;
}

// A sample table: columns "day" and "minute", the row "hour", and the arrow of the direction.
QWidget *TPagesDlg6::createExamplePanel() {
    auto *panel = new QFrame(this);
    panel->setObjectName("ExamplePanel");
    panel->setFrameShape(QFrame::StyledPanel);
    Shape21 = new TableArrow(panel);
    Shape21->setObjectName("Shape21");
    Label6 = Named(new QLabel("", panel), "Label6");
    Label8 = Named(new QLabel("", panel), "Label8");
    auto *grid = new QGridLayout(panel);
    grid->addWidget(Shape21, 0, 0);
    grid->addWidget(Named(new QLabel("day", panel), "ExampleDay"), 0, 1);
    grid->addWidget(Named(new QLabel("minute", panel), "ExampleMinute"), 0, 2);
    grid->addWidget(Named(new QLabel("hour", panel), "ExampleHour"), 1, 0);
    grid->addWidget(Label6, 1, 1);
    grid->addWidget(Label8, 1, 2);
    return panel;
}

void TPagesDlg6::createPopupMenus() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    connect(PopupMenu1->addAction("Select All"), &QAction::triggered, ListBoxThree1, &QListWidget::selectAll);
    connect(PopupMenu1->addAction("Deselect All"), &QAction::triggered, ListBoxThree1,
            &QListWidget::clearSelection);
    PopupMenu1->addSeparator();
    connect(PopupMenu1->addAction("Invert Selection"), &QAction::triggered, this,
            &TPagesDlg6::invertRowSelection);
    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName("PopupMenu2");
    m_selectNext = PopupMenu2->addAction("Select next 10 Units");
    connect(m_selectNext, &QAction::triggered, this, &TPagesDlg6::selectNextColumns);
    connect(PopupMenu2->addAction("Deselect All"), &QAction::triggered, ListBoxThree2,
            &QListWidget::clearSelection);
    connect(PopupMenu2, &QMenu::aboutToShow, this, &TPagesDlg6::PopupMenu2Popup);
    for (auto [list, menu] : {std::pair{ListBoxThree1, PopupMenu1}, std::pair{ListBoxThree2, PopupMenu2}}) {
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, menu,
                [list, menu](const QPoint &at) { menu->popup(list->viewport()->mapToGlobal(at)); });
    }
}

void TPagesDlg6::connectControls() {
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TPagesDlg6::ComboBox1Change);
    connect(ListBoxThree1, &TListBoxThree::SelectionCountChanged, this, &TPagesDlg6::ListSelectionChange);
    connect(ListBoxThree2, &TListBoxThree::SelectionCountChanged, this, &TPagesDlg6::ListSelectionChange);
    connect(RadioGroup1, &QButtonGroup::idClicked, this, &TPagesDlg6::RadioGroup1Click);
    connect(RadioGroup2, &QButtonGroup::idClicked, this, &TPagesDlg6::RadioGroup2Click);
    connect(RadioButton1, &QRadioButton::toggled, this, &TPagesDlg6::RadioButtonClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TPagesDlg6::BitBtn1Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TPagesDlg6::BitBtn3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TPagesDlg6::FormShow() {
    fillCategories();
    fillUnitLists();
    TestLabel1->setFont(TableFonts::Font(ReportFont::Band));
    for (int32_t *value :
         {&m_settings.tableresultformat, &m_settings.tablepaper, &m_settings.tableconversionstyle})
        if (*value != 0 && *value != 1)
            *value = 0;
    RadioGroup1->button(m_settings.tableresultformat)->setChecked(true);
    RadioGroup2->button(m_settings.tablepaper)->setChecked(true);
    (m_settings.tableconversionstyle == 1 ? RadioButton2 : RadioButton1)->setChecked(true);
    RadioButtonClick();
    m_columnMaximum = TableChoices::ColumnMaximum(m_settings.tablepaper);
    ListBoxThree2->SetMaximum(m_columnMaximum);
    ListSelectionChange();
}

// Every category in database order, hidden ones too, less those that do not convert by a factor.
void TPagesDlg6::fillCategories() {
    const QSignalBlocker blocker(ComboBox1);
    // The category spelled exactly so, else the first whose name differs only in letter case.
    int chosen = -1;
    int chosenIgnoringCase = -1;
    for (const CategoryRecord &category : m_database.Categories()) {
        if (CategoryKindOf(category.Name) != CategoryKind::Ordinary)
            continue;
        if (chosen < 0 && category.Name == m_settings.tablecategory)
            chosen = ComboBox1->count();
        if (chosenIgnoringCase < 0 && UnitDatabase::SameNameIgnoringCase(category.Name, m_settings.tablecategory))
            chosenIgnoringCase = ComboBox1->count();
        ComboBox1->addItem(QtCp1252::ToQString(category.Name));
    }
    chosen = chosen >= 0 ? chosen : std::max(chosenIgnoringCase, 0);
    ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? chosen : -1);
}

void TPagesDlg6::ComboBox1Change() {
    m_settings.tablecategory = QtCp1252::FromQString(ComboBox1->currentText());
    fillUnitLists();
    ListSelectionChange();
}

void TPagesDlg6::fillUnitLists() {
    const std::string category = QtCp1252::FromQString(ComboBox1->currentText());
    for (TListBoxThree *list : {ListBoxThree1, ListBoxThree2}) {
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

void TPagesDlg6::ListSelectionChange() {
    Label3->setText(QString("%1 of %2").arg(ListBoxThree2->SelectedCount()).arg(m_columnMaximum));
    BitBtn1->setEnabled(hasSelection());
    BitBtn3->setEnabled(hasSelection());
}

bool TPagesDlg6::hasSelection() const {
    return ListBoxThree1->SelectedCount() > 0 && ListBoxThree2->SelectedCount() > 0;
}

void TPagesDlg6::RadioGroup1Click(int index) {
    m_settings.tableresultformat = index;
}

void TPagesDlg6::RadioGroup2Click(int index) {
    if (index == m_settings.tablepaper)
        return; // the orientation shown again: the chosen columns stay
    m_settings.tablepaper = index;
    m_columnMaximum = TableChoices::ColumnMaximum(index);
    ListBoxThree2->SetMaximum(m_columnMaximum);
    ListSelectionChange();
}

void TPagesDlg6::RadioButtonClick() {
    const bool rightAndUp = RadioButton1->isChecked();
    m_settings.tableconversionstyle = rightAndUp ? 0 : 1;
    Shape21->SetForm(rightAndUp ? ArrowForm::Right : ArrowForm::Left);
    Label6->setText(rightAndUp ? "1/24" : "24");
    Label8->setText(rightAndUp ? "60" : "1/60");
}

void TPagesDlg6::PopupMenu2Popup() {
    m_selectNext->setText(QString("Select next %1 Units").arg(m_columnMaximum));
}

// N consecutive columns from the focused one (the first when none is focused), nothing else.
void TPagesDlg6::selectNextColumns() {
    const int start = std::max(0, ListBoxThree2->currentRow());
    {
        const QSignalBlocker blocker(ListBoxThree2);
        ListBoxThree2->clearSelection();
        for (int row = start; row < std::min(start + m_columnMaximum, ListBoxThree2->count()); ++row)
            ListBoxThree2->item(row)->setSelected(true);
    }
    ListSelectionChange();
}

void TPagesDlg6::invertRowSelection() {
    {
        const QSignalBlocker blocker(ListBoxThree1);
        for (int row = 0; row < ListBoxThree1->count(); ++row)
            ListBoxThree1->item(row)->setSelected(!ListBoxThree1->item(row)->isSelected());
    }
    ListSelectionChange();
}

TableChoices TPagesDlg6::CurrentChoices() const {
    TableChoices choices;
    choices.category = QtCp1252::FromQString(ComboBox1->currentText());
    choices.rowUnits = ToCp1252(ListBoxThree1->SelectedNames());
    choices.columnUnits = ToCp1252(ListBoxThree2->SelectedNames());
    choices.resultFormat = m_settings.tableresultformat;
    choices.paper = m_settings.tablepaper;
    choices.conversionStyle = m_settings.tableconversionstyle;
    choices.separators = m_separators;
    return choices;
}

void TPagesDlg6::reportFailure(const std::exception &error) {
    m_prompts.Beep();
    m_prompts.Error(std::string("The conversion table could not be made: ") + error.what());
}

void TPagesDlg6::BitBtn1Click() {
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
        TPreview preview(*report, std::move(pages), m_settings, this);
        preview.SetPrinterChoice(m_printerChoice);
        if (m_previewHook)
            m_previewHook(preview);
        else
            preview.exec();
    } catch (const std::exception &error) {
        reportFailure(error);
    }
}

void TPagesDlg6::BitBtn3Click() {
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
