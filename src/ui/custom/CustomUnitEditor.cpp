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

CustomUnitEditor::CustomUnitEditor(CustomUnits &units, Prompts &prompts, std::string category,
                                   UnitEditorMode mode, const std::string &unit, QWidget *parent)
    : QDialog(parent), m_units(units), m_prompts(prompts), m_category(std::move(category)), m_mode(mode),
      m_unit(unit) {
    setObjectName(QStringLiteral("CustomUnitEditor"));
    setWindowTitle(mode == UnitEditorMode::Add ? QStringLiteral("Add custom unit")
                                               : QStringLiteral("Modify custom unit"));
    createControls();
    applySetup(mode == UnitEditorMode::Add ? m_units.AddSetup(m_category)
                                           : m_units.ModifySetup(m_category, m_unit));
    connect(m_nameField, &QLineEdit::textChanged, this, &CustomUnitEditor::updateOk);
    connect(m_amountField, &QLineEdit::textChanged, this, &CustomUnitEditor::updateOk);
    connect(m_okButton, &QPushButton::clicked, this, &CustomUnitEditor::acceptEdit);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    updateOk();
}

void CustomUnitEditor::createControls() {
    m_nameLabel = new QLabel(QStringLiteral("Name of &Unit"));
    m_nameLabel->setObjectName(QStringLiteral("nameLabel"));
    m_nameField = new QLineEdit;
    m_nameField->setObjectName(QStringLiteral("nameField"));
    m_nameField->setMaxLength(kNameLimit);
    m_nameLabel->setBuddy(m_nameField);
    m_amountLabel = new QLabel(QStringLiteral("&One of These Units is Equal To"));
    m_amountLabel->setObjectName(QStringLiteral("amountLabel"));
    m_amountField = new QLineEdit;
    m_amountField->setObjectName(QStringLiteral("amountField"));
    m_amountField->setMaxLength(kValueLimit);
    m_amountLabel->setBuddy(m_amountField);
    m_originChoice = new QComboBox;
    m_originChoice->setObjectName(QStringLiteral("originChoice"));
    m_originChoice->setMinimumWidth(160);
    m_originChoice->setAccessibleName(QStringLiteral("Unit of the value"));
    m_okButton = new QPushButton(QStringLiteral("OK"));
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto *fields = new QGridLayout;
    fields->addWidget(m_nameLabel, 0, 0, 1, 2);
    fields->addWidget(m_nameField, 1, 0, 1, 2);
    fields->addWidget(m_amountLabel, 2, 0, 1, 2);
    fields->addWidget(m_amountField, 3, 0);
    fields->addWidget(m_originChoice, 3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(buttons);
}

void CustomUnitEditor::applySetup(const UnitEditorSetup &setup) {
    m_setup = setup;
    for (const std::string &origin : setup.origins)
        m_originChoice->addItem(QtCp1252::ToQString(origin));
    m_originChoice->setCurrentIndex(setup.selectedOrigin);
    lockValue(setup.baseUnit);
    m_nameField->setText(QtCp1252::ToQString(setup.name));
    m_nameField->selectAll();
    m_amountField->setText(QtCp1252::ToQString(setup.value));
    m_nameField->setFocus();
}

// A base unit has no origin and no value: both fields are locked and greyed.
void CustomUnitEditor::lockValue(bool locked) {
    for (QWidget *field : {static_cast<QWidget *>(m_originChoice), static_cast<QWidget *>(m_amountField)}) {
        field->setEnabled(!locked);
        QPalette colours = field->palette();
        colours.setColor(QPalette::Base,
                         locked ? palette().color(QPalette::Window) : palette().color(QPalette::Base));
        field->setPalette(colours);
    }
}

void CustomUnitEditor::updateOk() {
    m_okButton->setEnabled(!m_nameField->text().isEmpty() && !m_amountField->text().isEmpty());
}

void CustomUnitEditor::acceptEdit() {
    if (!m_okButton->isEnabled())
        return;
    const std::string name = QtCp1252::FromQString(m_nameField->text());
    const std::string value = QtCp1252::FromQString(m_amountField->text());
    const int index = m_originChoice->currentIndex();
    const std::string origin = index >= 0 && index < static_cast<int>(m_setup.origins.size())
                                   ? m_setup.origins[static_cast<std::size_t>(index)]
                                   : std::string();
    const EditOutcome outcome =
        m_mode == UnitEditorMode::Add
            ? m_units.Add(m_category, name, value, origin)
            : m_units.Modify(m_category, m_unit, name, value, origin, !m_amountField->isEnabled());
    if (outcome.done) {
        accept();
        return;
    }
    m_prompts.Beep();
    m_prompts.Information(outcome.message);
}

} // namespace mensurio
