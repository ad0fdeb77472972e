// SPDX-License-Identifier: MIT
#include "ui/rates/RatesDownload.h"

#include "core/currency/ExchangeRates.h"

#include <QCoreApplication>
#include <QDir>

namespace mensurio {

RatesDownload::RatesDownload(QObject *parent) : QObject(parent) {
    connect(&m_process, &QProcess::readyReadStandardError, this, &RatesDownload::readMessages);
    connect(&m_process, &QProcess::finished, this, &RatesDownload::ended);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            failedToStart();
    });
    // A body larger than a rates file may be ends the download at once.
    connect(&m_process, &QProcess::readyReadStandardOutput, this, [this] {
        if (static_cast<std::size_t>(m_process.bytesAvailable()) > kMaxRatesFileSize) {
            m_lastMessage =
                tr("the answer is larger than %1 kB: not a rates file").arg(kMaxRatesFileSize / 1024);
            m_process.kill();
        }
    });
}

RatesDownload::~RatesDownload() {
    if (Running()) {
        m_process.disconnect(this);
        m_process.kill();
        m_process.waitForFinished(1000);
    }
}

void RatesDownload::Start(int timeoutSeconds) {
    if (Running())
        return;
    m_messages.clear();
    m_lastMessage.clear();
    m_cancelled = false;
    QStringList arguments{QStringLiteral("--progress")};
    if (timeoutSeconds > 0)
        arguments << QStringLiteral("--timeout") << QString::number(timeoutSeconds);
    m_process.start(QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(Program)), arguments);
}

void RatesDownload::Cancel() {
    if (!Running())
        return;
    m_cancelled = true;
    m_process.kill();
}

void RatesDownload::readMessages() {
    m_messages += m_process.readAllStandardError();
    qsizetype newline = 0;
    while ((newline = m_messages.indexOf('\n')) >= 0) {
        const QString line = QString::fromUtf8(m_messages.left(newline)).trimmed();
        m_messages.remove(0, newline + 1);
        const QStringList words = line.split(QLatin1Char(' '));
        if (words.size() == 3 && words[0] == QLatin1String("progress"))
            emit progress(words[1].toLongLong(), words[2].toLongLong());
        else if (!line.isEmpty())
            m_lastMessage = line;
    }
    if (m_messages.size() > 4096) // a line that never ends is no message of the downloader
        m_messages.clear();
}

void RatesDownload::ended(int exitCode, QProcess::ExitStatus status) {
    readMessages();
    if (!m_messages.trimmed().isEmpty())
        m_lastMessage = QString::fromUtf8(m_messages).trimmed();
    if (m_cancelled) {
        emit finished(false, {}, tr("the download was cancelled"));
        return;
    }
    if (status == QProcess::NormalExit && exitCode == 0) {
        emit finished(true, m_process.readAllStandardOutput(), {});
        return;
    }
    emit finished(false, {},
                  m_lastMessage.isEmpty()
                      ? tr("%1 ended with status %2").arg(QLatin1String(Program)).arg(exitCode)
                      : m_lastMessage);
}

void RatesDownload::failedToStart() {
    emit finished(
        false, {},
        tr("cannot start %1 to download the rates: %2").arg(QLatin1String(Program), m_process.errorString()));
}

} // namespace mensurio
