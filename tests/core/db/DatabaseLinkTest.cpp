// SPDX-License-Identifier: MIT
// units.dat as a symbolic link to a file that does not load (a shell start-up file, a damaged or
// missing database elsewhere, a file the user may not read): the link and its target stay as
// they were, the user is told at the start, and the exit offers another file for the changes.
#include "core/db/DatabaseFile.h"
#include "core/db/DatabaseLifecycle.h"
#include "support/FakePrompts.h"
#include "support/ScratchDir.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace mensurio {
namespace {

using test::FakePrompts;
using test::ScratchDir;
namespace fs = std::filesystem;

std::string DatabaseWith(const std::string &category) {
    UnitDatabase db;
    db.AddCategory(category, false);
    db.AddUnit(category, "u", "", 1.0L, false);
    return DatabaseFile::ToBytes(db, "MNSA");
}

const std::string kShellFile = "# ~/.bashrc\nexport PATH=\"$HOME/bin:$PATH\"\nalias ll='ls -l'\n";

struct LinkCase {
    const char *name;
    const char *target;  // the link's text, relative to the scratch folder
    const char *content; // nullptr: no file there
    const char *failure; // why it did not load, as the user is told
};

const LinkCase kLinks[] = {
    {"ShellStartUpFile", "home/.bashrc", kShellFile.c_str(),
     "it is not a units database, or it is cut short"},
    {"EmptyFile", "home/empty.dat", "", "it is not a units database, or it is cut short"},
    {"Dangling", "media/usb/units.dat", nullptr, "No such file or directory"},
};

class DatabaseLinkTest : public ::testing::TestWithParam<LinkCase> {
  protected:
    void SetUp() override {
        fs::create_directories(m_dir.file("data"));
        fs::create_directories(m_dir.file("home"));
        m_dir.write("data/default.dat", DatabaseWith("Default"));
        if (GetParam().content != nullptr)
            m_dir.write(GetParam().target, GetParam().content);
        fs::create_symlink(m_dir.file(GetParam().target), Link());
    }
    std::string Link() const { return m_dir.file("data/units.dat"); }
    std::string LinkText() const { return m_dir.file(GetParam().target); }
    std::string Reason() const {
        return Link() + " is a link to " + LinkText() + ", which can not be loaded: " + GetParam().failure;
    }

    // Starts, adds a category when `change`, and exits with the prompts answered as scripted.
    FakePrompts Run(bool change, std::deque<bool> answers, std::deque<std::string> files) {
        UnitDatabase db;
        FakePrompts start;
        EXPECT_TRUE(DatabaseLifecycle::LoadDatabaseAtStart(db, m_dir.file("data"), start, false));
        EXPECT_EQ(start.log, (std::vector<std::string>{
                                 "beep", "error: " + Reason() + ".\n" + DatabaseLifecycle::DefaultLoadedText +
                                             "\n" + DatabaseLifecycle::LinkNotWrittenText}));
        EXPECT_TRUE(db.CategoryExists("Default"));
        if (change)
            db.AddCategory("Added", true);
        FakePrompts exit;
        exit.answers = std::move(answers);
        exit.fileAnswers = std::move(files);
        EXPECT_FALSE(DatabaseLifecycle::SaveDatabaseAtExit(db, m_dir.file("data"), exit));
        return exit;
    }
    // The link points where it did and its target holds what it held, byte for byte.
    void ExpectUntouched() const {
        EXPECT_TRUE(fs::is_symlink(Link()));
        EXPECT_EQ(fs::read_symlink(Link()).string(), LinkText());
        if (GetParam().content != nullptr) {
            EXPECT_EQ(m_dir.read(GetParam().target), GetParam().content);
        } else {
            EXPECT_FALSE(fs::exists(LinkText()));
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(m_dir.file("data")), fs::directory_iterator()), 2)
            << "a file was added beside the link";
    }
    std::string Question() const {
        return "confirm: " + Reason() + ".\n" + DatabaseLifecycle::SaveElsewhereText;
    }
    std::string Dialog() const {
        return std::string("save [") + DatabaseLifecycle::SaveElsewhereTitle + "] " + m_dir.file("data") +
               " " + DatabaseLifecycle::SavedElsewhereName + " " + DatabaseLifecycle::SaveElsewhereFilter;
    }

