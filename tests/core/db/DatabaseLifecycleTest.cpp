// SPDX-License-Identifier: MIT
#include "core/db/DatabaseLifecycle.h"

#include "core/db/DatabaseFile.h"
#include "support/FakePrompts.h"
#include "support/FileSizeLimit.h"
#include "support/ScratchDir.h"
#include "support/TestDatabases.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using namespace mensurio;
using mensurio::test::FakePrompts;
using mensurio::test::ScratchDir;

namespace {

using mensurio::test::LegacyDatabaseFile;
using mensurio::test::OneUnitDatabaseFile;

const std::string corrupted = std::string("error: ") + DatabaseLifecycle::CorruptedText;
const std::string noDefault = std::string("error: ") + DatabaseLifecycle::NoDefaultText;

} // namespace

TEST(DatabaseLifecycle, Start_readsUnitsDat) {
    ScratchDir dir;
    dir.write("units.dat", OneUnitDatabaseFile("Mine", "m"));
    dir.write("default.dat", OneUnitDatabaseFile("Default", "d"));
    UnitDatabase db;
    FakePrompts prompts;
    ASSERT_TRUE(DatabaseLifecycle::LoadDatabaseAtStart(db, dir.path(), prompts, false));
    EXPECT_TRUE(prompts.log.empty());
    EXPECT_TRUE(db.CategoryExists("Mine"));
    EXPECT_TRUE(db.SkipHidden);
}

TEST(DatabaseLifecycle, Start_missingOrCorruptUnitsDat_fallsBackToDefault) {
    // nullptr: no units.dat at all
    for (const char *contents : {static_cast<const char *>(nullptr), "", "MNS", "MNSA\x05\x00\x00\x00"}) {
        ScratchDir dir;
        if (contents)
            dir.write("units.dat", contents);
        dir.write("default.dat", OneUnitDatabaseFile("Default", "d", "MNS0"));
        UnitDatabase db;
        FakePrompts prompts;
        ASSERT_TRUE(DatabaseLifecycle::LoadDatabaseAtStart(db, dir.path(), prompts, true));
        const std::string kept = contents ? "\nThe unreadable file will be kept as units.dat.bad." : "";
        EXPECT_EQ(prompts.log, (std::vector<std::string>{"beep", corrupted + kept}));
        EXPECT_TRUE(db.CategoryExists("Default"));
        EXPECT_EQ(db.Categories().size(), 1u); // nothing of the failed read survives
        EXPECT_TRUE(db.LoadedFresh);
        EXPECT_FALSE(db.SkipHidden);
    }
}

TEST(DatabaseLifecycle, Start_bothUnreadable_endsWithoutWriting) {
    ScratchDir dir;
    UnitDatabase db;
    FakePrompts prompts;
    EXPECT_FALSE(DatabaseLifecycle::LoadDatabaseAtStart(db, dir.path(), prompts, false));
    EXPECT_EQ(prompts.log, (std::vector<std::string>{"beep", corrupted, "beep",
                                                     noDefault + "\n" + dir.file("default.dat") +
                                                         ": No such file or directory."}));
    EXPECT_FALSE(dir.exists("units.dat"));
}

// A folder for units.dat that is missing (it could not be made) is no damaged database.
TEST(DatabaseLifecycle, Start_folderMissingOrAFile_saysSoWithTheReason) {
    ScratchDir dir;
    UnitDatabase shipped;
    shipped.AddCategory("Length", false);
    dir.write("default.dat", DatabaseFile::ToBytes(shipped, "MNSA"));
    dir.write("file", "x");
    const struct {
        std::string folder;
        const char *reason;
    } cases[] = {{dir.file("missing/mensurio"), "No such file or directory"},
                 {dir.file("file"), "Not a directory"}};
    for (const auto &c : cases) {
        UnitDatabase db;
        FakePrompts prompts;
        EXPECT_TRUE(DatabaseLifecycle::LoadDatabaseAtStart(db, c.folder, prompts, false, dir.path()));
        EXPECT_EQ(prompts.log,
                  (std::vector<std::string>{"beep", std::string("error: ") + DatabaseLifecycle::NoFolderText +
                                                        c.folder + ": " + c.reason + ".\n" +
                                                        DatabaseLifecycle::DefaultLoadedText}));
        EXPECT_EQ(db.Categories().size(), 1u);
    }
}

