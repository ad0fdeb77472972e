// SPDX-License-Identifier: MIT
#include "core/platform/InstanceLock.h"

#include "core/platform/FileOps.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace mensurio {

InstanceLock::InstanceLock(const std::string &folder) {
    const std::string path = FileOps::Join(folder, kFileName);
    // Close-on-exec: a calculator started from the window must not keep the folder locked
    // after the window has gone.
    m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (m_fd < 0) {
        m_problem = "Can not create " + path + ": " + std::strerror(errno) + ".";
        return;
    }
    int result = 0;
    do
        result = ::flock(m_fd, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    if (result == 0) {
        m_state = State::Owned;
        return;
    }
    if (errno == EWOULDBLOCK) {
        m_state = State::HeldByAnother;
    } else {
        m_problem = "Can not lock " + path + ": " + std::strerror(errno) + ".";
    }
    ::close(m_fd);
    m_fd = -1;
}

InstanceLock::~InstanceLock() {
    if (m_fd >= 0)
        ::close(m_fd); // drops the lock
}

std::string InstanceLock::ChannelName(const std::string &folder) {
    std::string canonical = folder;
    if (char *resolved = ::realpath(folder.c_str(), nullptr)) {
        canonical = resolved;
        std::free(resolved);
    }
    // FNV-1a: the same name from every build of the program, unlike std::hash.
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : canonical) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
    return "mensurio-" + std::to_string(::getuid()) + "-" + digits;
}

} // namespace mensurio
