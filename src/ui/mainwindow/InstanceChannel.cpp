// SPDX-License-Identifier: MIT
#include "ui/mainwindow/InstanceChannel.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <utility>

namespace mensurio {

namespace {

constexpr qint64 kMaxRequest = 4096; // an argument and its line end; anything longer is dropped
constexpr int kMaxSocketPath = 100;  // sockaddr_un holds 108 bytes

QString RuntimeFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.startsWith('/') && QFileInfo(runtime).isDir())
        return runtime;
    return QDir::tempPath();
}

} // namespace

InstanceChannel::InstanceChannel(const std::string &channelName, QObject *parent) : QObject(parent) {
    const QString name = QString::fromStdString(channelName) + ".socket";
    m_path = RuntimeFolder() + '/' + name;
    if (m_path.toLocal8Bit().size() > kMaxSocketPath)
        m_path = "/tmp/" + name;
}

InstanceChannel::~InstanceChannel() {
    Close();
}

bool InstanceChannel::Listen() {
    if (m_server == nullptr) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &InstanceChannel::acceptConnections);
    }
    if (m_server->isListening())
        return true;
    QLocalServer::removeServer(m_path);
    return m_server->listen(m_path);
}

void InstanceChannel::SetHandler(std::function<void(const QString &)> handler) {
    m_handler = std::move(handler);
    const QStringList waiting = std::exchange(m_waiting, {});
    for (const QString &argument : waiting)
        deliver(argument);
}

void InstanceChannel::Close() {
    m_handler = nullptr;
    if (m_server != nullptr)
        m_server->close(); // removes the socket file
}

void InstanceChannel::acceptConnections() {
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        readRequest(socket); // the sender may have written and gone before the accept
    }
}

// One line: the second start's first argument.
void InstanceChannel::readRequest(QLocalSocket *socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kMaxRequest)
            socket->abort();
        return;
    }
    const QByteArray line = socket->readLine(kMaxRequest).trimmed();
    socket->write("ok\n");
    socket->flush();
    socket->disconnectFromServer();
    deliver(QString::fromUtf8(line));
}

void InstanceChannel::deliver(const QString &argument) {
    if (m_handler)
        m_handler(argument);
    else
        m_waiting.append(argument);
}

bool InstanceChannel::Send(const QString &argument, int patienceMs) const {
    const QDeadlineTimer deadline(patienceMs);
    const auto remaining = [&deadline] {
        return static_cast<int>(qMax<qint64>(deadline.remainingTime(), 100));
    };
    for (;;) {
        QLocalSocket socket;
        socket.connectToServer(m_path);
        if (socket.waitForConnected(remaining())) {
            QByteArray request = argument.toUtf8();
            request.replace('\n', ' ');
            socket.write(request + '\n');
            if (!socket.waitForBytesWritten(1000))
                return false;
            // The answer only says that the request was read; the running program may be busy
            // starting and read it later, which is as good.
            socket.waitForReadyRead(remaining());
            return true;
        }
        if (deadline.hasExpired())
            return false;
        QThread::msleep(100); // the owner holds the lock but is not listening yet
    }
}

} // namespace mensurio
