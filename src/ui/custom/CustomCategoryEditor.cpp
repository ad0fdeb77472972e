// SPDX-License-Identifier: MIT
#include "ui/custom/CustomCategoryEditor.h"

#include "core/custom/CustomCategories.h"
#include "core/platform/Prompts.h"
#include "ui/shared/QtCp1252.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mensurio {

CustomCategoryEditor::CustomCategoryEditor(CustomCategories &categories, Prompts &prompts,
                                           CategoryEditorMode mode, std::string category, QWidget *parent)
    : QDialog(parent), m_categories(categories), m_prompts(prompts), m_mode(mode),
      m_category(std::move(category)) {
    setObjectName(QStringLiteral("CustomCategoryEditor"));
    setWindowTitle(mode == CategoryEditorMode::Add ? QStringLiteral("Add Custom Category")
                                                   : QStringLiteral("Rename Custom Category"));
    m_nameLabel = new QLabel(QStringLiteral("&Name of Category"));
    m_nameLabel->setObjectName(QStringLiteral("nameLabel"));
    m_nameField = new QLineEdit;
    m_nameField->setObjectName(QStringLiteral("nameField"));
    m_nameField->setMinimumWidth(260);
    m_nameLabel->setBuddy(m_nameField);
    m_okButton = new QPushButton(QStringLiteral("OK"));
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_nameLabel);
    layout->addWidget(m_nameField);
    layout->addStretch();
    layout->addLayout(buttons);

    if (mode == CategoryEditorMode::Rename) {
        m_nameField->setText(QtCp1252::ToQString(m_category));
        m_nameField->selectAll();
    }
    m_nameField->setFocus();
    connect(m_nameField, &QLineEdit::textChanged, this, &CustomCategoryEditor::nameEdited);
    connect(m_okButton, &QPushButton::clicked, this, &CustomCategoryEditor::acceptEdit);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    nameEdited();
}

void CustomCategoryEditor::nameEdited() {
    m_okButton->setEnabled(!m_nameField->text().isEmpty());
}

void CustomCategoryEditor::acceptEdit() {
    if (!m_okButton->isEnabled())
        return;
    const std::string name = QtCp1252::FromQString(m_nameField->text());
    const EditOutcome outcome =
        m_mode == CategoryEditorMode::Add ? m_categories.Add(name) : m_categories.Rename(m_category, name);
    if (outcome.done) {
        accept();
        return;
    }
    m_prompts.Beep();
    m_prompts.Information(outcome.message);
}

} // namespace mensurio
