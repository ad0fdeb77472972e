// SPDX-License-Identifier: MIT
#include "core/db/DatabaseFile.h"
#include "support/RunProcess.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

using namespace mensurio;
using mensurio::test::runProcess;
using mensurio::test::ScratchDir;

namespace {

class CliList : public ::testing::Test {
  protected:
    void SetUp() override {
        UnitDatabase db;
        db.AddCategory("Length", false);
        db.AddUnit("Length", "meter", "", 1.0L, false);
        db.AddUnit("Length", "pied (France, ancien r\xE9gime)", "meter", 0.3248L, false);
        db.AddCategory("Secret", true);
        db.AddUnit("Secret", "hidden unit", "", 1.0L, true);
        db.SelectCategory("Secret");
        db.SetCategoryHidden(true);
        db.FirstUnit();
        db.SetUnitHidden(true);
        m_dir.write("fixture.dat", DatabaseFile::ToBytes(db, "MNSA"));
    }
    mensurio::test::ProcessResult run(std::vector<std::string> args) {
        return runProcess(MENSURIO_CLI, args, m_dir.path());
    }
    std::string db() const { return m_dir.file("fixture.dat"); }
    ScratchDir m_dir;
};

} // namespace

TEST_F(CliList, ListCategories_printsEveryCategoryHiddenIncluded) {
    const auto r = run({"--db", db(), "--list-categories"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Length\nSecret\n");
}

TEST_F(CliList, ListUnits_printsUtf8NamesCaseInsensitiveCategory) {
    const auto r = run({"--list-units", "length", "--db", db()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "meter\npied (France, ancien r\xC3\xA9gime)\n");
    EXPECT_EQ(run({"--db", db(), "--list-units", "Secret"}).out, "hidden unit\n");
}

TEST_F(CliList, UsageErrorsAndUnreadableDatabase_exitWithTwo) {
    m_dir.write("broken.dat", "MNSA\x07");
    const std::vector<std::vector<std::string>> cases = {
        {"--db", m_dir.file("broken.dat"), "--list-categories"},
        {"--db", m_dir.file("missing.dat"), "--list-categories"},
        {"--db", db(), "--list-units", "Volume"},
        {"--db"},
        {"--frobnicate"},
        {"--db", db(), "--places", "13", "5"},
        {"--db", db(), "--format", "roman", "5"},
        {"--db", db(), "--style", "3", "5"},
        {"--db", db()},
    };
    for (const auto &args : cases) {
        const auto r = run(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_FALSE(r.err.empty()) << args.back();
        EXPECT_TRUE(r.out.empty()) << args.back();
    }
}

TEST_F(CliList, HelpAndVersion_needNoDatabase) {
    const auto help = run({"--db", m_dir.file("missing.dat"), "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: mensurio-cli"), std::string::npos);
    const auto version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("mensurio-cli ", 0), 0u);
}

TEST_F(CliList, DefaultDatabase_isTheOneBesideTheExecutable) {
    const auto r = run({"--list-categories"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(r.out.empty());
}
