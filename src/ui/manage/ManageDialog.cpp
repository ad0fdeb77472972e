// SPDX-License-Identifier: MIT
// The manage dialog's controls and its opening.
#include "ui/manage/ManageDialog.h"

#include "core/db/UnitDatabase.h"
#include "core/settings/ProgramSettings.h"
#include "ui/manage/ManageCheckList.h"
#include "ui/shared/DialogWidgets.h"

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

ManageDialog::ManageDialog(UnitDatabase &database, ProgramSettings &settings, Prompts &prompts,
                           ManageDialogHooks hooks, QWidget *parent)
    : QDialog(parent), m_database(database), m_settings(settings), m_prompts(prompts),
      m_hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("ManageDialog"));
    setWindowTitle(QStringLiteral("Manage Units and Categories"));
    createWidgets();
    createMenus();
    layOut();
    connectControls();
    fillLists();
}

void ManageDialog::createWidgets() {
    m_shownCategoryLabel = Named(new QLabel, "shownCategoryLabel");
    m_shownCategoryLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_categoryCounts = Named(new QLabel, "categoryCounts");
    m_categoryCounts->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_unitCount = Named(new QLabel, "unitCount");
    m_visibleCount = Named(new QLabel, "visibleCount");
    m_categoryList = Named(new ManageCheckList, "categoryList");
    m_unitList = Named(new ManageCheckList, "unitList");
    m_resetCategoriesButton = DialogButton(QStringLiteral("&Reset"), "resetCategoriesButton");
    m_customCategoriesButton = DialogButton(QStringLiteral("&Categories"), "customCategoriesButton");
    m_acceptCategoriesButton = DialogButton(QStringLiteral("&Accept"), "acceptCategoriesButton");
    m_resetUnitsButton = DialogButton(QStringLiteral("R&eset"), "resetUnitsButton");
    m_customUnitsButton = DialogButton(QStringLiteral("&Units"), "customUnitsButton");
    m_acceptUnitsButton = DialogButton(QStringLiteral("Acce&pt"), "acceptUnitsButton");
    m_closeButton = DialogButton(QStringLiteral("&Close"), "closeButton");
    m_sortCategories =
        Named(new QCheckBox(QStringLiteral("&Sort Categories in Alphabetical Order")), "sortCategories");
    m_showHidden =
        Named(new QCheckBox(QStringLiteral("Show &Hidden  (ignore visibility settings)")), "showHidden");
    // Screen readers tell the twin buttons of the two columns apart by these names.
    SetAccessibleNames({{m_categoryList, "Categories"},
                        {m_unitList, "Units of the category"},
                        {m_resetCategoriesButton, "Reset categories"},
                        {m_acceptCategoriesButton, "Accept categories"},
                        {m_resetUnitsButton, "Reset units"},
                        {m_acceptUnitsButton, "Accept units"},
                        {m_customCategoriesButton, "Custom categories"},
                        {m_customUnitsButton, "Custom units"}});
    m_customCategoriesButton->setEnabled(static_cast<bool>(m_hooks.customCategories));
    m_customUnitsButton->setEnabled(static_cast<bool>(m_hooks.customUnits));
}

void ManageDialog::createMenus() {
    m_categoryMenu = Named(new QMenu(this), "categoryMenu");
    connect(MenuItem(m_categoryMenu, QStringLiteral("&Select all"), "selectAllCategories"),
            &QAction::triggered, this, [this] { applyTicks(m_categoryList, ManageLists::TickCommand::All); });
    connect(MenuItem(m_categoryMenu, QStringLiteral("&Unselect All"), "unselectAllCategories"),
            &QAction::triggered, this,
            [this] { applyTicks(m_categoryList, ManageLists::TickCommand::None); });
    connect(MenuItem(m_categoryMenu, QStringLiteral("&Invert Selection"), "invertCategorySelection"),
            &QAction::triggered, this,
            [this] { applyTicks(m_categoryList, ManageLists::TickCommand::Invert); });
    m_categoryMenu->addSeparator();
    connect(MenuItem(m_categoryMenu, QStringLiteral("&Alphabetical Order"), "sortCategoriesByName"),
            &QAction::triggered, this, &ManageDialog::sortCategories);

    m_unitMenu = Named(new QMenu(this), "unitMenu");
    connect(MenuItem(m_unitMenu, QStringLiteral("&Select All"), "selectAllUnits"), &QAction::triggered, this,
            [this] { applyTicks(m_unitList, ManageLists::TickCommand::All); });
    connect(MenuItem(m_unitMenu, QStringLiteral("&Unselect All"), "unselectAllUnits"), &QAction::triggered,
            this, [this] { applyTicks(m_unitList, ManageLists::TickCommand::None); });
    connect(MenuItem(m_unitMenu, QStringLiteral("&Invert Selection"), "invertUnitSelection"),
            &QAction::triggered, this, [this] { applyTicks(m_unitList, ManageLists::TickCommand::Invert); });
    m_unitMenu->addSeparator();
    connect(MenuItem(m_unitMenu, QStringLiteral("&Alphabetical Order"), "sortUnitsByName"),
            &QAction::triggered, this, [this] { orderUnits(ManageLists::UnitOrder::Alphabetical); });
    connect(MenuItem(m_unitMenu, QStringLiteral("&Default Order"), "defaultUnitOrder"), &QAction::triggered,
            this, [this] { orderUnits(ManageLists::UnitOrder::Default); });

    for (auto [list, menu] : {std::pair{m_categoryList, m_categoryMenu}, std::pair{m_unitList, m_unitMenu}}) {
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, this,
                [list, menu](const QPoint &at) { menu->popup(list->viewport()->mapToGlobal(at)); });
    }
}

