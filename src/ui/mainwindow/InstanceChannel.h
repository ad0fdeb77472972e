// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class QLocalServer;
class QLocalSocket;

namespace mensurio {

/// How a second start of the program reaches the running one that owns the same data folder: a
/// local socket named after the folder, on which the second start sends its first argument and
/// exits; the running program then brings its window forward. The socket lives in the user's
/// runtime folder ($XDG_RUNTIME_DIR, else the temporary folder).
class InstanceChannel : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(InstanceChannel)

  public:
    /// `channelName` as InstanceLock::ChannelName gives it.
    explicit InstanceChannel(const std::string &channelName, QObject *parent = nullptr);
    ~InstanceChannel() override;

    /// Starts listening; only the owner of the folder's lock calls it, so a socket file left by
    /// a killed run is removed first. False when the socket cannot be made (the program then runs
    /// without being reachable).
    bool Listen();
    /// Called with each request's argument; requests that came before are delivered at once.
    void SetHandler(std::function<void(const QString &argument)> handler);
    /// Stops listening and drops the handler: the program is ending.
    void Close();

    /// From a second start: hands `argument` to the running program. True when it was handed
    /// over; tries again for `patienceMs`, since the owner may still be starting.
    bool Send(const QString &argument, int patienceMs = 3000) const;

    /// The socket's full path.
    QString SocketPath() const { return m_path; }

  private:
    void acceptConnections();
    void readRequest(QLocalSocket *socket);
    void deliver(const QString &argument);

    QString m_path;
    QLocalServer *m_server = nullptr;
    std::function<void(const QString &)> m_handler;
    QStringList m_waiting; // requests that came before the handler was set
};

} // namespace mensurio
