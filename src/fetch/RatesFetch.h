// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <QUrl>

#include <cstdio>

class QNetworkAccessManager;
class QNetworkReply;

namespace mensurio {

/// One download of the exchange rates: fetches the address, refuses anything that is not a
/// complete answer 200 of a reasonable size within the time allowed, and ends the program with
/// the body on standard output (status 0) or one line saying what went wrong on standard error
/// (status 1). The body is not checked as rates here: the caller reads it.
class RatesFetch : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RatesFetch)
  public:
    /// The address the rates come from unless --url or MENSURIO_RATES_URL says otherwise.
    static constexpr const char *DefaultUrl = "https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml";
    static constexpr int DefaultTimeoutSeconds = 30;

    /// progress: write "progress RECEIVED TOTAL" lines to standard error as the body arrives
    /// (TOTAL is -1 when the server does not say).
    RatesFetch(QUrl url, int timeoutSeconds, bool progress, QObject *parent = nullptr);

    /// Why the address may not be fetched (only https, or plain http to this machine); empty when
    /// it may.
    static QString RefusalOf(const QUrl &url);

    /// Starts the download; the program's event loop ends with its status.
    void Start();

  private:
    void received();
    void progressed(qint64 bytes, qint64 total);
    void finished();
    void timedOut();
    void fail(const QString &message);
    QString problemOf(QNetworkReply &reply) const;
    QString noAnswerText() const;
    QString truncatedText(QNetworkReply &reply) const;

    QUrl m_url;
    int m_timeoutSeconds;
    bool m_progress;
    QNetworkAccessManager *m_network = nullptr;
    QNetworkReply *m_reply = nullptr;
    QTimer m_deadline;
    QByteArray m_body;
    QString m_failure; // set when the download was stopped on purpose
    bool m_done = false;
};

} // namespace mensurio
