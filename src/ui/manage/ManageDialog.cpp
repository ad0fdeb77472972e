// SPDX-License-Identifier: MIT
// The manage dialog's controls and its opening.
#include "ui/manage/ManageDialog.h"

#include "core/db/UnitDatabase.h"
#include "core/settings/ProgramSettings.h"
#include "ui/shared/DialogWidgets.h"
#include "ui/manage/ManageCheckList.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace mensurio {

namespace {

QAction *MenuItem(QMenu *menu, const QString &caption, const char *name) {
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

TManageDlg::TManageDlg(UnitDatabase &database, ProgramSettings &settings, Prompts &prompts,
                       ManageDialogHooks hooks, QWidget *parent)
    : QDialog(parent), m_database(database), m_settings(settings), m_prompts(prompts),
      m_hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("TManageDlg"));
    setWindowTitle(QStringLiteral("Manage Units and Categories"));
    createWidgets();
    createMenus();
    layOut();
    connectControls();
    fillLists();
}

void TManageDlg::createWidgets() {
    Label1 = Named(new QLabel, "Label1");
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2 = Named(new QLabel, "Label2");
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label7 = Named(new QLabel, "Label7");
    Label8 = Named(new QLabel, "Label8");
    CheckList1 = Named(new TCheckList, "CheckList1");
    CheckList2 = Named(new TCheckList, "CheckList2");
    BitBtn3 = DialogButton(QStringLiteral("&Reset"), "BitBtn3");
    BitBtn5 = DialogButton(QStringLiteral("&Categories"), "BitBtn5");
    BitBtn1 = DialogButton(QStringLiteral("&Accept"), "BitBtn1");
    BitBtn4 = DialogButton(QStringLiteral("R&eset"), "BitBtn4");
    BitBtn6 = DialogButton(QStringLiteral("&Units"), "BitBtn6");
    BitBtn2 = DialogButton(QStringLiteral("Acce&pt"), "BitBtn2");
    BitBtn7 = DialogButton(QStringLiteral("&Close"), "BitBtn7");
    CheckBox1 = Named(new QCheckBox(QStringLiteral("&Sort Categories in Alphabetical Order")), "CheckBox1");
    CheckBox2 =
        Named(new QCheckBox(QStringLiteral("Show &Hidden  (ignore visibility settings)")), "CheckBox2");
    // Screen readers tell the twin buttons of the two columns apart by these names.
    SetAccessibleNames({{CheckList1, "Categories"}, {CheckList2, "Units of the category"},
                        {BitBtn3, "Reset categories"}, {BitBtn1, "Accept categories"},
                        {BitBtn4, "Reset units"}, {BitBtn2, "Accept units"},
                        {BitBtn5, "Custom categories"}, {BitBtn6, "Custom units"}});
    BitBtn5->setEnabled(static_cast<bool>(m_hooks.customCategories));
    BitBtn6->setEnabled(static_cast<bool>(m_hooks.customUnits));
}

void TManageDlg::createMenus() {
    PopupMenu1 = Named(new QMenu(this), "PopupMenu1");
    connect(MenuItem(PopupMenu1, QStringLiteral("&Select all"), "SelectAll1"), &QAction::triggered, this,
            [this] { applyTicks(CheckList1, ManageLists::TickCommand::All); });
    connect(MenuItem(PopupMenu1, QStringLiteral("&Unselect All"), "UnselectAll1"), &QAction::triggered, this,
            [this] { applyTicks(CheckList1, ManageLists::TickCommand::None); });
    connect(MenuItem(PopupMenu1, QStringLiteral("&Invert Selection"), "InvertSelection1"),
            &QAction::triggered, this, [this] { applyTicks(CheckList1, ManageLists::TickCommand::Invert); });
    PopupMenu1->addSeparator();
    connect(MenuItem(PopupMenu1, QStringLiteral("&Alphabetical Order"), "AlphabeticalOrder1"),
            &QAction::triggered, this, &TManageDlg::sortCategories);

    PopupMenu2 = Named(new QMenu(this), "PopupMenu2");
    connect(MenuItem(PopupMenu2, QStringLiteral("&Select All"), "SelectAll2"), &QAction::triggered, this,
            [this] { applyTicks(CheckList2, ManageLists::TickCommand::All); });
    connect(MenuItem(PopupMenu2, QStringLiteral("&Unselect All"), "UnselectAll2"), &QAction::triggered, this,
            [this] { applyTicks(CheckList2, ManageLists::TickCommand::None); });
    connect(MenuItem(PopupMenu2, QStringLiteral("&Invert Selection"), "InvertSelection2"),
            &QAction::triggered, this, [this] { applyTicks(CheckList2, ManageLists::TickCommand::Invert); });
    PopupMenu2->addSeparator();
    connect(MenuItem(PopupMenu2, QStringLiteral("&Alphabetical Order"), "AlphabeticalOrder2"),
            &QAction::triggered, this, [this] { orderUnits(ManageLists::UnitOrder::Alphabetical); });
    connect(MenuItem(PopupMenu2, QStringLiteral("&Default Order"), "DefaultOrder2"), &QAction::triggered,
            this, [this] { orderUnits(ManageLists::UnitOrder::Default); });

    for (auto [list, menu] : {std::pair{CheckList1, PopupMenu1}, std::pair{CheckList2, PopupMenu2}}) {
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, this,
                [list, menu](const QPoint &at) { menu->popup(list->viewport()->mapToGlobal(at)); });
    }
}

