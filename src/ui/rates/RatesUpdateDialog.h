// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace mensurio {

class CurrencyRates;
class Prompts;

/// Action > Update Exchange Rates: the rates in use, and new ones from a saved ECB file or a
/// download with its progress; what happened is said in the dialog, and a failure leaves the
/// rates in use as they were.
class RatesUpdateDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RatesUpdateDialog)
  public:
    RatesUpdateDialog(CurrencyRates &rates, Prompts &prompts, QWidget *parent = nullptr);

    /// Close, Escape: during a download, cancels it (the rates in use stay); else closes.
    void reject() override;

  private:
    void openFile();
    void download();
    void progressed(qint64 received, qint64 total);
    void finished(bool ok, const QString &message);
    void showOutcome(bool ok, const QString &message);
    void setBusy(bool busy);

    CurrencyRates &m_rates;
    Prompts &m_prompts;
    QLabel *m_status = nullptr;
    QLabel *m_outcome = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_downloadButton = nullptr;
    QPushButton *m_openButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QCheckBox *m_atStart = nullptr;
};

} // namespace mensurio
