// SPDX-License-Identifier: MIT
#include "cli/CliFetch.h"

#include "core/currency/ExchangeRates.h"
#include "core/platform/FileOps.h"
#include "core/platform/Paths.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace mensurio {

namespace {

constexpr std::size_t kMaxMessage = 4096;

// Reads what is there on fd into text, up to `limit` bytes kept; returns false at the end.
bool Drain(int fd, std::string &text, std::size_t limit, bool &overflow) {
    char buffer[16384];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0)
        return errno == EINTR || errno == EAGAIN;
    if (n == 0)
        return false;
    const std::size_t room = text.size() < limit ? limit - text.size() : 0;
    text.append(buffer, std::min(room, static_cast<std::size_t>(n)));
    overflow = overflow || static_cast<std::size_t>(n) > room;
    return true;
}

std::string LastLine(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    const std::size_t newline = text.find_last_of('\n');
    return newline == std::string::npos ? text : text.substr(newline + 1);
}

// Collects the child's standard output and standard error until both end. A body larger than a
// rates file may be ends the child at once.
void Collect(pid_t child, int outFd, int errFd, std::string &body, std::string &message, bool &tooLarge) {
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    bool messageOverflow = false;
    while (fds[0].fd >= 0 || fds[1].fd >= 0) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[0].fd >= 0 && fds[0].revents != 0 && !Drain(outFd, body, kMaxRatesFileSize + 1, tooLarge))
            fds[0].fd = -1;
        if (fds[1].fd >= 0 && fds[1].revents != 0 && !Drain(errFd, message, kMaxMessage, messageOverflow))
            fds[1].fd = -1;
        if (tooLarge) {
            ::kill(child, SIGTERM);
            break;
        }
    }
}

} // namespace

bool CliFetch::Run(std::string &body, std::string &problem) {
    const std::string program = FileOps::Join(Paths::ExecutableDirectory(), Program);
    int out[2];
    int err[2];
    if (::pipe2(out, O_CLOEXEC) != 0)
        return problem = std::string("cannot start the download: ") + std::strerror(errno), false;
    if (::pipe2(err, O_CLOEXEC) != 0) {
        problem = std::string("cannot start the download: ") + std::strerror(errno);
        ::close(out[0]);
        ::close(out[1]);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    char *argv[] = {const_cast<char *>(program.c_str()), nullptr};
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    ::close(err[1]);
    if (spawned != 0) {
        ::close(out[0]);
        ::close(err[0]);
        problem = "cannot start " + program + " to download the rates: " + std::strerror(spawned);
        return false;
    }
    std::string message;
    bool tooLarge = false;
    Collect(child, out[0], err[0], body, message, tooLarge);
    ::close(out[0]);
    ::close(err[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (tooLarge) {
        problem = "the download is larger than " + std::to_string(kMaxRatesFileSize / 1024) +
                  " kB: not a rates file";
        return false;
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return true;
    problem = LastLine(message);
    if (problem.empty())
        problem = WIFEXITED(status) ? program + " ended with status " + std::to_string(WEXITSTATUS(status))
                                    : program + " was ended by signal " + std::to_string(WTERMSIG(status));
    return false;
}

} // namespace mensurio
