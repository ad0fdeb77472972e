// SPDX-License-Identifier: MIT
// One run per data folder: the lock keeps a second run out while the first lives, and never
// outlives its process, however that process ends.
#include "core/platform/InstanceLock.h"

#include "support/ScratchDir.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>

#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace mensurio {
namespace {

using test::ScratchDir;
using State = InstanceLock::State;

TEST(InstanceLock, secondLockOfTheFolder_isHeldByAnotherUntilTheFirstGoes) {
    ScratchDir dir;
    {
        const InstanceLock first(dir.path());
        ASSERT_EQ(first.state(), State::Owned);
        const InstanceLock second(dir.path());
        EXPECT_EQ(second.state(), State::HeldByAnother);
        EXPECT_EQ(InstanceLock(dir.file(".")).state(), State::HeldByAnother) << "another path to the folder";
        ScratchDir other;
        EXPECT_EQ(InstanceLock(other.path()).state(), State::Owned);
    }
    EXPECT_EQ(InstanceLock(dir.path()).state(), State::Owned);
}

TEST(InstanceLock, lockOfAKilledProcess_doesNotKeepTheNextStartOut) {
    ScratchDir dir;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        const InstanceLock lock(dir.path());
        const char state = lock.state() == State::Owned ? 'o' : 'x';
        [[maybe_unused]] const ssize_t n = ::write(ready[1], &state, 1);
        ::pause();
        ::_exit(0);
    }
    char state = 0;
    ASSERT_EQ(::read(ready[0], &state, 1), 1);
    EXPECT_EQ(state, 'o');
    EXPECT_EQ(InstanceLock(dir.path()).state(), State::HeldByAnother);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_TRUE(dir.exists(InstanceLock::kFileName)) << "the lock file stays; only the lock goes";
    EXPECT_EQ(InstanceLock(dir.path()).state(), State::Owned);
}

TEST(InstanceLock, folderTheUserCannotWrite_isUnavailableAndSaysWhy) {
    ScratchDir scratch;
    const std::string folder = scratch.file("read-only");
    std::filesystem::create_directory(folder);
    ::chmod(folder.c_str(), 0555);
    EXPECT_UNPRIVILEGED(scratch.path(), [&folder] {
        const InstanceLock lock(folder);
        return lock.state() == State::Unavailable && lock.problem() == "Can not create " + folder + "/" +
                                                                           InstanceLock::kFileName +
                                                                           ": Permission denied.";
    });
}

TEST(InstanceLock, channelName_sameForEveryPathToAFolder_differentForAnother) {
    ScratchDir dir;
    std::filesystem::create_directory(dir.file("data"));
    std::filesystem::create_directory(dir.file("other"));
    std::filesystem::create_directory_symlink("data", dir.file("link"));
    const std::string name = InstanceLock::ChannelName(dir.file("data"));
    EXPECT_EQ(InstanceLock::ChannelName(dir.file("link")), name);
    EXPECT_EQ(InstanceLock::ChannelName(dir.file("data/../data/.")), name);
    EXPECT_NE(InstanceLock::ChannelName(dir.file("other")), name);
    EXPECT_EQ(name.rfind("mensurio-" + std::to_string(::getuid()) + "-", 0), 0u) << name;
}

} // namespace
} // namespace mensurio
