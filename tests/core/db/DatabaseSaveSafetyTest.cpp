// SPDX-License-Identifier: MIT
// The exit save never loses or hides what the user saved: unreadable files are kept, links are
// followed, other users' files are refused, and every file it leaves can be read back.
#include "core/db/DatabaseFile.h"
#include "core/db/DatabaseLifecycle.h"
#include "core/platform/FileOps.h"
#include "support/FakePrompts.h"
#include "support/ScratchDir.h"
#include "support/TestDatabases.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace mensurio;
using mensurio::test::FakePrompts;
using mensurio::test::ScratchDir;

namespace {

using mensurio::test::LegacyDatabaseFile;
using mensurio::test::LoadedDatabase;
using mensurio::test::LoadsAsDatabase;
using mensurio::test::OneUnitDatabaseFile;

mode_t modeOf(const std::string &path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

int entriesIn(const std::string &dir) {
    int entries = 0;
    for ([[maybe_unused]] const auto &e : std::filesystem::directory_iterator(dir))
        ++entries;
    return entries;
}

const std::string corrupted = std::string("error: ") + DatabaseLifecycle::CorruptedText;
const std::string retry = std::string("retry/cancel [Mensurio]: ") + DatabaseLifecycle::SaveFailedText;

} // namespace

TEST(DatabaseSaveSafety, StartAndExit_unreadableUnitsDat_isKeptBesideItNeverOverwritten) {
    struct Case {
        std::vector<std::string> existingKept; // names already taken beside units.dat
        std::string keptName;
    };
    for (const Case &c : {Case{{}, "units.dat.bad"}, Case{{"units.dat.bad"}, "units.dat.bad2"},
                          Case{{"units.dat.bad", "units.dat.bad2"}, "units.dat.bad3"}}) {
        ScratchDir dir;
        std::string damaged = OneUnitDatabaseFile("Mine");
        damaged.pop_back(); // one byte cut off
        dir.write("units.dat", damaged);
        dir.write("default.dat", OneUnitDatabaseFile("Default"));
        for (const std::string &name : c.existingKept)
            dir.write(name, "older");
        UnitDatabase db;
        FakePrompts prompts;
        ASSERT_TRUE(DatabaseLifecycle::LoadDatabaseAtStart(db, dir.path(), prompts, false));
        EXPECT_EQ(prompts.log,
                  (std::vector<std::string>{"beep", corrupted + "\nThe unreadable file will be kept as " +
                                                        c.keptName + "."}));
        ASSERT_TRUE(DatabaseLifecycle::SaveDatabaseAtExit(db, dir.path(), prompts));
        EXPECT_EQ(dir.read(c.keptName), damaged) << c.keptName;
        for (const std::string &name : c.existingKept)
            EXPECT_EQ(dir.read(name), "older");
        EXPECT_TRUE(LoadedDatabase(dir.file("units.dat")).CategoryExists("Default"));
        // The next exit replaces the now valid file and keeps nothing more.
        ASSERT_TRUE(DatabaseLifecycle::LoadDatabaseAtStart(db, dir.path(), prompts, false));
        ASSERT_TRUE(DatabaseLifecycle::SaveDatabaseAtExit(db, dir.path(), prompts));
        EXPECT_EQ(entriesIn(dir.path()), 3 + static_cast<int>(c.existingKept.size()));
    }
}

// A file that failed to load at start is kept even when it reads again by the exit (a passing
// disk error): the default database must not replace what the user saved.
TEST(DatabaseSaveSafety, Exit_fileThatFailedOnlyAtStart_isKeptToo) {
    ScratchDir dir;
    dir.write("units.dat", "MNSA");
    dir.write("default.dat", OneUnitDatabaseFile("Default"));
    UnitDatabase db;
    FakePrompts prompts;
    ASSERT_TRUE(DatabaseLifecycle::LoadDatabaseAtStart(db, dir.path(), prompts, false));
    EXPECT_TRUE(db.LoadedFallback);
    const std::string mine = OneUnitDatabaseFile("Mine");
    dir.write("units.dat", mine); // readable again
    ASSERT_TRUE(DatabaseLifecycle::SaveDatabaseAtExit(db, dir.path(), prompts));
    EXPECT_EQ(dir.read("units.dat.bad"), mine);
    EXPECT_TRUE(LoadedDatabase(dir.file("units.dat")).CategoryExists("Default"));
}

TEST(DatabaseSaveSafety, Start_missingUnitsDat_saysNothingAboutKeeping) {
    ScratchDir dir;
    dir.write("default.dat", OneUnitDatabaseFile("Default"));
    UnitDatabase db;
    FakePrompts prompts;
    ASSERT_TRUE(DatabaseLifecycle::LoadDatabaseAtStart(db, dir.path(), prompts, false));
    EXPECT_EQ(prompts.log, (std::vector<std::string>{"beep", corrupted}));
    EXPECT_FALSE(db.LoadedFallback);
    ASSERT_TRUE(DatabaseLifecycle::SaveDatabaseAtExit(db, dir.path(), prompts));
    EXPECT_FALSE(dir.exists("units.dat.bad"));
}

TEST(DatabaseSaveSafety, Exit_symbolicLink_replacesTheTargetAndKeepsTheLink) {
    ScratchDir dir;
    std::filesystem::create_directory(dir.file("real"));
    dir.write("real/mine.dat", OneUnitDatabaseFile("Mine"));
    std::filesystem::create_symlink("real/mine.dat", dir.file("units.dat"));
    UnitDatabase db;
    FakePrompts prompts;
    ASSERT_TRUE(DatabaseLifecycle::LoadDatabaseAtStart(db, dir.path(), prompts, false));
    db.AddCategory("Added", true);
    ASSERT_TRUE(DatabaseLifecycle::SaveDatabaseAtExit(db, dir.path(), prompts));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("units.dat")));
    EXPECT_TRUE(LoadedDatabase(dir.file("real/mine.dat")).CategoryExists("Added"));
    EXPECT_EQ(entriesIn(dir.path()), 2);       // no temporary file beside the link
    EXPECT_EQ(entriesIn(dir.file("real")), 1); // nor beside the target
}

