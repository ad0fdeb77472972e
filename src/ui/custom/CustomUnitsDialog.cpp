// SPDX-License-Identifier: MIT
#include "ui/custom/CustomUnitsDialog.h"

#include "core/custom/CustomTexts.h"
#include "core/db/UnitDatabase.h"
#include "core/platform/Prompts.h"
#include "ui/shared/DialogWidgets.h"
#include "ui/shared/QtCp1252.h"
#include "ui/shared/SystemSeparators.h"
#include "ui/custom/CustomUnitEditor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace mensurio {

namespace {


} // namespace

TPagesDlg::TPagesDlg(UnitDatabase &database, Prompts &prompts, const std::string &category, QWidget *parent)
    : QDialog(parent), m_prompts(prompts), m_units(database, SystemSeparators()) {
    setObjectName(QStringLiteral("TPagesDlg"));
    setWindowTitle(QStringLiteral("Custom Units"));
    createControls();
    fillCategories(category);
    fillUnits();
    updateState();
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TPagesDlg::ComboBox1Change);
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TPagesDlg::ListBox1Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TPagesDlg::BitBtn4Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TPagesDlg::BitBtn1Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TPagesDlg::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TPagesDlg::BitBtn5Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
}

void TPagesDlg::ShowCustomUnits(UnitDatabase &database, Prompts &prompts, const std::string &category,
                                QWidget *parent) {
    TPagesDlg dialog(database, prompts, category, parent);
    dialog.exec();
}

void TPagesDlg::createControls() {
    Label2 = new QLabel(QStringLiteral("In This &Category:"));
    Label2->setObjectName(QStringLiteral("Label2"));
    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    Label2->setBuddy(ComboBox1);
    ListBox1 = new QListWidget;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    BitBtn1 = DialogButton(QStringLiteral("&Add"), "BitBtn1");
    BitBtn4 = DialogButton(QStringLiteral("&Modify"), "BitBtn4");
    BitBtn5 = DialogButton(QStringLiteral("&Remove"), "BitBtn5");
    BitBtn2 = DialogButton(QStringLiteral("Close"), "BitBtn2");
    ListBox1->setAccessibleName(QStringLiteral("Custom units"));
    Label1 = new QLabel;
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setMinimumHeight(2 * Label1->fontMetrics().height());

    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {BitBtn1, BitBtn4, BitBtn5})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(BitBtn2);
    auto *grid = new QGridLayout(this);
    grid->addWidget(Label2, 0, 0);
    grid->addWidget(ComboBox1, 1, 0);
    grid->addWidget(ListBox1, 2, 0);
    grid->addLayout(buttons, 1, 1, 2, 1);
    grid->addWidget(Label1, 3, 0, 1, 2);
    resize(380, 300);
}

void TPagesDlg::fillCategories(const std::string &category) {
    m_categories = m_units.CategoryNames();
    for (const std::string &name : m_categories)
        ComboBox1->addItem(QtCp1252::ToQString(name));
    auto at = std::find(m_categories.begin(), m_categories.end(), category);
    if (at == m_categories.end())
        at = std::find_if(m_categories.begin(), m_categories.end(), [&category](const std::string &n) {
            return UnitDatabase::SameNameIgnoringCase(n, category);
        });
    ComboBox1->setCurrentIndex(at == m_categories.end() ? (m_categories.empty() ? -1 : 0)
                                                        : static_cast<int>(at - m_categories.begin()));
}

std::string TPagesDlg::CurrentCategory() const {
    const int index = ComboBox1->currentIndex();
    return index < 0 ? std::string() : m_categories[static_cast<std::size_t>(index)];
}

std::string TPagesDlg::selectedUnit() const {
    const QList<QListWidgetItem *> selected = ListBox1->selectedItems();
    if (selected.isEmpty())
        return {};
    return m_unitNames[static_cast<std::size_t>(ListBox1->row(selected.first()))];
}

void TPagesDlg::fillUnits() {
    ListBox1->clear();
    m_unitNames = m_units.UnitNames(CurrentCategory());
    for (const std::string &name : m_unitNames)
        ListBox1->addItem(QtCp1252::ToQString(name));
}

void TPagesDlg::updateState() {
    const std::string category = CurrentCategory();
    const bool refused = CustomUnits::RefusesCustomUnits(category);
    ListBox1->setEnabled(!refused);
    QPalette colours = ListBox1->palette();
    colours.setColor(QPalette::Base, refused ? QColor(0xC0, 0xC0, 0xC0) : palette().color(QPalette::Base));
    ListBox1->setPalette(colours);
    if (refused) {
        for (QPushButton *button : {BitBtn1, BitBtn4, BitBtn5})
            button->setEnabled(false);
        Label1->setText(QString::fromLatin1(CustomTexts::RefusedCategory));
        return;
    }
    const std::string unit = selectedUnit();
    BitBtn1->setEnabled(!category.empty());
    BitBtn4->setEnabled(!unit.empty());
    BitBtn5->setEnabled(!unit.empty());
    Label1->setText(unit.empty() ? QString() : QtCp1252::ToQString(m_units.Description(category, unit)));
}

void TPagesDlg::ComboBox1Change() {
    fillUnits();
    updateState();
}

void TPagesDlg::ListBox1Click() {
    updateState();
}

void TPagesDlg::openEditor(UnitEditorMode mode) {
    {
        TPagesDlg1 editor(m_units, m_prompts, CurrentCategory(), mode, selectedUnit(), this);
        editor.exec();
    }
    fillUnits();
    updateState();
}

void TPagesDlg::BitBtn1Click() {
    if (BitBtn1->isEnabled())
        openEditor(UnitEditorMode::Add);
}

void TPagesDlg::BitBtn4Click() {
    if (BitBtn4->isEnabled() && !selectedUnit().empty())
        openEditor(UnitEditorMode::Modify);
}

void TPagesDlg::BitBtn5Click() {
    const std::string unit = selectedUnit();
    if (!BitBtn5->isEnabled() || unit.empty())
        return;
    m_prompts.Beep();
    if (m_prompts.Confirm(CustomTexts::ConfirmRemoveUnit))
        m_units.Remove(CurrentCategory(), unit);
    fillUnits();
    updateState();
}

} // namespace mensurio
