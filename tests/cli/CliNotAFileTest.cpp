// SPDX-License-Identifier: MIT
// --db naming something that is not a file: refused at once, with the path and what it is.
#include "cli/CliFixture.h"

#include <sys/stat.h>
#include <unistd.h>

namespace mensurio::test {
namespace {

class CliNotAFileTest : public CliTest {};

TEST_F(CliNotAFileTest, Db_fifoOrFolderOrDevice_refusedAtOnceWithThePath) {
    const std::string fifo = m_dir.file("fifo.dat");
    const std::string folder = m_dir.file("folder.dat");
    const std::string device = m_dir.file("device.dat");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    ASSERT_EQ(::symlink("/dev/zero", device.c_str()), 0);
    const struct {
        std::string path;
        const char *kind;
    } cases[] = {{fifo, "a FIFO"}, {folder, "a directory"}, {device, "a device"}};
    for (const auto &c : cases) {
        // Reading the FIFO would wait for ever: the time limit turns that into status 124.
        const ProcessResult r =
            runProcess("timeout", {"10", MENSURIO_CLI, "--db", c.path, "--list-categories"}, m_dir.path());
        EXPECT_EQ(r.status, 2) << c.path;
        EXPECT_EQ(r.err, "mensurio-cli: cannot read the units database " + c.path + ": it is " + c.kind +
                             ", not a file\n");
        EXPECT_EQ(r.out, "");
    }
    struct stat info {};
    EXPECT_TRUE(::stat(fifo.c_str(), &info) == 0 && S_ISFIFO(info.st_mode));
}

} // namespace
} // namespace mensurio::test