TEST(DatabaseSaveSafety, Exit_savedFile_isAlwaysReadableAndWritableByItsOwner) {
    const struct {
        mode_t before;
        mode_t after;
    } cases[] = {{0000, 0600}, {0200, 0600}, {0400, 0600}, {0444, 0644}, {0640, 0640}, {0604, 0604}};
    for (const auto &c : cases) {
        ScratchDir dir;
        dir.write("units.dat", OneUnitDatabaseFile("Mine"));
        ::chmod(dir.file("units.dat").c_str(), c.before);
        UnitDatabase db;
        db.AddCategory("Mine", false);
        FakePrompts prompts;
        ASSERT_TRUE(DatabaseLifecycle::SaveDatabaseAtExit(db, dir.path(), prompts)) << std::oct << c.before;
        EXPECT_EQ(modeOf(dir.file("units.dat")), c.after) << std::oct << c.before;
    }
}

// Another user's file in a folder the user may write: the save is refused with the prompt and
// the file keeps its owner and content. Needs root, to act as a second user.
TEST(DatabaseSaveSafety, Exit_fileTheUserMayNotWrite_isRefusedNotReplaced) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to create a file owned by another user";
    ScratchDir dir;
    const std::string original = OneUnitDatabaseFile("Roots");
    dir.write("units.dat", original);
    ::chmod(dir.path().c_str(), 0777);
    ::chmod(dir.file("units.dat").c_str(), 0644);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(10);
        UnitDatabase db;
        db.AddCategory("Intruder", false);
        FakePrompts prompts; // answers Cancel
        const bool saved = DatabaseLifecycle::SaveDatabaseAtExit(db, dir.path(), prompts);
        const bool prompted = prompts.log == std::vector<std::string>{"beep", retry + dir.file("units.dat") +
                                                                                  ": Permission denied."};
        ::_exit(saved ? 1 : prompted ? 0 : 2);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: replaced, 2: no Retry/Cancel prompt, 10: setuid failed";
    EXPECT_EQ(dir.read("units.dat"), original);
    struct stat info {};
    ASSERT_EQ(::stat(dir.file("units.dat").c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 0U);
    EXPECT_EQ(entriesIn(dir.path()), 1);
}

// A run killed while it copies the legacy file to units.~da leaves no truncated backup; the next
// exit then makes the complete one.
TEST(DatabaseSaveSafety, Exit_killedDuringLegacyBackup_leavesNoPartialBackup) {
    ScratchDir dir;
    const std::string legacy = LegacyDatabaseFile(3000);
    ASSERT_GT(legacy.size(), 40000U);
    dir.write("units.dat", legacy);
    ASSERT_TRUE(LoadsAsDatabase(dir.file("units.dat")));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The kernel kills the process (SIGXFSZ) when a write passes 16 KiB: a kill mid-copy.
        rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit limit{16384, 16384};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        FileOps::CopyIfAbsent(dir.file("units.dat"), dir.file("units.~da"));
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_FALSE(dir.exists("units.~da"));

    UnitDatabase db;
    FakePrompts prompts;
    ASSERT_TRUE(DatabaseLifecycle::LoadDatabaseAtStart(db, dir.path(), prompts, false));
    ASSERT_TRUE(db.LoadedLegacy);
    ASSERT_TRUE(DatabaseLifecycle::SaveDatabaseAtExit(db, dir.path(), prompts));
    EXPECT_EQ(dir.read("units.~da"), legacy);
}
