// SPDX-License-Identifier: MIT
// Temporary files left by a replace whose process was killed are removed by the next replace;
// those of running processes, those still locked by their writer and every other file stay.
#include "core/platform/FileOps.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace mensurio {
namespace {

using test::ScratchDir;

// The id of a process that has ended and been reaped.
long DeadProcessId() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

TEST(StaleTemporary, IsTemporaryNameOf_recognisesOnlyTheReplaceNamePattern) {
    struct Case {
        const char *entry;
        bool matches;
        long pid;
    };
    const Case cases[] = {
        {".units.dat.123.0.tmp", true, 123},
        {".units.dat.9.44.tmp", true, 9},
        {"units.dat.123.0.tmp", false, 0},
        {".units.dat.123.tmp", false, 0},
        {".units.dat.12a.0.tmp", false, 0},
        {".units.dat..0.tmp", false, 0},
        {".units.dat.123.0.tmp~", false, 0},
        {".mensurio.ini.123.0.tmp", false, 0},
        {".units.dat.1.2.3.tmp", false, 0},
        {".units.dat.123.0.TMP", false, 0},
        {".units.dat.123456789012345678901.0.tmp", false, 0},
    };
    for (const Case &c : cases) {
        long pid = 0;
        EXPECT_EQ(FileOps::IsTemporaryNameOf("/x/units.dat", c.entry, pid), c.matches) << c.entry;
        if (c.matches) {
            EXPECT_EQ(pid, c.pid) << c.entry;
        }
    }
}

TEST(StaleTemporary, AtomicReplace_removesLeftoversOfDeadProcessesOnly) {
    ScratchDir dir;
    const std::string dead = ".units.dat." + std::to_string(DeadProcessId()) + ".3.tmp";
    const std::string own = ".units.dat." + std::to_string(::getpid()) + ".99.tmp";
    const std::string running = ".units.dat." + std::to_string(::getppid()) + ".0.tmp";
    const std::string others[] = {own, running, ".units.dat.tmp", "units.dat.1.0.tmp", ".other.dat.1.0.tmp"};
    dir.write(dead, "half a database");
    for (const std::string &name : others)
        dir.write(name, "keep");

    FileOps::AtomicReplace(dir.file("units.dat"), "new");

    EXPECT_EQ(dir.read("units.dat"), "new");
    EXPECT_FALSE(dir.exists(dead));
    for (const std::string &name : others)
        EXPECT_TRUE(dir.exists(name)) << name;
}

// A writer this process cannot see (another PID namespace, another host on a shared folder)
// holds its temporary file locked while it writes.
TEST(StaleTemporary, RemoveStaleTemporaries_keepsALockedLeftoverUntilItsLockIsFree) {
    ScratchDir dir;
    const std::string name = ".units.dat." + std::to_string(DeadProcessId()) + ".0.tmp";
    dir.write(name, "being written");
    const int writer = ::open(dir.file(name).c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::flock(writer, LOCK_EX), 0);
    EXPECT_EQ(FileOps::RemoveStaleTemporaries(dir.file("units.dat")), 0);
    EXPECT_TRUE(dir.exists(name));
    ::close(writer);
    EXPECT_EQ(FileOps::RemoveStaleTemporaries(dir.file("units.dat")), 1);
    EXPECT_FALSE(dir.exists(name));
}

TEST(StaleTemporary, RemoveStaleTemporaries_leavesAFolderOfThatNameAlone) {
    ScratchDir dir;
    const std::string name = ".units.dat." + std::to_string(DeadProcessId()) + ".0.tmp";
    ASSERT_EQ(::mkdir(dir.file(name).c_str(), 0700), 0);
    EXPECT_EQ(FileOps::RemoveStaleTemporaries(dir.file("units.dat")), 0);
    EXPECT_TRUE(dir.exists(name));
}

} // namespace
} // namespace mensurio
