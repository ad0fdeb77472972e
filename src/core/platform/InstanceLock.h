// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace mensurio {

/// One window per data folder: an advisory lock (flock) on a file in the folder that holds
/// units.dat, held for the whole run. The kernel drops the lock when its process ends, however it
/// ends, so the lock of a killed process never keeps the next start out; the lock file itself
/// stays and is never removed (removing it could let two processes lock two different files).
class InstanceLock {
  public:
    static constexpr const char *kFileName = ".mensurio.lock";
    enum class State {
        Owned,         // this run owns the folder
        HeldByAnother, // another running process owns it
        Unavailable,   // no lock file can be made there (a read-only folder): no run can save there
    };

    /// Tries to take the lock of `folder` without waiting.
    explicit InstanceLock(const std::string &folder);
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    State state() const { return m_state; }
    /// Why the lock is unavailable, for the user; empty otherwise.
    const std::string &problem() const { return m_problem; }

    /// A name for the channel through which a second start reaches the running one: the same
    /// for every path that leads to the same folder, different for different folders and users.
    static std::string ChannelName(const std::string &folder);

  private:
    int m_fd = -1;
    State m_state = State::Unavailable;
    std::string m_problem;
};

} // namespace mensurio