// Two columns, categories on the left and the shown category's units on the right, each with
// its buttons below; the two options and Close along the bottom.
void ManageDialog::layOut() {
    auto *grid = new QGridLayout;
    grid->addWidget(Named(new QLabel(QStringLiteral("Categories:")), "categoriesLabel"), 0, 0);
    grid->addWidget(m_categoryCounts, 0, 1);
    grid->addWidget(m_categoryList, 1, 0, 1, 2);
    grid->addWidget(Named(new QLabel(QStringLiteral("Units of Category:")), "unitsOfCategoryLabel"), 0, 2);
    grid->addWidget(m_shownCategoryLabel, 0, 3);
    grid->addWidget(m_unitList, 1, 2, 1, 2);

    auto *counts = new QHBoxLayout;
    counts->addWidget(Named(new QLabel(QStringLiteral("Units:")), "unitsLabel"));
    counts->addWidget(m_unitCount);
    counts->addSpacing(16);
    counts->addWidget(Named(new QLabel(QStringLiteral("Visible:")), "visibleLabel"));
    counts->addWidget(m_visibleCount);
    counts->addStretch();
    grid->addLayout(counts, 2, 2, 1, 2);

    auto *categoryButtons = new QHBoxLayout;
    for (QPushButton *button : {m_resetCategoriesButton, m_customCategoriesButton, m_acceptCategoriesButton})
        categoryButtons->addWidget(button);
    grid->addLayout(categoryButtons, 3, 0, 1, 2);
    auto *unitButtons = new QHBoxLayout;
    for (QPushButton *button : {m_resetUnitsButton, m_customUnitsButton, m_acceptUnitsButton})
        unitButtons->addWidget(button);
    grid->addLayout(unitButtons, 3, 2, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);

    auto *bottom = new QHBoxLayout;
    auto *options = new QVBoxLayout;
    options->addWidget(m_sortCategories);
    options->addWidget(m_showHidden);
    bottom->addLayout(options);
    bottom->addStretch();
    bottom->addWidget(m_closeButton, 0, Qt::AlignBottom);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(bottom);
    setFixedSize(sizeHint().expandedTo(QSize(617, 500)));
}

// The category the user has chosen in the category list, else the one whose units are shown.
std::string ManageDialog::selectedCategory() const {
    const std::string focused = m_categoryList->FocusedName();
    return focused.empty() ? m_shownCategory : focused;
}

void ManageDialog::connectControls() {
    connect(m_categoryList, &QListWidget::currentItemChanged, this, &ManageDialog::updateCategoryCounts);
    connect(m_categoryList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *) { showUnitsOf(m_categoryList->FocusedName()); });
    connect(m_categoryList, &ManageCheckList::enterPressed, this,
            [this] { showUnitsOf(m_categoryList->FocusedName()); });
    connect(m_acceptCategoriesButton, &QPushButton::clicked, this, &ManageDialog::AcceptCategoriesClick);
    connect(m_acceptUnitsButton, &QPushButton::clicked, this, &ManageDialog::AcceptUnitsClick);
    connect(m_resetCategoriesButton, &QPushButton::clicked, this, &ManageDialog::ResetCategoriesClick);
    connect(m_resetUnitsButton, &QPushButton::clicked, this, &ManageDialog::ResetUnitsClick);
    connect(m_customCategoriesButton, &QPushButton::clicked, this,
            [this] { runCustomDialog(m_hooks.customCategories); });
    connect(m_customUnitsButton, &QPushButton::clicked, this, [this] {
        if (m_hooks.customUnits)
            runCustomDialog([this, category = selectedCategory()] { m_hooks.customUnits(category); });
    });
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_sortCategories, &QCheckBox::clicked, this, &ManageDialog::sortCategoriesToggled);
    connect(m_showHidden, &QCheckBox::clicked, this, &ManageDialog::showHiddenToggled);
}

void ManageDialog::fillLists() {
    m_sortCategories->setChecked(m_settings.GeSoCate);
    m_categoryList->SetMovable(!m_settings.GeSoCate);
    m_showHidden->setChecked(m_settings.showhidden);
    m_categoryList->SetItems(ManageLists::CategoryItems(m_database));
    updateCategoryCounts();
    showUnitsOf(m_categoryList->FocusedName());
    m_categoryList->setFocus();
}

// Close, Escape and the window's close button all end here: the category sort of the setting
// and the window's rebuild run whichever way the dialog goes.
void ManageDialog::done(int result) {
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
