// SPDX-License-Identifier: MIT
// The database beside the program: a damaged units.dat falls back to default.dat, as in the window.
#include "cli/CliFixture.h"

#include <algorithm>
#include <filesystem>

using namespace mensurio;
using namespace mensurio::test;

namespace {

// A copy of mensurio-cli in a scratch folder, with the database files the test writes beside it.
class CliBesideDatabase : public CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        std::filesystem::copy_file(MENSURIO_CLI, m_dir.file("mensurio-cli"));
    }
    ProcessResult runBeside(const std::vector<std::string> &args) const {
        return runProcess(m_dir.file("mensurio-cli"), args, m_dir.path());
    }
    std::string fixtureBytes() const { return DatabaseFile::ToBytes(CliFixtureDatabase(), "MNSA"); }
};

} // namespace

TEST_F(CliBesideDatabase, DamagedUnitsDat_fallsBackToDefaultWithOneLineWarning) {
    std::string damaged = fixtureBytes();
    damaged.resize(damaged.size() / 2);
    for (const std::string &contents : {std::string(), std::string("MNS"), damaged}) {
        m_dir.write("units.dat", contents);
        m_dir.write("default.dat", fixtureBytes());
        const auto r = runBeside({"1", "foot", "--to", "inch"});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "12\n");
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(r.err.rfind("mensurio-cli: warning: ", 0), 0U) << r.err;
        EXPECT_NE(r.err.find("units.dat"), std::string::npos) << r.err;
        EXPECT_EQ(m_dir.read("units.dat"), contents); // never written
    }
}

TEST_F(CliBesideDatabase, ReadableOrMissingUnitsDat_givesNoWarning) {
    m_dir.write("default.dat", fixtureBytes());
    const auto missing = runBeside({"1", "foot", "--to", "inch"});
    EXPECT_EQ(missing.status, 0);
    EXPECT_EQ(missing.err, "");
    m_dir.write("units.dat", fixtureBytes());
    const auto present = runBeside({"1", "foot", "--to", "inch"});
    EXPECT_EQ(present.out, "12\n");
    EXPECT_EQ(present.err, "");
}

TEST_F(CliBesideDatabase, BothUnreadable_isAnErrorWithStatusTwo) {
    m_dir.write("units.dat", "broken");
    m_dir.write("default.dat", "broken too");
    const auto r = runBeside({"1", "foot", "--to", "inch"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("cannot read the units database"), std::string::npos) << r.err;
}
