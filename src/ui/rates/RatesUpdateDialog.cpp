// SPDX-License-Identifier: MIT
#include "ui/rates/RatesUpdateDialog.h"

#include "core/platform/Prompts.h"
#include "ui/rates/CurrencyRates.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace mensurio {

RatesUpdateDialog::RatesUpdateDialog(CurrencyRates &rates, Prompts &prompts, QWidget *parent)
    : QDialog(parent), m_rates(rates), m_prompts(prompts) {
    setObjectName("RatesUpdateDialog");
    setWindowTitle(tr("Update Exchange Rates"));
    auto *about =
        new QLabel(tr("The Currency category converts with the euro reference rates that the European "
                      "Central Bank publishes every working day, around 16:00 Central European Time. "
                      "They are fetched only when you ask for them here."),
                   this);
    about->setWordWrap(true);
    m_status = new QLabel(m_rates.StatusText(), this);
    m_status->setObjectName("ratesStatus");
    m_status->setWordWrap(true);
    m_downloadButton = new QPushButton(tr("&Download from the ECB"), this);
    m_downloadButton->setObjectName("downloadButton");
    m_openButton = new QPushButton(tr("&Open File..."), this);
    m_openButton->setObjectName("openFileButton");
    m_openButton->setToolTip(tr("A saved copy of eurofxref-daily.xml"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName("downloadProgress");
    m_progress->setAccessibleName(tr("Download progress"));
    m_progress->hide();
    m_outcome = new QLabel(this);
    m_outcome->setObjectName("ratesOutcome");
    m_outcome->setWordWrap(true);
    m_outcome->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_atStart = new QCheckBox(tr("Download new rates at every &start"), this);
    m_atStart->setObjectName("downloadAtStart");
    m_atStart->setChecked(m_rates.DownloadAtStart());
    m_closeButton = new QPushButton(tr("Close"), this);
    m_closeButton->setObjectName("closeButton");

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_downloadButton);
    buttons->addWidget(m_openButton);
    buttons->addStretch();
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_atStart);
    bottom->addStretch();
    bottom->addWidget(m_closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addWidget(m_status);
    layout->addLayout(buttons);
    layout->addWidget(m_progress);
    layout->addWidget(m_outcome);
    layout->addStretch();
    layout->addLayout(bottom);
    resize(460, sizeHint().height());

    connect(m_downloadButton, &QPushButton::clicked, this, &RatesUpdateDialog::download);
    connect(m_openButton, &QPushButton::clicked, this, &RatesUpdateDialog::openFile);
    connect(m_closeButton, &QPushButton::clicked, this, &RatesUpdateDialog::reject);
    connect(m_atStart, &QCheckBox::toggled, this, [this](bool on) { m_rates.SetDownloadAtStart(on); });
    connect(&m_rates, &CurrencyRates::downloadProgress, this, &RatesUpdateDialog::progressed);
    connect(&m_rates, &CurrencyRates::downloadFinished, this, &RatesUpdateDialog::finished);
    setBusy(m_rates.Downloading());
}

void RatesUpdateDialog::openFile() {
    const std::string path = m_prompts.OpenFileName("Open Exchange Rates", QDir::homePath().toStdString(),
                                                    "ECB reference rates (*.xml);;All files (*)");
    if (path.empty())
        return;
    QString message;
    const bool ok = m_rates.UpdateFromFile(path, message);
    showOutcome(ok, message);
}

void RatesUpdateDialog::download() {
    m_outcome->clear();
    m_progress->setRange(0, 0); // busy until the size is known
    setBusy(true);
    m_rates.StartDownload();
}

void RatesUpdateDialog::progressed(qint64 received, qint64 total) {
    if (total > 0) {
        m_progress->setRange(0, 1000);
        m_progress->setValue(static_cast<int>(std::min<qint64>(1000, received * 1000 / total)));
    }
}

void RatesUpdateDialog::finished(bool ok, const QString &message) {
    setBusy(false);
    showOutcome(ok, message);
}

void RatesUpdateDialog::showOutcome(bool ok, const QString &message) {
    if (!ok)
        m_prompts.Beep();
    m_outcome->setText(message);
    m_status->setText(m_rates.StatusText());
}

void RatesUpdateDialog::setBusy(bool busy) {
    m_progress->setVisible(busy);
    m_downloadButton->setEnabled(!busy);
    m_openButton->setEnabled(!busy);
    m_closeButton->setText(busy ? tr("Cancel") : tr("Close"));
}

// Closing the dialog during a download cancels it: the rates in use stay.
void RatesUpdateDialog::reject() {
    if (m_rates.Downloading()) {
        m_rates.CancelDownload();
        return;
    }
    QDialog::reject();
}

} // namespace mensurio
