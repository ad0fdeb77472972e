// SPDX-License-Identifier: MIT
#include "core/settings/IniFile.h"

#include "support/FileSizeLimit.h"
#include "support/ScratchDir.h"
#include "support/SettingsFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include <sys/stat.h>

namespace mensurio {
namespace {

namespace fs = std::filesystem;
using test::FileSizeLimit;
using test::readFile;
using test::ScratchDir;
using test::writeFile;

size_t EntriesIn(const fs::path &directory) {
    size_t count = 0;
    for ([[maybe_unused]] const auto &entry : fs::directory_iterator(directory)) {
        ++count;
    }
    return count;
}

using IniFileTest = test::SettingsFileTest;

TEST_F(IniFileTest, Read_missingFile_givesDefaults) {
    EXPECT_EQ(m_file.ReadString("general", "CalcPath", "calc"), "calc");
    EXPECT_EQ(m_file.ReadInteger("general", "top", 50), 50);
    EXPECT_TRUE(m_file.ReadBool("general", "tipbox", true));
    EXPECT_FALSE(m_file.ReadBool("general", "tray", false));
    EXPECT_FALSE(m_file.ValueExists("general", "top"));
    EXPECT_FALSE(fs::exists(m_path));
}

TEST_F(IniFileTest, Write_missingFile_createsItWithSectionAndKey) {
    m_file.WriteString("general", "AktualCate", "Length");
    EXPECT_EQ(readFile(m_path), "[general]\nAktualCate=Length\n");
    EXPECT_EQ(m_file.ReadString("general", "AktualCate", ""), "Length");
}

TEST_F(IniFileTest, Write_typedValues_roundTrip) {
    m_file.WriteInteger("general", "top", -2147483647 - 1);
    m_file.WriteInteger("general", "left", 2147483647);
    m_file.WriteBool("general", "tray", true);
    m_file.WriteBool("general", "tipbox", false);
    m_file.WriteString("general", "CalcPath", "");
    EXPECT_EQ(m_file.ReadInteger("general", "top", 0), -2147483647 - 1);
    EXPECT_EQ(m_file.ReadInteger("general", "left", 0), 2147483647);
    EXPECT_TRUE(m_file.ReadBool("general", "tray", false));
    EXPECT_FALSE(m_file.ReadBool("general", "tipbox", true));
    EXPECT_EQ(m_file.ReadString("general", "CalcPath", "x"), "");
    EXPECT_EQ(readFile(m_path), "[general]\ntop=-2147483648\nleft=2147483647\ntray=1\ntipbox=0\nCalcPath=\n");
}

TEST_F(IniFileTest, ReadAndWrite_sectionAndKeyCase_isIgnored) {
    writeFile(m_path, "[General]\nReNumber=2\n");
    EXPECT_EQ(m_file.ReadInteger("GENERAL", "renumber", 0), 2);
    m_file.WriteInteger("general", "RENUMBER", 3);
    EXPECT_EQ(readFile(m_path), "[General]\nReNumber=3\n");
}

TEST_F(IniFileTest, Write_existingKey_replacesOnlyThatLine) {
    writeFile(m_path, "; kept comment\r\n[general]\r\ntop=1\r\n  left = 7\r\nnot a setting\r\n\r\n"
                      "[Length]\r\nlist1=05\r\n");
    m_file.WriteInteger("general", "left", 99);
    m_file.WriteString("length", "LIST1", "0A");
    EXPECT_EQ(readFile(m_path),
              "; kept comment\n[general]\ntop=1\n  left =99\nnot a setting\n\n[Length]\nlist1=0A\n");
}

TEST_F(IniFileTest, Write_newKey_goesAfterTheSectionsLastLine) {
    writeFile(m_path, "[general]\ntop=1\n\n[Toolbar971]\nVisible=1\n");
    m_file.WriteInteger("general", "left", 2);
    m_file.WriteString("Toolbar971", "DockedTo", "nil");
    EXPECT_EQ(readFile(m_path), "[general]\ntop=1\nleft=2\n\n[Toolbar971]\nVisible=1\nDockedTo=nil\n");
}

TEST_F(IniFileTest, Write_newSection_isAppendedAfterABlankLine) {
    writeFile(m_path, "[general]\ntop=1");
    m_file.WriteString("Speed", "hodnota", "5");
    EXPECT_EQ(readFile(m_path), "[general]\ntop=1\n\n[Speed]\nhodnota=5\n");
}

TEST_F(IniFileTest, Read_value_isTheTextAfterTheFirstEqualsSign) {
    writeFile(m_path, "[s]\n a =  spaced  \nb=x=y\nc\n=orphan\n");
    EXPECT_EQ(m_file.ReadString("s", "a", "d"), "  spaced  ");
    EXPECT_EQ(m_file.ReadString("s", "b", "d"), "x=y");
    EXPECT_EQ(m_file.ReadString("s", "c", "d"), "d");
}

TEST_F(IniFileTest, Read_longValue_isCutTo1023Characters) {
    const std::string value(2000, 'v');
    m_file.WriteString("general", "CalcPath", value);
    EXPECT_EQ(m_file.ReadString("general", "CalcPath", ""), value.substr(0, 1023));
    m_file.WriteString("general", "CalcPath", value.substr(0, 1023));
    EXPECT_EQ(m_file.ReadString("general", "CalcPath", "").size(), 1023u);
}

TEST_F(IniFileTest, Write_lineBreaksInNames_cannotInjectLines) {
    m_file.WriteString("general", "hodnota", "5\n[general]\r\nReNumber=3");
    m_file.WriteString("evil\n[general", "key", "v");
    EXPECT_EQ(m_file.ReadString("general", "hodnota", ""), "5 [general]  ReNumber=3");
    EXPECT_FALSE(m_file.ValueExists("general", "ReNumber"));
    EXPECT_EQ(m_file.ReadString("evil [general", "key", ""), "v");
}

TEST_F(IniFileTest, Read_duplicateSectionsAndKeys_usesTheFirst) {
    writeFile(m_path, "top=5\n[a]\nk=1\nk=2\n[b]\nk=3\n[A]\nk=4\nj=5\n");
    EXPECT_EQ(m_file.ReadInteger("a", "k", 0), 1);
    EXPECT_FALSE(m_file.ValueExists("a", "j"));
    EXPECT_FALSE(m_file.ValueExists("", "top"));
    m_file.WriteInteger("A", "k", 9);
    EXPECT_EQ(readFile(m_path), "top=5\n[a]\nk=9\nk=2\n[b]\nk=3\n[A]\nk=4\nj=5\n");
}

TEST_F(IniFileTest, ReadAndWrite_bracketsInSectionName_roundTrip) {
    m_file.WriteString("a]b [x]", "list1", "01");
    m_file.WriteString(" general ", "top", "3");
    EXPECT_EQ(m_file.ReadString("a]b [x]", "list1", ""), "01");
    EXPECT_EQ(m_file.ReadInteger("general", "top", 0), 3);
}

TEST_F(IniFileTest, Read_fileChangedByAnotherWriter_seesTheChange) {
    IniFile other(m_path);
    m_file.WriteInteger("general", "top", 1);
    EXPECT_EQ(other.ReadInteger("general", "top", 0), 1);
    other.WriteInteger("general", "top", 2);
    EXPECT_EQ(m_file.ReadInteger("general", "top", 0), 2);
    writeFile(m_path, "[general]\ntop=3\n");
    EXPECT_EQ(m_file.ReadInteger("general", "top", 0), 3);
}

TEST_F(IniFileTest, Write_directoryMissing_throwsUnableToWrite) {
    const std::string path = m_dir.file("missing/mensurio.ini");
    IniFile file(path);
    try {
        file.WriteInteger("general", "top", 1);
        FAIL() << "the write was not refused";
    } catch (const IniFileError &error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
    }
}

TEST_F(IniFileTest, Write_pathIsADirectory_throwsAndLeavesNoTemporaryFile) {
    fs::create_directory(m_path);
    EXPECT_THROW(m_file.WriteInteger("general", "top", 1), IniFileError);
    EXPECT_TRUE(fs::is_directory(m_path));
    EXPECT_EQ(EntriesIn(m_dir.path()), 1u);
    EXPECT_EQ(m_file.ReadInteger("general", "top", 7), 7);
}

TEST_F(IniFileTest, Write_diskRefusesTheBytes_keepsOldContent) {
    const std::string old = "[general]\ntop=1\n";
    writeFile(m_path, old);
    {
        FileSizeLimit limit(64);
        EXPECT_THROW(m_file.WriteString("general", "CalcPath", std::string(200, 'x')), IniFileError);
        m_file.WriteInteger("general", "left", 2); // small enough to pass
    }
    EXPECT_EQ(readFile(m_path), old + "left=2\n");
    EXPECT_EQ(EntriesIn(m_dir.path()), 1u);
}

TEST_F(IniFileTest, Write_throughSymbolicLink_updatesTheTargetAndKeepsTheLink) {
    const std::string target = m_dir.file("real.ini");
    writeFile(target, "[general]\ntop=1\n");
    fs::create_symlink(target, m_path);
    m_file.WriteInteger("general", "top", 2);
    EXPECT_TRUE(fs::is_symlink(m_path));
    EXPECT_EQ(readFile(target), "[general]\ntop=2\n");
}

TEST_F(IniFileTest, Write_existingFile_keepsItsPermissions) {
    writeFile(m_path, "[general]\ntop=1\n");
    ::chmod(m_path.c_str(), 0640);
    m_file.WriteInteger("general", "top", 2);
    struct stat info {};
    ASSERT_EQ(::stat(m_path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(IniFileTest, Write_newFile_getsPermissionsFromTheUmask) {
    const mode_t old = ::umask(027);
    m_file.WriteInteger("general", "top", 1);
    ::umask(old);
    struct stat info {};
    ASSERT_EQ(::stat(m_path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

struct IntegerCase {
    const char *text;
    std::optional<int32_t> expected;
};

class ParseIntegerTable : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ParseIntegerTable, ParseInteger_followsTheReadingRule) {
    EXPECT_EQ(IniFile::ParseInteger(GetParam().text), GetParam().expected) << GetParam().text;
}

const IntegerCase kIntegerCases[] = {
    {"26", 26},
    {"-5", -5},
    {"+7", 7},
    {" 12\t", 12},
    {"00012", 12},
    {"0x1A", 26},
    {"0X1a", 26},
    {"0x00000000001A", 26},
    {"0x80000008", -2147483640},
    {"0xFFFFFFFF", -1},
    {"2147483647", 2147483647},
    {"-2147483648", -2147483647 - 1},
    {"0", 0},
    {"0x", std::nullopt},
    {"0x100000000", std::nullopt},
    {"0x-1", std::nullopt},
    {"0xG", std::nullopt},
    {"-0x1A", std::nullopt},
    {"2147483648", std::nullopt},
    {"-2147483649", std::nullopt},
    {"yes", std::nullopt},
    {"12abc", std::nullopt},
    {"1.5", std::nullopt},
    {"1 2", std::nullopt},
    {"+-1", std::nullopt},
    {"-", std::nullopt},
    {"", std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(Texts, ParseIntegerTable, ::testing::ValuesIn(kIntegerCases));

TEST_F(IniFileTest, ReadBool_storedTexts_nonZeroIsTrueAndMalformedIsDefault) {
    writeFile(m_path, "[general]\ntwo=2\nminus=-1\nzero=0\nyes=yes\nhex=0x10\n");
    for (bool fallback : {false, true}) {
        EXPECT_TRUE(m_file.ReadBool("general", "two", fallback));
        EXPECT_TRUE(m_file.ReadBool("general", "minus", fallback));
        EXPECT_FALSE(m_file.ReadBool("general", "zero", fallback));
        EXPECT_EQ(m_file.ReadBool("general", "yes", fallback), fallback);
        EXPECT_TRUE(m_file.ReadBool("general", "hex", fallback));
    }
}

TEST(RunIgnoringRefusedWrites, RunIgnoringRefusedWrites_refusalOnly_isSwallowed) {
    int steps = 0;
    EXPECT_TRUE(RunIgnoringRefusedWrites([&] { ++steps; }));
    EXPECT_FALSE(RunIgnoringRefusedWrites([&] {
        ++steps;
        throw IniFileError("Unable to write to /x/y.ini");
    }));
    EXPECT_EQ(steps, 2);
    EXPECT_THROW(RunIgnoringRefusedWrites([] { throw std::runtime_error("disk on fire"); }),
                 std::runtime_error);
}

} // namespace
} // namespace mensurio
