// SPDX-License-Identifier: MIT
// A process saving the units database or the settings file is killed with SIGKILL at random
// moments; after every kill the files read back whole (old or new content) and the next start
// or save removes the temporary file the killed save left.
#include "core/db/DatabaseFile.h"
#include "core/db/DatabaseLifecycle.h"
#include "core/platform/FileOps.h"
#include "core/settings/IniFile.h"
#include "core/settings/ProgramSettings.h"
#include "support/FakePrompts.h"
#include "support/ScratchDir.h"
#include "support/SettingsFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace mensurio {
namespace {

using test::FakePrompts;
using test::ScratchDir;
using Clock = std::chrono::steady_clock;

constexpr int kKills = 100;

// 20 categories of 1,000 units; `variant` changes every factor and some names.
UnitDatabase BigDatabase(int variant) {
    UnitDatabase db;
    for (int c = 0; c < 20; ++c) {
        const std::string category = "Category " + std::to_string(c);
        db.AddCategory(category, false);
        for (int u = 0; u < 1000; ++u) {
            const std::string name = "unit " + std::to_string(u) + (variant && u % 7 == 0 ? " (new)" : "");
            db.AddUnit(category, name, "", 1.0L + u + variant / 3.0L, variant != 0);
        }
    }
    return db;
}

// Names of the temporary files AtomicReplace left beside `path`.
std::vector<std::string> TemporariesOf(const std::string &path) {
    std::vector<std::string> found;
    for (const auto &entry : std::filesystem::directory_iterator(FileOps::DirectoryOf(path))) {
        long pid = 0;
        if (FileOps::IsTemporaryNameOf(path, entry.path().filename().string(), pid))
            found.push_back(entry.path().filename().string());
    }
    return found;
}

// Runs `work` over and over in a child process, kills it with SIGKILL after `delay` and reaps it.
void RunAndKill(const std::function<void(unsigned)> &work, std::chrono::microseconds delay) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        for (unsigned round = 0;; ++round)
            work(round);
    }
    std::this_thread::sleep_for(delay);
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the saving process ended by itself";
}

std::chrono::microseconds TimeOf(const std::function<void()> &work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
}

std::vector<std::string> LinesOf(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(KillDuringSave, unitsDatabase_isOldOrNewAfterEveryKill_andStartRemovesLeftovers) {
    ScratchDir dir;
    const UnitDatabase databases[2] = {BigDatabase(0), BigDatabase(1)};
    const std::string images[2] = {DatabaseFile::ToBytes(databases[0], "MNSA"),
                                   DatabaseFile::ToBytes(databases[1], "MNSA")};
    const std::string path = dir.file(DatabaseLifecycle::UnitsFile);
    dir.write(DatabaseLifecycle::UnitsFile, images[0]);

    const auto save = [&](unsigned round) {
        UnitDatabase copy = databases[(round + 1) % 2];
        FakePrompts cancel;
        DatabaseLifecycle::SaveDatabaseAtExit(copy, dir.path(), cancel);
    };
    const auto oneSave = TimeOf([&] { save(1); });
    std::mt19937 random(18);
    // Most kills land inside a save, some between two.
    std::uniform_int_distribution<long> moment(0, oneSave.count() * 3 / 2 + 2000);

    int killedMidWrite = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        RunAndKill(save, std::chrono::microseconds(moment(random)));
        const std::string bytes = dir.read(DatabaseLifecycle::UnitsFile);
        ASSERT_TRUE(bytes == images[0] || bytes == images[1])
            << "kill " << kill << " left " << bytes.size() << " bytes";
        if (!TemporariesOf(path).empty())
            ++killedMidWrite;

        UnitDatabase loaded;
        FakePrompts prompts;
        ASSERT_TRUE(DatabaseLifecycle::LoadDatabaseAtStart(loaded, dir.path(), prompts, true));
        EXPECT_TRUE(prompts.log.empty()) << prompts.log.front();
        EXPECT_EQ(DatabaseFile::ToBytes(loaded, "MNSA"), bytes);
        ASSERT_TRUE(TemporariesOf(path).empty()) << "the start left " << TemporariesOf(path).front();
    }
    // Without kills inside a write the test would prove nothing.
    EXPECT_GT(killedMidWrite, 0);
    RecordProperty("KilledMidWrite", killedMidWrite);
}

TEST(KillDuringSave, settingsFile_isOldOrNewAfterEveryKill_andNextSaveRemovesLeftovers) {
    ScratchDir dir;
    const ProgramSettings settings[2] = {ProgramSettings{}, test::EveryFieldChanged()};
    const std::string path = dir.file("mensurio.ini");
    IniFile file(path);
    ASSERT_TRUE(WriteSettings(file, settings[1]));
    ASSERT_TRUE(WriteSettings(file, settings[0]));
    std::vector<std::string> lines[2] = {LinesOf(dir.read("mensurio.ini")), {}};
    // As at the exit of the window: every key gathered, then one replace of the whole file.
    const auto write = [&](unsigned round) {
        IniFile target(path);
        IniWriteBatch batch(target);
        WriteSettings(target, settings[(round + 1) % 2]);
        batch.Commit();
    };
    const auto oneWrite = TimeOf([&] { write(0); });
    lines[1] = LinesOf(dir.read("mensurio.ini"));
    ASSERT_EQ(lines[0].size(), lines[1].size());
    ASSERT_NE(lines[0], lines[1]);
    ASSERT_TRUE(WriteSettings(file, settings[0]));

    std::mt19937 random(18);
    std::uniform_int_distribution<long> moment(0, oneWrite.count() * 3 / 2 + 2000);
    int killedMidWrite = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        RunAndKill(write, std::chrono::microseconds(moment(random)));
        // The whole file is replaced at once, so it is the old or the new file.
        const std::vector<std::string> now = LinesOf(dir.read("mensurio.ini"));
        ASSERT_TRUE(now == lines[0] || now == lines[1]) << "kill " << kill;
        const ProgramSettings read = ReadSettings(file);
        EXPECT_TRUE(read == settings[0] || read == settings[1]);

        if (!TemporariesOf(path).empty()) {
            ++killedMidWrite;
            file.WriteString("general", "tipbox", read.tipbox ? "1" : "0"); // the next save
            ASSERT_TRUE(TemporariesOf(path).empty()) << "the next save left " << TemporariesOf(path).front();
        }
    }
    EXPECT_GT(killedMidWrite, 0);
    RecordProperty("KilledMidWrite", killedMidWrite);
}

} // namespace
} // namespace mensurio
