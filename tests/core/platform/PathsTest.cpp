// SPDX-License-Identifier: MIT
#include "core/platform/Paths.h"

#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <pwd.h>
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

TEST(PathsLocate, noHomeVariable_takesTheHomeFolderOfThePasswordFile)
{
    Layout layout;
    layout.make(false, true);
    const passwd* entry = ::getpwuid(::getuid());
    ASSERT_NE(entry, nullptr);
    const FileLocations l = layout.locate();
    EXPECT_EQ(l.userDirectory, std::string(entry->pw_dir) + "/.local/share/mensurio");
    EXPECT_EQ(l.settingsPath, std::string(entry->pw_dir) + "/.config/mensurio/mensurio.ini");
}

TEST(PathsLocate, readOnlyFolderWithDefaultDatabase_isInstalled) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write into any folder";
    Layout layout;
    layout.make(true, false);
    ::chmod(layout.dir.file("prefix/bin").c_str(), 0555);
    layout.env = {{"HOME", layout.dir.file("home")}};
    EXPECT_TRUE(layout.locate().installed);
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
    EXPECT_EQ(problem, "Can not create the folder " + layout.dir.file("file/mensurio") + ": Not a directory.");
}

TEST(PathsPrepareUserFiles, portable_touchesNothing) {
    Layout layout;
    layout.make(true, false);
    EXPECT_TRUE(Paths::PrepareUserFiles(layout.locate()));
    EXPECT_FALSE(layout.dir.exists("prefix/bin/units.dat"));
}

} // namespace
} // namespace mensurio
