// SPDX-License-Identifier: MIT
#include "core/platform/Paths.h"

#include "core/db/DatabaseLifecycle.h"
#include "support/FakePrompts.h"
#include "support/ScratchDir.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace mensurio {
namespace {

using test::ScratchDir;
namespace fs = std::filesystem;

// A prefix in a scratch folder: <scratch>/prefix/bin/mensurio, optionally with default.dat
// beside it and in <scratch>/prefix/share/mensurio.
struct Layout {
    ScratchDir dir;
    std::map<std::string, std::string> env;

    std::string exe() const { return dir.file("prefix/bin/mensurio"); }
    void make(bool besideExe, bool inShare) const {
        fs::create_directories(dir.file("prefix/bin"));
        if (besideExe)
            dir.write("prefix/bin/default.dat", "beside");
        if (inShare) {
            fs::create_directories(dir.file("prefix/share/mensurio"));
            dir.write("prefix/share/mensurio/default.dat", "shared");
        }
    }
    FileLocations locate() const {
        return Paths::Locate(exe(), [this](const char *name) -> const char * {
            const auto it = env.find(name);
            return it == env.end() ? nullptr : it->second.c_str();
        });
    }
};

TEST(PathsLocate, writableFolderWithDefaultDatabase_isPortable) {
    Layout layout;
    layout.make(true, true);
    const FileLocations l = layout.locate();
    EXPECT_FALSE(l.installed);
    EXPECT_EQ(l.userDirectory, layout.dir.file("prefix/bin"));
    EXPECT_EQ(l.defaultDirectory, layout.dir.file("prefix/bin"));
    EXPECT_EQ(l.settingsPath, layout.dir.file("prefix/bin/mensurio.ini"));
}

TEST(PathsLocate, writableFolderWithoutAnyData_staysPortableAsInTheBuildFolder) {
    Layout layout;
    layout.make(false, false);
    EXPECT_FALSE(layout.locate().installed);
}

TEST(PathsLocate, dataUnderShare_isInstalledWithXdgFolders) {
    Layout layout;
    layout.make(false, true);
    layout.env = {{"XDG_DATA_HOME", layout.dir.file("data")},
                  {"XDG_CONFIG_HOME", layout.dir.file("config")},
                  {"HOME", layout.dir.file("home")}};
    const FileLocations l = layout.locate();
    EXPECT_TRUE(l.installed);
    EXPECT_EQ(l.userDirectory, layout.dir.file("data/mensurio"));
    EXPECT_EQ(l.defaultDirectory, layout.dir.file("prefix/share/mensurio"));
    EXPECT_EQ(l.settingsPath, layout.dir.file("config/mensurio/mensurio.ini"));
}

TEST(PathsLocate, unsetOrRelativeXdgVariables_fallBackUnderHome) {
    Layout layout;
    layout.make(false, true);
    for (const std::string relative : {"", "relative/path"}) {
        layout.env = {{"HOME", layout.dir.file("home")}};
        if (!relative.empty())
            layout.env.insert({{"XDG_DATA_HOME", relative}, {"XDG_CONFIG_HOME", relative}});
        const FileLocations l = layout.locate();
        EXPECT_EQ(l.userDirectory, layout.dir.file("home/.local/share/mensurio")) << relative;
        EXPECT_EQ(l.settingsPath, layout.dir.file("home/.config/mensurio/mensurio.ini")) << relative;
    }
}

TEST(PathsLocate, noHomeVariable_takesTheHomeFolderOfThePasswordFile) {
    Layout layout;
    layout.make(false, true);
    const passwd *entry = ::getpwuid(::getuid());
    ASSERT_NE(entry, nullptr);
    const FileLocations l = layout.locate();
    EXPECT_EQ(l.userDirectory, std::string(entry->pw_dir) + "/.local/share/mensurio");
    EXPECT_EQ(l.settingsPath, std::string(entry->pw_dir) + "/.config/mensurio/mensurio.ini");
}

// A program folder the user cannot write (an unpacked copy under /opt) keeps the user's files in
// the XDG folders and reads the shipped database beside the executable, else under share.
TEST(PathsLocate, readOnlyProgramFolder_isInstalledAndFindsTheShippedDatabase) {
    struct Case {
        bool besideExe, inShare;
        const char *defaultDirectory;
        const char *copied; // what the first start gives the user as units.dat
    };
    for (const Case &c : {Case{true, false, "prefix/bin", "beside"}, Case{true, true, "prefix/bin", "beside"},
                          Case{false, true, "prefix/share/mensurio", "shared"}}) {
        Layout layout;
        layout.make(c.besideExe, c.inShare);
        ::chmod(layout.dir.file("prefix/bin").c_str(), 0555);
        layout.env = {{"HOME", layout.dir.file("home")}};
        const std::string root = layout.dir.path();
        EXPECT_UNPRIVILEGED(root, [&] {
            const FileLocations l = layout.locate();
            return l.installed && l.defaultDirectory == root + "/" + c.defaultDirectory &&
                   l.userDirectory == root + "/home/.local/share/mensurio" &&
                   l.settingsPath == root + "/home/.config/mensurio/mensurio.ini" &&
                   Paths::PrepareUserFiles(l) && test::readFile(l.userDirectory + "/units.dat") == c.copied;
        });
        ::chmod(layout.dir.file("prefix/bin").c_str(), 0755);
        EXPECT_FALSE(layout.dir.exists("prefix/bin/units.dat")) << c.defaultDirectory;
    }
}

// The whole start of the window in such a folder, with the shipped database: not a word.
TEST(PathsLocate, readOnlyProgramFolder_startLoadsTheShippedDatabaseSilently) {
    Layout layout;
    layout.make(false, false);
    fs::copy_file(MENSURIO_BIN_DIR "/default.dat", layout.dir.file("prefix/bin/default.dat"));
    ::chmod(layout.dir.file("prefix/bin").c_str(), 0555);
    layout.env = {{"XDG_DATA_HOME", layout.dir.file("data")}, {"XDG_CONFIG_HOME", layout.dir.file("config")}};
    EXPECT_UNPRIVILEGED(layout.dir.path(), [&layout] {
        const FileLocations l = layout.locate();
        std::string problem;
        UnitDatabase db;
        test::FakePrompts prompts;
        const bool started =
            Paths::PrepareUserFiles(l, &problem) &&
            DatabaseLifecycle::LoadDatabaseAtStart(db, l.userDirectory, prompts, false, l.defaultDirectory);
        for (const std::string &line : prompts.log)
            std::fprintf(stderr, "told: %s\n", line.c_str());
        return started && problem.empty() && prompts.log.empty() && db.CategoryExists("Length");
    });
    ::chmod(layout.dir.file("prefix/bin").c_str(), 0755);
}

TEST(PathsPrepareUserFiles, firstStart_copiesDefaultDatabaseAndMakesFolders_laterStartsKeepTheUsersFile) {
    Layout layout;
    layout.make(false, true);
    layout.env = {{"XDG_DATA_HOME", layout.dir.file("x/data")},
                  {"XDG_CONFIG_HOME", layout.dir.file("x/config")}};
    const FileLocations l = layout.locate();
    ASSERT_TRUE(Paths::PrepareUserFiles(l));
    EXPECT_EQ(layout.dir.read("x/data/mensurio/units.dat"), "shared");
    EXPECT_TRUE(fs::is_directory(layout.dir.file("x/config/mensurio")));

    layout.dir.write("x/data/mensurio/units.dat", "the user's own");
    ASSERT_TRUE(Paths::PrepareUserFiles(l));
    EXPECT_EQ(layout.dir.read("x/data/mensurio/units.dat"), "the user's own");
}

TEST(PathsPrepareUserFiles, dataHomeIsAFile_reportsFailure) {
    Layout layout;
    layout.make(false, true);
    layout.dir.write("file", "x");
    layout.env = {{"XDG_DATA_HOME", layout.dir.file("file")}, {"XDG_CONFIG_HOME", layout.dir.file("config")}};
    EXPECT_FALSE(Paths::PrepareUserFiles(layout.locate()));
    std::string problem;
    EXPECT_FALSE(Paths::PrepareUserFiles(layout.locate(), &problem));
    EXPECT_EQ(problem,
              "Can not create the folder " + layout.dir.file("file/mensurio") + ": Not a directory.");
}

TEST(PathsPrepareUserFiles, portable_touchesNothing) {
    Layout layout;
    layout.make(true, false);
    EXPECT_TRUE(Paths::PrepareUserFiles(layout.locate()));
    EXPECT_FALSE(layout.dir.exists("prefix/bin/units.dat"));
}

} // namespace
} // namespace mensurio