    // Every path under the scratch folder with its size.
    std::string Listing() const {
        std::string listing;
        for (const auto &entry : fs::recursive_directory_iterator(m_dir.path())) {
            listing += entry.path().string();
            if (entry.is_regular_file())
                listing += " " + std::to_string(entry.file_size());
            listing += "\n";
        }
        return listing;
    }

    ScratchDir m_dir;
};

TEST_P(DatabaseLinkTest, exit_savesTheChangesOnlyInTheFileTheUserChooses) {
    const std::string elsewhere = m_dir.file("home/saved.dat");
    // The link and the file behind it are refused; a cancelled dialog asks again.
    const FakePrompts exit = Run(true, {true, true, true, true}, {Link(), LinkText(), "", elsewhere});
    const std::string behind =
        GetParam().content != nullptr
            ? LinkText() + DatabaseLifecycle::NotThatFileText
            : DatabaseLifecycle::SaveFailedText + LinkText() + ": No such file or directory.";
    EXPECT_EQ(exit.log,
              (std::vector<std::string>{"beep", Question(), Dialog(), "beep",
                                        "error: " + Link() + DatabaseLifecycle::NotThatFileText, "beep",
                                        Question(), Dialog(), "beep", "error: " + behind, "beep", Question(),
                                        Dialog(), "beep", Question(), Dialog()}));
    UnitDatabase saved;
    DatabaseFile::LoadFromPath(saved, elsewhere);
    EXPECT_TRUE(saved.CategoryExists("Added"));
    EXPECT_TRUE(saved.CategoryExists("Default"));
    ExpectUntouched();
}

TEST_P(DatabaseLinkTest, exit_cancelOrNoChange_writesNothingAnywhere) {
    const std::string before = Listing();
    EXPECT_EQ(Run(true, {false}, {}).log, (std::vector<std::string>{"beep", Question()}));
    EXPECT_TRUE(Run(false, {}, {}).log.empty()) << "asked although nothing changed";
    EXPECT_EQ(Listing(), before);
    ExpectUntouched();
}

INSTANTIATE_TEST_SUITE_P(Targets, DatabaseLinkTest, ::testing::ValuesIn(kLinks),
                         [](const auto &info) { return std::string(info.param.name); });

// A target the user may not read fails to load like the others and is left as it is.
TEST(DatabaseLink, targetTheUserMayNotRead_isLeftAsItIs) {
    ScratchDir scratch;
    fs::create_directories(scratch.file("data"));
    scratch.write("data/default.dat", DatabaseWith("Default"));
    const std::string mine = DatabaseWith("Mine");
    scratch.write("private.dat", mine);
    ::chmod(scratch.file("private.dat").c_str(), 0);
    fs::create_symlink(scratch.file("private.dat"), scratch.file("data/units.dat"));
    const std::string data = scratch.file("data");
    EXPECT_UNPRIVILEGED(scratch.path(), [&] {
        UnitDatabase db;
        FakePrompts prompts;
        if (!DatabaseLifecycle::LoadDatabaseAtStart(db, data, prompts, false) || prompts.log.size() != 2 ||
            prompts.log[1].find(", which can not be loaded: Permission denied.") == std::string::npos)
            return false;
        db.AddCategory("Added", true);
        prompts.answers = {false};
        return !DatabaseLifecycle::SaveDatabaseAtExit(db, data, prompts) && prompts.log.size() == 4;
    });
    ::chmod(scratch.file("private.dat").c_str(), 0600);
    EXPECT_EQ(scratch.read("private.dat"), mine);
    EXPECT_TRUE(fs::is_symlink(scratch.file("data/units.dat")));
}

} // namespace
} // namespace mensurio
