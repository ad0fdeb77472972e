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

TPagesDlg4::TPagesDlg4(CustomCategories &categories, Prompts &prompts, CategoryEditorMode mode,
                       std::string category, QWidget *parent)
    : QDialog(parent), m_categories(categories), m_prompts(prompts), m_mode(mode),
      m_category(std::move(category)) {
    setObjectName(QStringLiteral("TPagesDlg4"));
    setWindowTitle(mode == CategoryEditorMode::Add ? QStringLiteral("Add Custom Category")
                                                   : QStringLiteral("Rename Custom Category"));
    Label1 = new QLabel(QStringLiteral("&Name of Category"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(260);
    Label1->setBuddy(Edit1);
    BitBtn3 = new QPushButton(QStringLiteral("OK"));
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn3->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Cancel"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn3);
    buttons->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    layout->addStretch();
    layout->addLayout(buttons);

    if (mode == CategoryEditorMode::Rename) {
        Edit1->setText(QtCp1252::ToQString(m_category));
        Edit1->selectAll();
    }
    Edit1->setFocus();
    connect(Edit1, &QLineEdit::textChanged, this, &TPagesDlg4::Edit1Change);
    connect(BitBtn3, &QPushButton::clicked, this, &TPagesDlg4::BitBtn3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    Edit1Change();
}

void TPagesDlg4::Edit1Change() {
    BitBtn3->setEnabled(!Edit1->text().isEmpty());
}

void TPagesDlg4::BitBtn3Click() {
    if (!BitBtn3->isEnabled())
        return;
    const std::string name = QtCp1252::FromQString(Edit1->text());
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
