// SPDX-License-Identifier: MIT
#include "core/platform/StartupLink.h"

#include "core/platform/ShellLinker.h"
#include "support/FakePrompts.h"
#include "support/FileSizeLimit.h"
#include "support/RunProcess.h"
#include "support/ScratchDir.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace mensurio {
namespace {

using test::FakePrompts;
using test::ScratchDir;

const std::string kExe = "/opt/Mensurio Apps/mensurio";

std::string EntryWith(const std::string &exec, const std::string &extra = {}) {
    return "[Desktop Entry]\nType=Application\nName=Mensurio\nExec=" + exec + "\n" + extra;
}

ino_t InodeOf(const std::string &path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

class StartupLinkTest : public ::testing::Test {
  protected:
    std::string Folder() const { return scratch.file("autostart"); }
    std::string Link() const { return Folder() + "/Mensurio.desktop"; }
    StartupLink Linker() const { return StartupLink(Folder(), kExe); }
    void WriteLink(const std::string &text, const std::string &name = "Mensurio.desktop") const {
        std::filesystem::create_directories(Folder());
        test::writeFile(Folder() + "/" + name, text);
    }

    ScratchDir scratch;
    FakePrompts prompts;
};

TEST_F(StartupLinkTest, createdLink_readsBackAndStartsTheProgramInTheTray) {
    Linker().BringInLine(true, prompts);
    EXPECT_TRUE(prompts.log.empty());
    const auto link = ShellLinker::ReadShellLink(Link());
    ASSERT_TRUE(link);
    EXPECT_EQ(*link, Linker().WantedLink());
    EXPECT_EQ(link->arguments, std::vector<std::string>{"tray"});
    EXPECT_EQ(link->workingDirectory, "/opt/Mensurio Apps");
    EXPECT_EQ(link->description, "Mensurio StartUp Link");
    EXPECT_NE(test::readFile(Link()).find("Exec=\"/opt/Mensurio Apps/mensurio\" tray\n"), std::string::npos);
    EXPECT_TRUE(Linker().IsCorrect());
    struct stat st {};
    ASSERT_EQ(::stat(Folder().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u); // a folder the link creates is private
}

// Entries that are right stay untouched, byte for byte and file for file.
TEST_F(StartupLinkTest, correctLink_isKeptAsItIs) {
    for (const std::string &exec : {std::string("\"/opt/Mensurio Apps/mensurio\" tray"),
                                    std::string("\"/OPT/mensurio apps/MENSURIO\" TRAY")}) {
        const std::string text = EntryWith(exec, "# written by hand\nX-Extra=1\n");
        WriteLink(text);
        const ino_t before = InodeOf(Link());
        Linker().BringInLine(true, prompts);
        EXPECT_EQ(test::readFile(Link()), text) << exec;
        EXPECT_EQ(InodeOf(Link()), before) << exec;
    }
    EXPECT_TRUE(prompts.log.empty());
}

TEST_F(StartupLinkTest, wrongOrUnreadableLink_isReplaced) {
    const struct {
        const char *what;
        std::string text;
    } cases[] = {
        {"another copy of the program", EntryWith("/usr/bin/mensurio tray")},
        {"without tray", EntryWith("\"/opt/Mensurio Apps/mensurio\"")},
        {"with more arguments", EntryWith("\"/opt/Mensurio Apps/mensurio\" tray extra")},
        {"switched off by the session", EntryWith("\"/opt/Mensurio Apps/mensurio\" tray", "Hidden=true\n")},
        {"switched off by GNOME",
         EntryWith("\"/opt/Mensurio Apps/mensurio\" tray", "X-GNOME-Autostart-enabled=false\n")},
        {"malformed Exec", EntryWith("\"/opt/Mensurio Apps/mensurio tray")},
        {"not a desktop entry", "garbage\x01\xff\n"},
        {"empty", ""},
    };
    for (const auto &c : cases) {
        WriteLink(c.text);
        EXPECT_FALSE(Linker().IsCorrect()) << c.what;
        Linker().BringInLine(true, prompts);
        EXPECT_EQ(test::readFile(Link()), ShellLinker::EntryText(Linker().WantedLink())) << c.what;
    }
    EXPECT_TRUE(prompts.log.empty());
}

TEST_F(StartupLinkTest, linkNamesMatchWithoutRegardToCase) {
    WriteLink(EntryWith("/usr/bin/other tray"), "mensurio.DESKTOP");
    EXPECT_TRUE(Linker().Exists());
    Linker().BringInLine(true, prompts);
    EXPECT_FALSE(scratch.exists("autostart/mensurio.DESKTOP"));
    EXPECT_TRUE(Linker().IsCorrect());

    WriteLink(EntryWith("/usr/bin/other tray"), "MENSURIO.desktop"); // a second spelling
    EXPECT_FALSE(Linker().IsCorrect());
    Linker().BringInLine(false, prompts);
    EXPECT_FALSE(Linker().Exists());
    EXPECT_TRUE(prompts.log.empty());
}

TEST_F(StartupLinkTest, clearedBox_deletesTheLinkAndLeavesOtherEntries) {
    WriteLink(EntryWith("/usr/bin/other"), "other.desktop");
    Linker().BringInLine(true, prompts);
    ASSERT_TRUE(Linker().Exists());
    Linker().BringInLine(false, prompts);
    EXPECT_FALSE(Linker().Exists());
    EXPECT_TRUE(scratch.exists("autostart/other.desktop"));
    Linker().BringInLine(false, prompts); // nothing to delete: no warning either
    EXPECT_TRUE(prompts.log.empty());
}

bool LogIs(const FakePrompts &prompts, const std::vector<std::string> &expected) {
    if (prompts.log == expected)
        return true;
    for (const std::string &line : prompts.log)
        std::fprintf(stderr, "logged: %s\n", line.c_str());
    return false;
}

TEST_F(StartupLinkTest, unwritableFolder_warnsAndKeepsTheOldLink) {
    const std::string old = EntryWith("/usr/bin/other tray");
    WriteLink(old);
    ::chmod(Folder().c_str(), 0500);
    EXPECT_UNPRIVILEGED(scratch.path(), [this] {
        Linker().BringInLine(true, prompts);
        const bool replacing = LogIs(prompts, {"beep", "warning: Could not delete StartUp link.", "beep",
                                               "warning: Could not create link."});
        prompts.log.clear();
        Linker().BringInLine(false, prompts);
        return replacing && LogIs(prompts, {"beep", "warning: Could not delete StartUp link."});
    });
    ::chmod(Folder().c_str(), 0700);
    EXPECT_EQ(test::readFile(Link()), old);
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(Folder()), std::filesystem::directory_iterator()),
        1)
        << "a temporary file was left behind";
}

TEST_F(StartupLinkTest, unwritableConfigHome_warnsWithoutCreatingAnything) {
    const std::string config = scratch.file("config");
    std::filesystem::create_directories(config);
    ::chmod(config.c_str(), 0500);
    EXPECT_UNPRIVILEGED(scratch.path(), [this, config] {
        StartupLink(config + "/autostart", kExe).BringInLine(true, prompts);
        return LogIs(prompts, {"beep", "warning: Could not create link."});
    });
    ::chmod(config.c_str(), 0700);
    EXPECT_FALSE(std::filesystem::exists(config + "/autostart"));
}

// A folder in the link's place can be neither deleted nor replaced, whoever runs the program.
TEST_F(StartupLinkTest, folderInTheLinksPlace_warnsTwice) {
    std::filesystem::create_directories(Link() + "/inside");
    EXPECT_TRUE(Linker().Exists());
    Linker().BringInLine(true, prompts);
    EXPECT_EQ(prompts.log, (std::vector<std::string>{"beep", "warning: Could not delete StartUp link.",
                                                     "beep", "warning: Could not create link."}));
    EXPECT_TRUE(std::filesystem::is_directory(Link() + "/inside"));
}

// A write the disk refuses half way leaves no link and no temporary file.
TEST_F(StartupLinkTest, failingWrite_leavesNothingHalfWritten) {
    std::filesystem::create_directories(Folder());
    {
        const test::FileSizeLimit limit(16);
        Linker().BringInLine(true, prompts);
    }
    EXPECT_EQ(prompts.log, (std::vector<std::string>{"beep", "warning: Could not create link."}));
    EXPECT_EQ(std::filesystem::directory_iterator(Folder()), std::filesystem::directory_iterator());
}

TEST(ShellLinker, startupFolderPath_followsXdgConfigHomeThenHome) {
    const char *savedConfig = std::getenv("XDG_CONFIG_HOME");
    const char *savedHome = std::getenv("HOME");
    const std::string keepConfig = savedConfig ? savedConfig : "";
    const std::string keepHome = savedHome ? savedHome : "";
    const struct {
        const char *config; // nullptr: unset
        const char *home;
        const char *folder;
    } cases[] = {
        {"/tmp/cfg", "/home/u", "/tmp/cfg/autostart"},        {"/tmp/cfg/", "/home/u", "/tmp/cfg/autostart"},
        {nullptr, "/home/u", "/home/u/.config/autostart"},    {"", "/home/u", "/home/u/.config/autostart"},
        {"relative", "/home/u", "/home/u/.config/autostart"}, {nullptr, nullptr, ""},
    };
    for (const auto &c : cases) {
        c.config ? ::setenv("XDG_CONFIG_HOME", c.config, 1) : ::unsetenv("XDG_CONFIG_HOME");
        c.home ? ::setenv("HOME", c.home, 1) : ::unsetenv("HOME");
        EXPECT_EQ(ShellLinker::StartupFolderPath(), c.folder);
    }
    savedConfig ? ::setenv("XDG_CONFIG_HOME", keepConfig.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
    savedHome ? ::setenv("HOME", keepHome.c_str(), 1) : ::unsetenv("HOME");
}

TEST(ShellLinker, readShellLink_refusesWhatIsNoApplicationEntry) {
    ScratchDir scratch;
    std::filesystem::create_directories(scratch.file("dir.desktop"));
    scratch.write("link.desktop", "[Desktop Entry]\nType=Link\nExec=/m tray\n");
    scratch.write("noexec.desktop", "[Desktop Entry]\nType=Application\nName=x\n");
    scratch.write("huge.desktop", EntryWith("/m tray", std::string(2 << 20, '#')));
    for (const char *name :
         {"missing.desktop", "dir.desktop", "link.desktop", "noexec.desktop", "huge.desktop"})
        EXPECT_FALSE(ShellLinker::ReadShellLink(scratch.file(name))) << name;
}

// The desktop starts the program the link names, whatever the characters of its path: the
// entry is launched as a session does it (gio launch) and the program records how it ran.
TEST(ShellLinker, writtenEntry_startsTheProgramThroughTheDesktop) {
    ScratchDir scratch;
    const std::string record = scratch.file("ran");
    for (const std::string folder : {"plain", "with space", "100%", "100% sure", "%U", "say \"hi\"", "it's",
                                     "back\\slash", "$HOME", "a=b;c&d", "all %$\"' \\`x`"}) {
        const std::string directory = scratch.file(folder);
        std::filesystem::create_directory(directory);
        const std::string exe = directory + "/mensurio";
        test::writeFile(exe, "#!/bin/sh\nprintf '%s|%s' \"$0\" \"$*\" >" + test::shellQuote(record) + "\n");
        std::filesystem::permissions(exe, std::filesystem::perms::owner_all);
        std::filesystem::remove(record);
        const StartupLink linker(scratch.file("autostart"), exe);
        FakePrompts prompts;
        linker.BringInLine(true, prompts);
        ASSERT_TRUE(linker.IsCorrect()) << exe;
        const auto result = test::runProcess("gio", {"launch", linker.LinkFile()}, scratch.path());
        ASSERT_NE(result.status, 127) << test::missingTool(result, "gio", "libglib2.0-bin");
        EXPECT_EQ(result.status, 0) << exe << "\n" << result.err;
        for (int wait = 0; wait < 100 && test::readFile(record).empty(); ++wait)
            ::usleep(50'000);
        EXPECT_EQ(test::readFile(record), exe + "|tray") << exe;
        const auto validated = test::runProcess("desktop-file-validate", {linker.LinkFile()}, scratch.path());
        EXPECT_EQ(validated.out + validated.err, "") << exe;
    }
}

// The desktop's own checker accepts what we write, also for paths that need quoting.
TEST(ShellLinker, writtenEntry_passesDesktopFileValidate) {
    ScratchDir scratch;
    for (const std::string &exe :
         {std::string("/usr/bin/mensurio"), std::string("/opt/My \"Apps\"/it's $x\\y%/m"),
          std::string("/opt/a=b/caf\xC3\xA9/m")}) {
        const std::string file = scratch.file("Mensurio.desktop");
        ASSERT_TRUE(ShellLinker::CreateShellLink(file, StartupLink(scratch.path(), exe).WantedLink()));
        const auto result = test::runProcess("desktop-file-validate", {file}, scratch.path());
        ASSERT_NE(result.status, 127)
            << test::missingTool(result, "desktop-file-validate", "desktop-file-utils");
        EXPECT_EQ(result.status, 0) << exe << "\n" << result.out << result.err;
        EXPECT_EQ(result.out + result.err, "") << exe;
        EXPECT_EQ(ShellLinker::ReadShellLink(file), StartupLink(scratch.path(), exe).WantedLink());
    }
}

} // namespace
} // namespace mensurio
