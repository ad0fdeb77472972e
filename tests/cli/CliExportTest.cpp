// SPDX-License-Identifier: MIT
// --export-handheld: the two handheld files from the database the command line reads.
#include "cli/CliFixture.h"
#include "core/export/HandheldExport.h"

#include <filesystem>

using namespace mensurio;
using namespace mensurio::test;

namespace {

int versionOf(const std::string &file) {
    return static_cast<unsigned char>(file.at(34)) << 8 | static_cast<unsigned char>(file.at(35));
}

class CliExport : public CliTest {
  protected:
    std::string values() const { return m_dir.file("values.pdb"); }
    std::string names() const { return m_dir.file("names.pdb"); }
};

struct RefusedCase {
    const char *name;
    std::vector<std::string> args; // after --db FIXTURE; file names are in the scratch folder
    const char *error;
};

class CliExportRefused : public CliExport, public ::testing::WithParamInterface<RefusedCase> {};

} // namespace

TEST_F(CliExport, ExportNumberGiven_writesTheFilesOfTheDatabase) {
    const auto r = runOnFixture({"--export-handheld", values(), names(), "--export-number", "300"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "export number 300\n");
    EXPECT_EQ(r.err, "");
    UnitDatabase db;
    DatabaseFile::LoadFromPath(db, this->db());
    const auto images = HandheldExport::Build(db, 300);
    EXPECT_EQ(m_dir.read("values.pdb"), images.values);
    EXPECT_EQ(m_dir.read("names.pdb"), images.names);
}

TEST_F(CliExport, NoExportNumber_drawsOneDifferentFromTheEarlierFiles) {
    ASSERT_EQ(runOnFixture({"--export-handheld", values(), names(), "--export-number", "300"}).status, 0);
    const auto r = runOnFixture({"--export-handheld", values(), names()});
    ASSERT_EQ(r.status, 0) << r.err;
    const int number = versionOf(m_dir.read("values.pdb"));
    EXPECT_EQ(versionOf(m_dir.read("names.pdb")), number);
    EXPECT_EQ(r.out, "export number " + std::to_string(number) + "\n");
    EXPECT_TRUE(number >= 2 && number <= 32767 && number != 300) << number;
}

// Relative paths as typed in the scratch folder: one file spelled two ways, or reached through a link.
TEST_F(CliExport, OneFileUnderTwoRelativeNames_isRefused) {
    std::filesystem::create_directory(m_dir.file("sub"));
    m_dir.write("target.pdb", "old");
    std::filesystem::create_symlink("target.pdb", m_dir.file("link.pdb"));
    const std::vector<std::pair<std::string, std::string>> pairs = {{"pair.pdb", "./pair.pdb"},
                                                                    {"pair.pdb", "sub/../pair.pdb"},
                                                                    {"./sub/../pair.pdb", "pair.pdb"},
                                                                    {"link.pdb", "target.pdb"}};
    for (const auto &[first, second] : pairs) {
        // Run from the scratch folder, so that the relative names land there.
        const std::string command = "cd " + shellQuote(m_dir.path()) + " && exec " +
                                    shellQuote(MENSURIO_CLI) + " --db " + shellQuote(db()) +
                                    " --export-handheld " + shellQuote(first) + " " + shellQuote(second);
        const auto r = runProcess("/bin/sh", {"-c", command}, m_dir.path());
        EXPECT_EQ(r.status, 2) << first << " " << second;
        EXPECT_NE(r.err.find("two different files"), std::string::npos) << r.err;
        EXPECT_FALSE(m_dir.exists("pair.pdb"));
        EXPECT_EQ(m_dir.read("target.pdb"), "old");
    }
}

TEST_P(CliExportRefused, ExitsWithTwoAndWritesNothing) {
    std::vector<std::string> args = GetParam().args;
    for (std::string &arg : args) { // the files go into the scratch folder
        if (arg.size() > 4 && (arg.ends_with(".pdb") || arg.ends_with(".PDB")))
            arg = m_dir.file(arg);
    }
    const auto r = runOnFixture(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(GetParam().error), std::string::npos) << r.err;
    EXPECT_FALSE(m_dir.exists("values.pdb"));
    EXPECT_FALSE(m_dir.exists("names.pdb"));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliExportRefused,
    ::testing::Values(
        RefusedCase{
            "sameNameIgnoringCase", {"--export-handheld", "values.pdb", "VALUES.PDB"}, "two different files"},
        RefusedCase{"numberTooSmall",
                    {"--export-handheld", "values.pdb", "names.pdb", "--export-number", "1"},
                    "from 2 to 32767"},
        RefusedCase{"numberTooLarge",
                    {"--export-handheld", "values.pdb", "names.pdb", "--export-number", "32768"},
                    "from 2 to 32767"},
        RefusedCase{"numberNotANumber",
                    {"--export-handheld", "values.pdb", "names.pdb", "--export-number", "7x"},
                    "from 2 to 32767"},
        RefusedCase{"oneFile", {"--export-handheld", "values.pdb"}, "two files"},
        RefusedCase{"numberWithoutExport", {"--export-number", "5", "1", "foot"}, "needs --export-handheld"},
        RefusedCase{
            "folderMissing", {"--export-handheld", "values.pdb", "missing/names.pdb"}, "Can not write"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(CliExport, Help_describesTheExport) {
    const auto r = run({"--help"});
    EXPECT_NE(r.out.find("--export-handheld VALUES.pdb NAMES.pdb [--export-number N]"), std::string::npos);
}
