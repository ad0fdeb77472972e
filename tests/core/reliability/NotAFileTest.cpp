// SPDX-License-Identifier: MIT
// Paths the program reads that are not regular files: a FIFO, a socket, a device, a directory.
// None may be opened for reading (a FIFO would wait for a writer for ever) or written.
#include "core/db/DatabaseFile.h"
#include "core/db/DatabaseLifecycle.h"
#include "core/platform/FileOps.h"
#include "core/platform/Paths.h"
#include "core/settings/IniFile.h"

#include "support/FakePrompts.h"
#include "support/ScratchDir.h"
#include "support/TestDatabases.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <exception>
#include <functional>
#include <string>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace mensurio {
namespace {

using test::FakePrompts;
using test::ScratchDir;

struct NotAFile {
    const char *name;
    const char *kind;
    std::function<bool(const std::string &)> make;
};

bool MakeSocket(const std::string &path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (fd < 0 || path.size() >= sizeof address.sun_path)
        return false;
    std::strcpy(address.sun_path, path.c_str());
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(fd); // the socket file stays
    return bound;
}

const NotAFile kCases[] = {
    {"Fifo", "a FIFO", [](const std::string &p) { return ::mkfifo(p.c_str(), 0600) == 0; }},
    {"Socket", "a socket", MakeSocket},
    {"Device", "a device", [](const std::string &p) { return ::symlink("/dev/zero", p.c_str()) == 0; }},
    {"Directory", "a directory", [](const std::string &p) { return ::mkdir(p.c_str(), 0700) == 0; }},
};

mode_t TypeOf(const std::string &path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

class NotAFileTest : public ::testing::TestWithParam<NotAFile> {
  protected:
    void SetUp() override {
        // Opening a FIFO for reading would wait for ever: a hang ends the test program.
        ::alarm(20);
        m_started = std::chrono::steady_clock::now();
    }
    void TearDown() override {
        ::alarm(0);
        EXPECT_LT(std::chrono::steady_clock::now() - m_started, std::chrono::seconds(2));
    }
    std::string Make(const std::string &name) {
        const std::string path = m_dir.file(name);
        if (!GetParam().make(path))
            ADD_FAILURE() << "cannot make " << GetParam().kind << " at " << path;
        m_type = TypeOf(path);
        return path;
    }
    // The path is still what it was: not replaced, not renamed aside.
    void ExpectUntouched(const std::string &path) const { EXPECT_EQ(TypeOf(path), m_type) << path; }

    ScratchDir m_dir;
    mode_t m_type = 0;
    std::chrono::steady_clock::time_point m_started;
};

TEST_P(NotAFileTest, FileOps_namesWhatItIs_andRefusesToOpenIt) {
    const std::string path = Make("thing");
    EXPECT_EQ(FileOps::NotRegularKind(path), GetParam().kind);
    EXPECT_EQ(FileOps::OpenRegularForReading(path), -1);
    EXPECT_THROW(FileOps::ReadAll(path), std::system_error);
    EXPECT_FALSE(FileOps::CopyIfAbsent(path, m_dir.file("copy")));
    EXPECT_FALSE(FileOps::Exists(m_dir.file("copy")));
    ExpectUntouched(path);
}

TEST_P(NotAFileTest, DatabaseFile_refusesIt) {
    const std::string path = Make("units.dat");
    UnitDatabase db;
    EXPECT_THROW(DatabaseFile::LoadFromPath(db, path), std::exception);
}

TEST_P(NotAFileTest, UnitsDat_defaultLoaded_pathNamed_neverWritten) {
    const std::string path = Make("units.dat");
    m_dir.write("default.dat", test::OneUnitDatabaseFile("Length", "meter"));
    FakePrompts prompts;
    UnitDatabase db;
    ASSERT_TRUE(DatabaseLifecycle::LoadDatabaseAtStart(db, m_dir.path(), prompts, false));
    EXPECT_EQ(db.Categories().size(), 1u);
    ASSERT_EQ(prompts.log.size(), 2u);
    EXPECT_EQ(prompts.log[1], "error: " + path + " is " + GetParam().kind + DatabaseLifecycle::NotAFileText);
    prompts.log.clear();
    EXPECT_FALSE(DatabaseLifecycle::SaveDatabaseAtExit(db, m_dir.path(), prompts));
    EXPECT_EQ(prompts.log,
              (std::vector<std::string>{"beep", std::string("error: ") + DatabaseLifecycle::NotSavedText +
                                                    path + " is " + GetParam().kind + ", not a file."}));
    ExpectUntouched(path);
    EXPECT_FALSE(FileOps::Exists(path + ".bad"));
}

TEST_P(NotAFileTest, DefaultDat_messageNamesPathAndWhatItIs) {
    const std::string path = Make("default.dat");
    FakePrompts prompts;
    UnitDatabase db;
    EXPECT_FALSE(DatabaseLifecycle::LoadDatabaseAtStart(db, m_dir.path(), prompts, false));
    EXPECT_EQ(prompts.log.back(), std::string("error: ") + DatabaseLifecycle::NoDefaultText + "\n" + path +
                                      ": it is " + GetParam().kind + ", not a file.");
    ExpectUntouched(path);
}

TEST_P(NotAFileTest, ReadingForTheCommandLine_refusesExplicitAndFallsBackFromUnitsDat) {
    const std::string explicitPath = Make("given.dat");
    UnitDatabase db;
    std::string path;
    EXPECT_FALSE(DatabaseLifecycle::LoadForReading(db, explicitPath, FileLocations{}, path, {}));
    EXPECT_EQ(path, explicitPath);

    ScratchDir user;
    ASSERT_TRUE(GetParam().make(user.file("units.dat")));
    UnitDatabase shipped;
    shipped.AddCategory("Length", false);
    m_dir.write("default.dat", DatabaseFile::ToBytes(shipped, "MNSA"));
    FileLocations locations;
    locations.userDirectory = user.path();
    locations.defaultDirectory = m_dir.path();
    std::string warned;
    EXPECT_TRUE(DatabaseLifecycle::LoadForReading(db, {}, locations, path,
                                                  [&warned](const std::string &p) { warned = p; }));
    EXPECT_EQ(warned, user.file("units.dat"));
    EXPECT_EQ(path, m_dir.file("default.dat"));
}

TEST_P(NotAFileTest, SettingsFile_givesDefaults_refusesWrites_andIsReportedOnce) {
    const std::string path = Make("mensurio.ini");
    IniFile file(path);
    EXPECT_EQ(file.ReadInteger("general", "top", 50), 50);
    EXPECT_THROW(file.WriteInteger("general", "top", 7), IniFileError);
    {
        IniWriteBatch batch(file);
        EXPECT_THROW(file.WriteInteger("general", "top", 7), IniFileError);
        batch.Commit();
    }
    EXPECT_EQ(IniFile::CheckBeforeReading(path), "The settings file " + path + " is " + GetParam().kind +
                                                     ", not a file. It is not read and not written; default "
                                                     "settings are used.");
    ExpectUntouched(path);
}

INSTANTIATE_TEST_SUITE_P(Kinds, NotAFileTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<NotAFile> &info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace mensurio
