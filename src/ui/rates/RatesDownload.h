// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>

namespace mensurio {

/// One download of the exchange rates by mensurio-fetch, the program beside this one that holds
/// the network code: its progress as it goes, then the body it wrote or the line that says why
/// it failed.
class RatesDownload : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RatesDownload)
  public:
    static constexpr const char *Program = "mensurio-fetch";

    explicit RatesDownload(QObject *parent = nullptr);
    ~RatesDownload() override;

    /// Starts mensurio-fetch beside the running program (it reads MENSURIO_RATES_URL); `timeout`
    /// in seconds, 0 for its default.
    void Start(int timeoutSeconds);
    /// Stops a download under way; finished() then reports it as cancelled.
    void Cancel();
    bool Running() const { return m_process.state() != QProcess::NotRunning; }

  signals:
    /// Bytes received and the size the server announced (-1 while unknown).
    void progress(qint64 received, qint64 total);
    /// ok: `body` holds what was downloaded; otherwise `problem` says why there is nothing.
    void finished(bool ok, const QByteArray &body, const QString &problem);

  private:
    void readMessages();
    void ended(int exitCode, QProcess::ExitStatus status);
    void failedToStart();

    QProcess m_process;
    QByteArray m_messages; // standard error not yet split into lines
    QString m_lastMessage;
    bool m_cancelled = false;
};

} // namespace mensurio
