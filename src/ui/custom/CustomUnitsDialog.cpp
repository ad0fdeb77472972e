// SPDX-License-Identifier: MIT
#include "ui/custom/CustomUnitsDialog.h"

#include "core/custom/CustomTexts.h"
#include "core/db/UnitDatabase.h"
#include "core/platform/Prompts.h"
#include "ui/custom/CustomUnitEditor.h"
#include "ui/shared/DialogWidgets.h"
#include "ui/shared/QtCp1252.h"
#include "ui/shared/SystemSeparators.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace mensurio {

namespace {} // namespace

CustomUnitsDialog::CustomUnitsDialog(UnitDatabase &database, Prompts &prompts, const std::string &category,
                                     QWidget *parent)
    : QDialog(parent), m_prompts(prompts), m_units(database, SystemSeparators()) {
    setObjectName(QStringLiteral("CustomUnitsDialog"));
    setWindowTitle(QStringLiteral("Custom Units"));
    createControls();
    fillCategories(category);
    fillUnits();
    updateState();
    connect(m_categoryChoice, &QComboBox::currentIndexChanged, this, &CustomUnitsDialog::categoryChanged);
    connect(m_unitList, &QListWidget::itemSelectionChanged, this, &CustomUnitsDialog::unitSelectionChanged);
    connect(m_unitList, &QListWidget::itemDoubleClicked, this, &CustomUnitsDialog::modifyUnit);
    connect(m_addButton, &QPushButton::clicked, this, &CustomUnitsDialog::addUnit);
    connect(m_modifyButton, &QPushButton::clicked, this, &CustomUnitsDialog::modifyUnit);
    connect(m_removeButton, &QPushButton::clicked, this, &CustomUnitsDialog::removeUnit);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

void CustomUnitsDialog::ShowCustomUnits(UnitDatabase &database, Prompts &prompts, const std::string &category,
                                        QWidget *parent) {
    CustomUnitsDialog dialog(database, prompts, category, parent);
    dialog.exec();
}

void CustomUnitsDialog::createControls() {
    m_categoryLabel = new QLabel(QStringLiteral("In This &Category:"));
    m_categoryLabel->setObjectName(QStringLiteral("categoryLabel"));
    m_categoryChoice = new QComboBox;
    m_categoryChoice->setObjectName(QStringLiteral("categoryChoice"));
    m_categoryLabel->setBuddy(m_categoryChoice);
    m_unitList = new QListWidget;
    m_unitList->setObjectName(QStringLiteral("unitList"));
    m_unitList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_addButton = DialogButton(QStringLiteral("&Add"), "addButton");
    m_modifyButton = DialogButton(QStringLiteral("&Modify"), "modifyButton");
    m_removeButton = DialogButton(QStringLiteral("&Remove"), "removeButton");
    m_closeButton = DialogButton(QStringLiteral("Close"), "closeButton");
    m_unitList->setAccessibleName(QStringLiteral("Custom units"));
    m_description = new QLabel;
    m_description->setObjectName(QStringLiteral("description"));
    m_description->setWordWrap(true);
    m_description->setMinimumHeight(2 * m_description->fontMetrics().height());

    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {m_addButton, m_modifyButton, m_removeButton})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    auto *grid = new QGridLayout(this);
    grid->addWidget(m_categoryLabel, 0, 0);
    grid->addWidget(m_categoryChoice, 1, 0);
    grid->addWidget(m_unitList, 2, 0);
    grid->addLayout(buttons, 1, 1, 2, 1);
    grid->addWidget(m_description, 3, 0, 1, 2);
    resize(380, 300);
}

void CustomUnitsDialog::fillCategories(const std::string &category) {
    m_categories = m_units.CategoryNames();
    for (const std::string &name : m_categories)
        m_categoryChoice->addItem(QtCp1252::ToQString(name));
    auto at = std::find(m_categories.begin(), m_categories.end(), category);
    if (at == m_categories.end())
        at = std::find_if(m_categories.begin(), m_categories.end(), [&category](const std::string &n) {
            return UnitDatabase::SameNameIgnoringCase(n, category);
        });
    m_categoryChoice->setCurrentIndex(at == m_categories.end() ? (m_categories.empty() ? -1 : 0)
                                                               : static_cast<int>(at - m_categories.begin()));
}

std::string CustomUnitsDialog::CurrentCategory() const {
    const int index = m_categoryChoice->currentIndex();
    return index < 0 ? std::string() : m_categories[static_cast<std::size_t>(index)];
}

std::string CustomUnitsDialog::selectedUnit() const {
    const QList<QListWidgetItem *> selected = m_unitList->selectedItems();
    if (selected.isEmpty())
        return {};
    return m_unitNames[static_cast<std::size_t>(m_unitList->row(selected.first()))];
}

void CustomUnitsDialog::fillUnits() {
    m_unitList->clear();
    m_unitNames = m_units.UnitNames(CurrentCategory());
    for (const std::string &name : m_unitNames)
        m_unitList->addItem(QtCp1252::ToQString(name));
}

void CustomUnitsDialog::updateState() {
    const std::string category = CurrentCategory();
    const bool refused = CustomUnits::RefusesCustomUnits(category);
    m_unitList->setEnabled(!refused);
    QPalette colours = m_unitList->palette();
    colours.setColor(QPalette::Base, refused ? QColor(0xC0, 0xC0, 0xC0) : palette().color(QPalette::Base));
    m_unitList->setPalette(colours);
    if (refused) {
        for (QPushButton *button : {m_addButton, m_modifyButton, m_removeButton})
            button->setEnabled(false);
        m_description->setText(QString::fromLatin1(CustomTexts::RefusedCategory));
        return;
    }
    const std::string unit = selectedUnit();
    m_addButton->setEnabled(!category.empty());
    m_modifyButton->setEnabled(!unit.empty());
    m_removeButton->setEnabled(!unit.empty());
    m_description->setText(unit.empty() ? QString()
                                        : QtCp1252::ToQString(m_units.Description(category, unit)));
}

void CustomUnitsDialog::categoryChanged() {
    fillUnits();
    updateState();
}

void CustomUnitsDialog::unitSelectionChanged() {
    updateState();
}

void CustomUnitsDialog::openEditor(UnitEditorMode mode) {
    {
        CustomUnitEditor editor(m_units, m_prompts, CurrentCategory(), mode, selectedUnit(), this);
        editor.exec();
    }
    fillUnits();
    updateState();
}

void CustomUnitsDialog::addUnit() {
    if (m_addButton->isEnabled())
        openEditor(UnitEditorMode::Add);
}

void CustomUnitsDialog::modifyUnit() {
    if (m_modifyButton->isEnabled() && !selectedUnit().empty())
        openEditor(UnitEditorMode::Modify);
}

void CustomUnitsDialog::removeUnit() {
    const std::string unit = selectedUnit();
    if (!m_removeButton->isEnabled() || unit.empty())
        return;
    m_prompts.Beep();
    if (m_prompts.Confirm(CustomTexts::ConfirmRemoveUnit))
        m_units.Remove(CurrentCategory(), unit);
    fillUnits();
    updateState();
}

} // namespace mensurio
