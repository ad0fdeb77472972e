// SPDX-License-Identifier: MIT
#include "ui/help/TipOfTheDayDialog.h"

#include "core/settings/ProgramSettings.h"
#include "core/tips/Tips.h"
#include "ui/shared/QtCp1252.h"

#include <QCheckBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

namespace mensurio {

namespace {

QPushButton *AddButton(QHBoxLayout *row, const QString &caption, const char *objectName) {
    auto *button = new QPushButton(caption);
    button->setObjectName(QLatin1String(objectName));
    row->addWidget(button);
    return button;
}

} // namespace

TipOfTheDayDialog::TipOfTheDayDialog(bool showAtStart, std::size_t firstTip, QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TipOfTheDayDialog"));
    setWindowTitle(tr("Tip of the Day"));
    const std::size_t count = TipsOfTheDay().size();
    m_index = count == 0 ? 0 : firstTip % count;

    auto *heading = new QLabel(tr("Did you know..."));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    heading->setFont(headingFont);

    m_tipLabel = new QLabel;
    m_tipLabel->setObjectName(QStringLiteral("TipText"));
    m_tipLabel->setWordWrap(true);
    m_tipLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_tipLabel->setMinimumSize(380, 90);

    m_showAtStart = new QCheckBox(tr("&Show tips at startup"));
    m_showAtStart->setObjectName(QStringLiteral("ShowAtStart"));
    m_showAtStart->setChecked(showAtStart);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_showAtStart);
    buttons->addStretch();
    QPushButton *previous = AddButton(buttons, tr("&Previous"), "PreviousButton");
    QPushButton *next = AddButton(buttons, tr("&Next"), "NextButton");
    QPushButton *close = AddButton(buttons, tr("&Close"), "CloseButton");
    close->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_tipLabel, 1);
    layout->addLayout(buttons);

    connect(previous, &QPushButton::clicked, this, &TipOfTheDayDialog::PreviousTip);
    connect(next, &QPushButton::clicked, this, &TipOfTheDayDialog::NextTip);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    ShowTip();
}

bool TipOfTheDayDialog::ShowAtStart() const {
    return m_showAtStart->isChecked();
}

QString TipOfTheDayDialog::TipText() const {
    return m_tipLabel->text();
}

void TipOfTheDayDialog::NextTip() {
    m_index = mensurio::NextTip(m_index, TipsOfTheDay().size());
    ShowTip();
}

void TipOfTheDayDialog::PreviousTip() {
    m_index = mensurio::PreviousTip(m_index, TipsOfTheDay().size());
    ShowTip();
}

void TipOfTheDayDialog::ShowTip() {
    const auto &tips = TipsOfTheDay();
    m_tipLabel->setText(m_index < tips.size() ? QtCp1252::ToQString(tips[m_index]) : QString());
}

void TipOfTheDayDialog::ShowTipOfTheDay(ProgramSettings &settings, QWidget *parent) {
    const auto count = static_cast<quint32>(TipsOfTheDay().size());
    const std::size_t first = count == 0 ? 0 : QRandomGenerator::global()->bounded(count);
    TipOfTheDayDialog dialog(settings.tipbox, first, parent);
    dialog.exec();
    settings.tipbox = dialog.ShowAtStart();
}

} // namespace mensurio
