// SPDX-License-Identifier: MIT
// mensurio-cli unpacked into a folder the user cannot write, run by an ordinary user: it reads
// the database shipped beside it, or the user's own once there is one, and says nothing else.
#include "cli/CliFixture.h"
#include "support/Unprivileged.h"

#include <filesystem>

#include <sys/stat.h>

using namespace mensurio;
using namespace mensurio::test;
namespace fs = std::filesystem;

namespace {

std::string UserDatabase() {
    UnitDatabase db;
    db.AddCategory("Length", false);
    db.AddUnit("Length", "meter", "", 1.0L, false);
    db.AddUnit("Length", "stadion", "meter", 184.8L, true);
    return DatabaseFile::ToBytes(db, "MNSA");
}

} // namespace

TEST(CliReadOnlyFolder, readsTheShippedDatabaseBesideIt_thenTheUsersOwn) {
    ScratchDir scratch;
    const std::string program = scratch.file("opt/mensurio/mensurio-cli");
    fs::create_directories(scratch.file("opt/mensurio"));
    fs::create_directories(scratch.file("home"));
    fs::copy_file(MENSURIO_CLI, program);
    fs::copy_file(MENSURIO_BIN_DIR "/default.dat", scratch.file("opt/mensurio/default.dat"));
    ::chmod(scratch.file("opt/mensurio").c_str(), 0555);
    HandToUnprivileged(scratch.path());
    // Through the shell, which runs the tools by name: setpriv (as root), env.
    const auto runCli = [&](const std::vector<std::string> &args) {
        std::vector<std::string> line = UnprivilegedCommandPrefix();
        line.insert(line.end(), {"env", "LC_ALL=C", "HOME=" + scratch.file("home"),
                                 "XDG_DATA_HOME=", "XDG_CONFIG_HOME=", program});
        line.insert(line.end(), args.begin(), args.end());
        const std::string first = line.front();
        line.erase(line.begin());
        return runProcess(first, line, scratch.path());
    };

    const ProcessResult shipped = runCli({"1", "foot", "--to", "meter"});
    ASSERT_NE(shipped.status, 127) << missingTool(shipped, "setpriv", "util-linux");
    EXPECT_EQ(shipped.out, "0.3048\n");
    EXPECT_EQ(shipped.err, "");
    EXPECT_EQ(shipped.status, 0);

    fs::create_directories(scratch.file("home/.local/share/mensurio"));
    scratch.write("home/.local/share/mensurio/units.dat", UserDatabase());
    const ProcessResult own = runCli({"-c", "Length", "2 stadion", "--to", "meter"});
    EXPECT_EQ(own.out, "369.6\n");
    EXPECT_EQ(own.err, "");
    EXPECT_EQ(own.status, 0);

    ::chmod(scratch.file("opt/mensurio").c_str(), 0755);
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.file("opt/mensurio")), fs::directory_iterator()),
              2)
        << "the command line wrote into the program folder";
}
