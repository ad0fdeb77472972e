// SPDX-License-Identifier: MIT
#include "ui/custom/CustomCategoriesDialog.h"

#include "core/custom/CustomTexts.h"
#include "core/db/UnitDatabase.h"
#include "core/platform/Prompts.h"
#include "ui/custom/CustomCategoryEditor.h"
#include "ui/custom/CustomUnitsDialog.h"
#include "ui/shared/DialogWidgets.h"
#include "ui/shared/QtCp1252.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace mensurio {

namespace {} // namespace

CustomCategoriesDialog::CustomCategoriesDialog(UnitDatabase &database, Prompts &prompts, QWidget *parent)
    : QDialog(parent), m_database(database), m_prompts(prompts), m_categories(database) {
    setObjectName(QStringLiteral("CustomCategoriesDialog"));
    setWindowTitle(QStringLiteral("Custom Categories"));
    createControls();
    fillList();
    connect(m_categoryList, &QListWidget::itemSelectionChanged, this,
            &CustomCategoriesDialog::selectionChanged);
    connect(m_addButton, &QPushButton::clicked, this, &CustomCategoriesDialog::addCategory);
    connect(m_renameButton, &QPushButton::clicked, this, &CustomCategoriesDialog::renameCategory);
    connect(m_removeButton, &QPushButton::clicked, this, &CustomCategoriesDialog::removeCategory);
    connect(m_unitsButton, &QPushButton::clicked, this, &CustomCategoriesDialog::showUnits);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

void CustomCategoriesDialog::ShowCustomCategories(UnitDatabase &database, Prompts &prompts, QWidget *parent) {
    CustomCategoriesDialog dialog(database, prompts, parent);
    dialog.exec();
}

void CustomCategoriesDialog::createControls() {
    m_categoryList = new QListWidget;
    m_categoryList->setObjectName(QStringLiteral("categoryList"));
    m_categoryList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_categoryList->setAccessibleName(QStringLiteral("Custom categories"));
    m_addButton = DialogButton(QStringLiteral("&Add"), "addButton");
    m_renameButton = DialogButton(QStringLiteral("Re&name"), "renameButton");
    m_removeButton = DialogButton(QStringLiteral("&Remove"), "removeButton");
    m_unitsButton = DialogButton(QStringLiteral("&Units"), "unitsButton");
    m_closeButton = DialogButton(QStringLiteral("&Close"), "closeButton");
    m_unitCount = new QLabel;
    m_unitCount->setObjectName(QStringLiteral("unitCount"));
    m_unitCount->setWordWrap(true);

    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {m_addButton, m_renameButton, m_removeButton, m_unitsButton})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    auto *grid = new QGridLayout(this);
    grid->addWidget(m_categoryList, 0, 0);
    grid->addLayout(buttons, 0, 1);
    grid->addWidget(m_unitCount, 1, 0, 1, 2);
    resize(380, 280);
}

// The list is filled with nothing selected, unless an edit asks to show the category it made.
void CustomCategoriesDialog::fillList(const std::string &selected) {
    const QSignalBlocker blocked(m_categoryList);
    m_categoryList->clear();
    m_names = m_categories.Names();
    for (const std::string &name : m_names)
        m_categoryList->addItem(QtCp1252::ToQString(name));
    const auto at = std::find(m_names.begin(), m_names.end(), selected);
    if (!selected.empty() && at != m_names.end())
        m_categoryList->setCurrentRow(static_cast<int>(at - m_names.begin()));
    updateState();
}

std::string CustomCategoriesDialog::selectedCategory() const {
    const QList<QListWidgetItem *> selected = m_categoryList->selectedItems();
    if (selected.isEmpty())
        return {};
    return m_names[static_cast<std::size_t>(m_categoryList->row(selected.first()))];
}

void CustomCategoriesDialog::updateState() {
    const std::string category = selectedCategory();
    for (QPushButton *button : {m_renameButton, m_removeButton, m_unitsButton})
        button->setEnabled(!category.empty());
    m_unitCount->setText(category.empty() ? QString()
                                          : QtCp1252::ToQString(m_categories.UnitCountText(category)));
}

void CustomCategoriesDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    m_categoryList->clearSelection();
    updateState();
}

std::string CustomCategoriesDialog::CurrentNameOf(const std::string &name) const {
    std::string current = name;
    for (const auto &[from, to] : m_renames)
        if (from == current)
            current = to;
    return current;
}

void CustomCategoriesDialog::selectionChanged() {
    updateState();
}

void CustomCategoriesDialog::addCategory() {
    CustomCategoryEditor editor(m_categories, m_prompts, CategoryEditorMode::Add, {}, this);
    const bool added = editor.exec() == QDialog::Accepted;
    fillList(added ? m_categories.LastStoredName() : std::string());
}

void CustomCategoriesDialog::renameCategory() {
    const std::string category = selectedCategory();
    if (category.empty())
        return;
    CustomCategoryEditor editor(m_categories, m_prompts, CategoryEditorMode::Rename, category, this);
    const bool renamed = editor.exec() == QDialog::Accepted;
    if (renamed)
        m_renames.emplace_back(category, m_categories.LastStoredName());
    fillList(renamed ? m_categories.LastStoredName() : std::string());
}

void CustomCategoriesDialog::removeCategory() {
    const std::string category = selectedCategory();
    if (category.empty())
        return;
    m_prompts.Beep();
    if (!m_prompts.Confirm(CustomTexts::ConfirmRemoveCategory))
        return;
    m_categories.Remove(category);
    fillList();
}

// The units list opens just below and right of this dialog's title bar, not centred over it.
void CustomCategoriesDialog::showUnits() {
    const std::string category = selectedCategory();
    if (category.empty())
        return;
    CustomUnitsDialog units(m_database, m_prompts, category, this);
    const int offset = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) +
                       style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    units.move(pos() + QPoint(offset, offset));
    units.exec();
    updateState();
}

} // namespace mensurio
