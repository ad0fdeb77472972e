// SPDX-License-Identifier: MIT
#include "ui/custom/CustomUnitEditor.h"

#include "core/platform/Prompts.h"
#include "ui/shared/QtCp1252.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mensurio {

namespace {

constexpr int kNameLimit = 40; // keeps names below the database's 50 characters
constexpr int kValueLimit = 80;

} // namespace

TPagesDlg1::TPagesDlg1(CustomUnits &units, Prompts &prompts, std::string category, UnitEditorMode mode,
                       const std::string &unit, QWidget *parent)
    : QDialog(parent), m_units(units), m_prompts(prompts), m_category(std::move(category)), m_mode(mode),
      m_unit(unit) {
    setObjectName(QStringLiteral("TPagesDlg1"));
    setWindowTitle(mode == UnitEditorMode::Add ? QStringLiteral("Add custom unit")
                                               : QStringLiteral("Modify custom unit"));
    createControls();
    applySetup(mode == UnitEditorMode::Add ? m_units.AddSetup(m_category)
                                           : m_units.ModifySetup(m_category, m_unit));
    connect(Edit1, &QLineEdit::textChanged, this, &TPagesDlg1::updateOk);
    connect(Edit2, &QLineEdit::textChanged, this, &TPagesDlg1::updateOk);
    connect(BitBtn1, &QPushButton::clicked, this, &TPagesDlg1::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    updateOk();
}

void TPagesDlg1::createControls() {
    Label1 = new QLabel(QStringLiteral("Name of &Unit"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(kNameLimit);
    Label1->setBuddy(Edit1);
    Label2 = new QLabel(QStringLiteral("&One of These Units is Equal To"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Edit2 = new QLineEdit;
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMaxLength(kValueLimit);
    Label2->setBuddy(Edit2);
    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setMinimumWidth(160);
    ComboBox1->setAccessibleName(QStringLiteral("Unit of the value"));
    BitBtn1 = new QPushButton(QStringLiteral("OK"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Cancel"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    auto *fields = new QGridLayout;
    fields->addWidget(Label1, 0, 0, 1, 2);
    fields->addWidget(Edit1, 1, 0, 1, 2);
    fields->addWidget(Label2, 2, 0, 1, 2);
    fields->addWidget(Edit2, 3, 0);
    fields->addWidget(ComboBox1, 3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(buttons);
}

void TPagesDlg1::applySetup(const UnitEditorSetup &setup) {
    m_setup = setup;
    for (const std::string &origin : setup.origins)
        ComboBox1->addItem(QtCp1252::ToQString(origin));
    ComboBox1->setCurrentIndex(setup.selectedOrigin);
    lockValue(setup.baseUnit);
    Edit1->setText(QtCp1252::ToQString(setup.name));
    Edit1->selectAll();
    Edit2->setText(QtCp1252::ToQString(setup.value));
    Edit1->setFocus();
}

// A base unit has no origin and no value: both fields are locked and greyed.
void TPagesDlg1::lockValue(bool locked) {
    for (QWidget *field : {static_cast<QWidget *>(ComboBox1), static_cast<QWidget *>(Edit2)}) {
        field->setEnabled(!locked);
        QPalette colours = field->palette();
        colours.setColor(QPalette::Base,
                         locked ? palette().color(QPalette::Window) : palette().color(QPalette::Base));
        field->setPalette(colours);
    }
}

void TPagesDlg1::updateOk() {
    BitBtn1->setEnabled(!Edit1->text().isEmpty() && !Edit2->text().isEmpty());
}

void TPagesDlg1::BitBtn1Click() {
    if (!BitBtn1->isEnabled())
        return;
    const std::string name = QtCp1252::FromQString(Edit1->text());
    const std::string value = QtCp1252::FromQString(Edit2->text());
    const int index = ComboBox1->currentIndex();
    const std::string origin = index >= 0 && index < static_cast<int>(m_setup.origins.size())
                                   ? m_setup.origins[static_cast<std::size_t>(index)]
                                   : std::string();
    const EditOutcome outcome =
        m_mode == UnitEditorMode::Add
            ? m_units.Add(m_category, name, value, origin)
            : m_units.Modify(m_category, m_unit, name, value, origin, !Edit2->isEnabled());
    if (outcome.done) {
        accept();
        return;
    }
    m_prompts.Beep();
    m_prompts.Information(outcome.message);
}

} // namespace mensurio