// Two columns, categories on the left and the shown category's units on the right, each with
// its buttons below; the two options and Close along the bottom.
void TManageDlg::layOut() {
    auto *grid = new QGridLayout;
    grid->addWidget(Named(new QLabel(QStringLiteral("Categories:")), "Label4"), 0, 0);
    grid->addWidget(Label2, 0, 1);
    grid->addWidget(CheckList1, 1, 0, 1, 2);
    grid->addWidget(Named(new QLabel(QStringLiteral("Units of Category:")), "Label3"), 0, 2);
    grid->addWidget(Label1, 0, 3);
    grid->addWidget(CheckList2, 1, 2, 1, 2);

    auto *counts = new QHBoxLayout;
    counts->addWidget(Named(new QLabel(QStringLiteral("Units:")), "Label5"));
    counts->addWidget(Label7);
    counts->addSpacing(16);
    counts->addWidget(Named(new QLabel(QStringLiteral("Visible:")), "Label6"));
    counts->addWidget(Label8);
    counts->addStretch();
    grid->addLayout(counts, 2, 2, 1, 2);

    auto *categoryButtons = new QHBoxLayout;
    for (QPushButton *button : {BitBtn3, BitBtn5, BitBtn1})
        categoryButtons->addWidget(button);
    grid->addLayout(categoryButtons, 3, 0, 1, 2);
    auto *unitButtons = new QHBoxLayout;
    for (QPushButton *button : {BitBtn4, BitBtn6, BitBtn2})
        unitButtons->addWidget(button);
    grid->addLayout(unitButtons, 3, 2, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);

    auto *bottom = new QHBoxLayout;
    auto *options = new QVBoxLayout;
    options->addWidget(CheckBox1);
    options->addWidget(CheckBox2);
    bottom->addLayout(options);
    bottom->addStretch();
    bottom->addWidget(BitBtn7, 0, Qt::AlignBottom);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(bottom);
    setFixedSize(sizeHint().expandedTo(QSize(617, 500)));
}

// The category the user has chosen in the category list, else the one whose units are shown.
std::string TManageDlg::selectedCategory() const {
    const std::string focused = CheckList1->FocusedName();
    return focused.empty() ? m_shownCategory : focused;
}

void TManageDlg::connectControls() {
    connect(CheckList1, &QListWidget::currentItemChanged, this, &TManageDlg::updateCategoryCounts);
    connect(CheckList1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *) { showUnitsOf(CheckList1->FocusedName()); });
    connect(CheckList1, &TCheckList::enterPressed, this, [this] { showUnitsOf(CheckList1->FocusedName()); });
    connect(BitBtn1, &QPushButton::clicked, this, &TManageDlg::AcceptCategoriesClick);
    connect(BitBtn2, &QPushButton::clicked, this, &TManageDlg::AcceptUnitsClick);
    connect(BitBtn3, &QPushButton::clicked, this, &TManageDlg::ResetCategoriesClick);
    connect(BitBtn4, &QPushButton::clicked, this, &TManageDlg::ResetUnitsClick);
    connect(BitBtn5, &QPushButton::clicked, this, [this] { runCustomDialog(m_hooks.customCategories); });
    connect(BitBtn6, &QPushButton::clicked, this, [this] {
        if (m_hooks.customUnits)
            runCustomDialog([this, category = selectedCategory()] { m_hooks.customUnits(category); });
    });
    connect(BitBtn7, &QPushButton::clicked, this, &QDialog::accept);
    connect(CheckBox1, &QCheckBox::clicked, this, &TManageDlg::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::clicked, this, &TManageDlg::CheckBox2Click);
}

void TManageDlg::fillLists() {
    CheckBox1->setChecked(m_settings.GeSoCate);
    CheckList1->SetMovable(!m_settings.GeSoCate);
    CheckBox2->setChecked(m_settings.showhidden);
    CheckList1->SetItems(ManageLists::CategoryItems(m_database));
    updateCategoryCounts();
    showUnitsOf(CheckList1->FocusedName());
    CheckList1->setFocus();
}

// Close, Escape and the window's close button all end here: the category sort of the setting
// and the window's rebuild run whichever way the dialog goes.
void TManageDlg::done(int result) {
    if (!m_closing) {
        m_closing = true;
        if (m_settings.GeSoCate)
            m_database.SortCategoriesByName();
        if (m_hooks.closed)
            m_hooks.closed();
    }
    QDialog::done(result);
}

} // namespace mensurio
