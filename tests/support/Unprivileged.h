// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace mensurio::test {

// Tests about file permissions run as an ordinary user: root writes whatever the modes say.
// As root they hand their scratch folder to "nobody" and become that user.
constexpr unsigned kNobody = 65534;

/// Gives `folder` and everything in it to "nobody" when running as root (nothing otherwise).
inline void HandToUnprivileged(const std::string &folder) {
    if (::geteuid() != 0)
        return;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(folder))
        [[maybe_unused]] const int owned = ::lchown(entry.path().c_str(), kNobody, kNobody);
    [[maybe_unused]] const int owned = ::chown(folder.c_str(), kNobody, kNobody);
}

enum class Outcome { Passed, Failed, CannotDropPrivileges };

/// Runs `scenario` as an unprivileged user: as root, `folder` is handed to "nobody" and the
/// scenario runs in a child process that has become that user.
inline Outcome RunUnprivileged(const std::string &folder, const std::function<bool()> &scenario) {
    if (::geteuid() != 0)
        return scenario() ? Outcome::Passed : Outcome::Failed;
    constexpr int kNoDrop = 77;
    HandToUnprivileged(folder);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(kNoDrop); // e.g. a container whose user namespace maps root alone
        ::_exit(scenario() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return Outcome::Failed;
    if (WEXITSTATUS(status) == kNoDrop)
        return Outcome::CannotDropPrivileges;
    return WEXITSTATUS(status) == 0 ? Outcome::Passed : Outcome::Failed;
}

/// What goes before a command line to run it as "nobody" when running as root (setpriv of
/// util-linux); empty otherwise.
inline std::vector<std::string> UnprivilegedCommandPrefix() {
    if (::geteuid() != 0)
        return {};
    const std::string id = std::to_string(kNobody);
    return {"setpriv", "--reuid=" + id, "--regid=" + id, "--clear-groups", "--"};
}

} // namespace mensurio::test

#define EXPECT_UNPRIVILEGED(folder, ...)                                                                     \
    do {                                                                                                     \
        const ::mensurio::test::Outcome outcome = ::mensurio::test::RunUnprivileged(folder, __VA_ARGS__);    \
        if (outcome == ::mensurio::test::Outcome::CannotDropPrivileges)                                      \
            GTEST_SKIP() << "running as root and unable to become an ordinary user";                         \
        EXPECT_EQ(outcome, ::mensurio::test::Outcome::Passed);                                               \
    } while (false)