// The second line says which default.dat did not load and why.
TEST(DatabaseLifecycle, Start_defaultUnreadable_namesPathAndReason) {
    const struct {
        std::string bytes;
        const char *reason;
    } cases[] = {{"broken", "it is not a units database, or it is cut short"},
                 {std::string("MNSA\x05\0\0\0", 8), "it is not a units database, or it is cut short"}};
    for (const auto &c : cases) {
        ScratchDir dir;
        dir.write("default.dat", c.bytes);
        UnitDatabase db;
        FakePrompts prompts;
        EXPECT_FALSE(DatabaseLifecycle::LoadDatabaseAtStart(db, dir.path(), prompts, false));
        EXPECT_EQ(prompts.log.back(), noDefault + "\n" + dir.file("default.dat") + ": " + c.reason + ".");
    }
}

TEST(DatabaseLifecycle, Exit_missingUnitsDat_isCreated) {
    ScratchDir dir;
    dir.write("default.dat", OneUnitDatabaseFile("Default", "d", "MNS0"));
    UnitDatabase db;
    FakePrompts prompts;
    ASSERT_TRUE(DatabaseLifecycle::LoadDatabaseAtStart(db, dir.path(), prompts, false));
    EXPECT_TRUE(DatabaseLifecycle::SaveDatabaseAtExit(db, dir.path(), prompts));
    EXPECT_EQ(dir.read("units.dat"), OneUnitDatabaseFile("Default", "d", "MNSA"));
    EXPECT_EQ(dir.read("default.dat"), OneUnitDatabaseFile("Default", "d", "MNS0"));
    EXPECT_TRUE(db.Categories().empty());
}

TEST(DatabaseLifecycle, Exit_legacyFile_backedUpOnceNeverOverwritten) {
    ScratchDir dir;
    dir.write("units.dat", LegacyDatabaseFile(1));
    UnitDatabase db;
    FakePrompts prompts;
    ASSERT_TRUE(DatabaseLifecycle::LoadDatabaseAtStart(db, dir.path(), prompts, false));
    ASSERT_TRUE(db.LoadedLegacy);
    DatabaseLifecycle::SaveDatabaseAtExit(db, dir.path(), prompts);
    EXPECT_EQ(dir.read("units.~da"), LegacyDatabaseFile(1));
    EXPECT_EQ(dir.read("units.dat").substr(0, 4), "MNSA");

    dir.write("units.dat", LegacyDatabaseFile(1));
    dir.write("units.~da", "older backup");
    ASSERT_TRUE(DatabaseLifecycle::LoadDatabaseAtStart(db, dir.path(), prompts, false));
    DatabaseLifecycle::SaveDatabaseAtExit(db, dir.path(), prompts);
    EXPECT_EQ(dir.read("units.~da"), "older backup");
}

TEST(DatabaseLifecycle, Exit_readOnlyUnitsDat_isWrittenAndMadeWritable) {
    ScratchDir dir;
    dir.write("units.dat", OneUnitDatabaseFile("Mine", "m"));
    ::chmod(dir.file("units.dat").c_str(), 0444);
    UnitDatabase db;
    FakePrompts prompts;
    ASSERT_TRUE(DatabaseLifecycle::LoadDatabaseAtStart(db, dir.path(), prompts, false));
    db.AddCategory("Added", true);
    ASSERT_TRUE(DatabaseLifecycle::SaveDatabaseAtExit(db, dir.path(), prompts));
    struct stat st {};
    ::stat(dir.file("units.dat").c_str(), &st);
    EXPECT_NE(st.st_mode & S_IWUSR, 0u);
    UnitDatabase back;
    ASSERT_TRUE(DatabaseLifecycle::LoadDatabaseAtStart(back, dir.path(), prompts, false));
    EXPECT_TRUE(back.CategoryExists("Added"));
}

TEST(DatabaseLifecycle, Exit_failingWrite_promptsRetryAndKeepsOldFile) {
    ScratchDir dir;
    dir.write("units.dat", OneUnitDatabaseFile("Mine", "m"));
    UnitDatabase db;
    FakePrompts prompts;
    ASSERT_TRUE(DatabaseLifecycle::LoadDatabaseAtStart(db, dir.path(), prompts, false));
    db.AddCategory("Lost", true);
    // A file size limit below the database's size makes every write fail, also for root.
    const std::string saved = dir.read("units.dat");
    prompts.answers = {true, false}; // Retry once, then Cancel
    {
        const test::FileSizeLimit limit(4);
        EXPECT_FALSE(DatabaseLifecycle::SaveDatabaseAtExit(db, dir.path(), prompts));
    }
    const std::string retry = std::string("retry/cancel [Mensurio]: ") + DatabaseLifecycle::SaveFailedText +
                              dir.file("units.dat") + ": File too large.";
    EXPECT_EQ(prompts.log, (std::vector<std::string>{"beep", retry, "beep", retry}));
    EXPECT_EQ(dir.read("units.dat"), saved);
    // No temporary files are left behind.
    int entries = 0;
    for ([[maybe_unused]] const auto &e : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}
