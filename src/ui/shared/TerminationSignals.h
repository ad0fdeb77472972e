// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace mensurio {

/// Turns SIGTERM, SIGINT and SIGHUP into a call on the event loop, so that a program ended by
/// the session (logout, `kill`, Ctrl+C in a terminal) closes its window and saves like a user's
/// Exit instead of dying with unsaved changes. The handler only writes a byte to a pipe; the
/// callback runs later on the user-interface thread. One instance at a time.
class TerminationSignals : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TerminationSignals)

  public:
    explicit TerminationSignals(std::function<void()> onSignal, QObject *parent = nullptr);
    ~TerminationSignals() override;

    /// False when the pipe or the handlers could not be set up (the defaults then stay).
    bool active() const { return m_notifier != nullptr; }

  private:
    static void handleSignal(int signal);
    void readSignal();

    std::function<void()> m_onSignal;
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace mensurio
