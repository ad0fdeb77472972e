// SPDX-License-Identifier: MIT
#include "fetch/RatesFetch.h"

#include "core/currency/ExchangeRates.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <iostream>

namespace mensurio {

namespace {

bool IsLoopbackHost(const QString &host) {
    if (host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

} // namespace

RatesFetch::RatesFetch(QUrl url, int timeoutSeconds, bool progress, QObject *parent)
    : QObject(parent), m_url(std::move(url)), m_timeoutSeconds(timeoutSeconds), m_progress(progress) {
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &RatesFetch::timedOut);
}

QString RatesFetch::RefusalOf(const QUrl &url) {
    if (!url.isValid() || url.host().isEmpty())
        return QStringLiteral("not a web address: %1").arg(url.toString());
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return {};
    if (scheme == QLatin1String("http") && IsLoopbackHost(url.host()))
        return {};
    if (scheme == QLatin1String("http"))
        return QStringLiteral(
                   "plain http is refused for %1: the rates are fetched over https (plain http only "
                   "from this machine, for tests)")
            .arg(url.host());
    return QStringLiteral("only https addresses are fetched, not %1").arg(url.toString());
}

void RatesFetch::Start() {
    if (const QString refusal = RefusalOf(m_url); !refusal.isEmpty()) {
        fail(refusal);
        return;
    }
    // The desktop's proxy settings (http_proxy, https_proxy, no_proxy) apply as in a browser.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    m_network = new QNetworkAccessManager(this);
    QNetworkRequest request(m_url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("mensurio-fetch/" MENSURIO_VERSION));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    request.setTransferTimeout(m_timeoutSeconds * 1000);
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &RatesFetch::received);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &RatesFetch::progressed);
    connect(m_reply, &QNetworkReply::finished, this, &RatesFetch::finished);
    m_deadline.start(m_timeoutSeconds * 1000);
}

void RatesFetch::received() {
    m_body += m_reply->readAll();
    if (static_cast<std::size_t>(m_body.size()) > kMaxRatesFileSize) {
        m_failure =
            QStringLiteral("the answer is larger than %1 kB: not a rates file").arg(kMaxRatesFileSize / 1024);
        m_reply->abort();
    }
}

void RatesFetch::progressed(qint64 bytes, qint64 total) {
    if (m_progress && !m_done)
        std::cerr << "progress " << bytes << " " << total << std::endl;
}

QString RatesFetch::truncatedText(QNetworkReply &reply) const {
    const QVariant length = reply.header(QNetworkRequest::ContentLengthHeader);
    const QString expected = length.isValid() ? QStringLiteral(" of %1").arg(length.toLongLong()) : QString();
    return QStringLiteral("the connection broke off after %1%2 bytes: the download is incomplete")
        .arg(m_body.size())
        .arg(expected);
}

QString RatesFetch::noAnswerText() const {
    return QStringLiteral("no complete answer from %1 within %2 %3")
        .arg(m_url.host())
        .arg(m_timeoutSeconds)
        .arg(m_timeoutSeconds == 1 ? QStringLiteral("second") : QStringLiteral("seconds"));
}

void RatesFetch::timedOut() {
    m_failure = noAnswerText();
    if (m_reply != nullptr)
        m_reply->abort();
}

QString RatesFetch::problemOf(QNetworkReply &reply) const {
    const QString host = m_url.host();
    switch (reply.error()) {
    case QNetworkReply::NoError:
        break;
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("cannot find the server %1: is this computer offline?").arg(host);
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("the server %1 refused the connection").arg(host);
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError:
        return noAnswerText();
    case QNetworkReply::RemoteHostClosedError:
        return truncatedText(reply);
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("no secure connection to %1: %2").arg(host, reply.errorString());
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return QStringLiteral("the proxy failed: %1").arg(reply.errorString());
    default:
        if (reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
            break; // the status says more
        return QStringLiteral("the download from %1 failed: %2").arg(host, reply.errorString());
    }
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status != 200) {
        const QString reason = reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        return QStringLiteral("the server %1 answered %2 %3").arg(host).arg(status).arg(reason).trimmed();
    }
    if (reply.error() != QNetworkReply::NoError)
        return QStringLiteral("the download from %1 failed: %2").arg(host, reply.errorString());
    const QVariant length = reply.header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() != m_body.size())
        return truncatedText(reply);
    const QString type = reply.header(QNetworkRequest::ContentTypeHeader).toString();
    if (type.startsWith(QLatin1String("text/html"), Qt::CaseInsensitive))
        return QStringLiteral(
            "the server sent a web page (text/html), not the rates: a proxy or sign-in page may "
            "have answered");
    return {};
}

void RatesFetch::finished() {
    if (m_done)
        return;
    m_done = true;
    m_deadline.stop();
    m_body += m_reply->readAll();
    const QString problem = m_failure.isEmpty() ? problemOf(*m_reply) : m_failure;
    m_reply->deleteLater();
    if (!problem.isEmpty()) {
        fail(problem);
        return;
    }
    std::cout.write(m_body.constData(), m_body.size());
    std::cout.flush();
    QCoreApplication::exit(std::cout ? 0 : 1);
}

void RatesFetch::fail(const QString &message) {
    m_done = true;
    std::cerr << message.toStdString() << std::endl;
    // exit() before the event loop runs would be lost: the loop is asked to end once it runs.
    QMetaObject::invokeMethod(
        qApp, [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
}

} // namespace mensurio
