// SPDX-License-Identifier: MIT
#include "ui/custom/CustomCategoriesDialog.h"

#include "core/custom/CustomTexts.h"
#include "core/db/UnitDatabase.h"
#include "core/platform/Prompts.h"
#include "ui/shared/DialogWidgets.h"
#include "ui/shared/QtCp1252.h"
#include "ui/custom/CustomUnitsDialog.h"
#include "ui/custom/CustomCategoryEditor.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace mensurio {

namespace {


} // namespace

TPagesDlg3::TPagesDlg3(UnitDatabase &database, Prompts &prompts, QWidget *parent)
    : QDialog(parent), m_database(database), m_prompts(prompts), m_categories(database) {
    setObjectName(QStringLiteral("TPagesDlg3"));
    setWindowTitle(QStringLiteral("Custom Categories"));
    createControls();
    fillList();
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TPagesDlg3::ListBox1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TPagesDlg3::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TPagesDlg3::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TPagesDlg3::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TPagesDlg3::BitBtn4Click);
    connect(BitBtn6, &QPushButton::clicked, this, &QDialog::accept);
}

void TPagesDlg3::ShowCustomCategories(UnitDatabase &database, Prompts &prompts, QWidget *parent) {
    TPagesDlg3 dialog(database, prompts, parent);
    dialog.exec();
}

void TPagesDlg3::createControls() {
    ListBox1 = new QListWidget;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setAccessibleName(QStringLiteral("Custom categories"));
    BitBtn1 = DialogButton(QStringLiteral("&Add"), "BitBtn1");
    BitBtn2 = DialogButton(QStringLiteral("Re&name"), "BitBtn2");
    BitBtn3 = DialogButton(QStringLiteral("&Remove"), "BitBtn3");
    BitBtn4 = DialogButton(QStringLiteral("&Units"), "BitBtn4");
    BitBtn6 = DialogButton(QStringLiteral("&Close"), "BitBtn6");
    Label2 = new QLabel;
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);

    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {BitBtn1, BitBtn2, BitBtn3, BitBtn4})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(BitBtn6);
    auto *grid = new QGridLayout(this);
    grid->addWidget(ListBox1, 0, 0);
    grid->addLayout(buttons, 0, 1);
    grid->addWidget(Label2, 1, 0, 1, 2);
    resize(380, 280);
}

// The list is filled with nothing selected, unless an edit asks to show the category it made.
void TPagesDlg3::fillList(const std::string &selected) {
    const QSignalBlocker blocked(ListBox1);
    ListBox1->clear();
    m_names = m_categories.Names();
    for (const std::string &name : m_names)
        ListBox1->addItem(QtCp1252::ToQString(name));
    const auto at = std::find(m_names.begin(), m_names.end(), selected);
    if (!selected.empty() && at != m_names.end())
        ListBox1->setCurrentRow(static_cast<int>(at - m_names.begin()));
    updateState();
}

std::string TPagesDlg3::selectedCategory() const {
    const QList<QListWidgetItem *> selected = ListBox1->selectedItems();
    if (selected.isEmpty())
        return {};
    return m_names[static_cast<std::size_t>(ListBox1->row(selected.first()))];
}

void TPagesDlg3::updateState() {
    const std::string category = selectedCategory();
    for (QPushButton *button : {BitBtn2, BitBtn3, BitBtn4})
        button->setEnabled(!category.empty());
    Label2->setText(category.empty() ? QString() : QtCp1252::ToQString(m_categories.UnitCountText(category)));
}

void TPagesDlg3::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    ListBox1->clearSelection();
    updateState();
}

std::string TPagesDlg3::CurrentNameOf(const std::string &name) const {
    std::string current = name;
    for (const auto &[from, to] : m_renames)
        if (from == current)
            current = to;
    return current;
}

void TPagesDlg3::ListBox1Click() {
    updateState();
}

void TPagesDlg3::BitBtn1Click() {
    TPagesDlg4 editor(m_categories, m_prompts, CategoryEditorMode::Add, {}, this);
    const bool added = editor.exec() == QDialog::Accepted;
    fillList(added ? m_categories.LastStoredName() : std::string());
}

void TPagesDlg3::BitBtn2Click() {
    const std::string category = selectedCategory();
    if (category.empty())
        return;
    TPagesDlg4 editor(m_categories, m_prompts, CategoryEditorMode::Rename, category, this);
    const bool renamed = editor.exec() == QDialog::Accepted;
    if (renamed)
        m_renames.emplace_back(category, m_categories.LastStoredName());
    fillList(renamed ? m_categories.LastStoredName() : std::string());
}

void TPagesDlg3::BitBtn3Click() {
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
void TPagesDlg3::BitBtn4Click() {
    const std::string category = selectedCategory();
    if (category.empty())
        return;
    TPagesDlg units(m_database, m_prompts, category, this);
    const int offset = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) +
                       style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    units.move(pos() + QPoint(offset, offset));
    units.exec();
    updateState();
}

} // namespace mensurio
