// SPDX-License-Identifier: MIT
// A settings file far larger than any real one is taken as damaged and never read whole.
#include "core/settings/IniFile.h"

#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

namespace mensurio {
namespace {

namespace fs = std::filesystem;
using test::ScratchDir;

struct SizeCase {
    const char *name;
    std::uintmax_t size;
    bool tooLarge;
};

const SizeCase kSizes[] = {
    {"TenMegabytes", 10u * 1024u * 1024u, false},
    {"AtTheLimit", IniFile::kMaxFileSize, false},
    {"OneByteOver", IniFile::kMaxFileSize + 1, true},
    {"TwoGigabytes", 2048u * 1024u * 1024u, true},
};

class IniFileSizeTest : public ::testing::TestWithParam<SizeCase> {
  protected:
    // A real settings section, then zeros (a sparse file, so large sizes cost no disk).
    void SetUp() override {
        m_dir.write("mensurio.ini", "[general]\ntop=7\n");
        fs::resize_file(m_path, GetParam().size);
    }
    ScratchDir m_dir;
    std::string m_path = m_dir.file("mensurio.ini");
};

TEST_P(IniFileSizeTest, ReadingRefusesOnlyFilesAboveTheLimit) {
    IniFile file(m_path);
    EXPECT_EQ(file.ReadInteger("general", "top", 50), GetParam().tooLarge ? 50 : 7);
    if (GetParam().tooLarge) {
        EXPECT_THROW(file.WriteInteger("general", "left", 3), IniFileError);
        EXPECT_EQ(fs::file_size(m_path), GetParam().size);
    }
}

TEST_P(IniFileSizeTest, CheckKeepsATooLargeFileAside_andDefaultsFollow) {
    const std::string message = IniFile::CheckBeforeReading(m_path);
    if (!GetParam().tooLarge) {
        EXPECT_EQ(message, "");
        EXPECT_EQ(fs::file_size(m_path), GetParam().size);
        return;
    }
    EXPECT_EQ(message, "The settings file " + m_path +
                           " is larger than 16 MB and is taken as damaged. It was kept as " + m_path +
                           ".too-large; default settings are used.");
    EXPECT_FALSE(fs::exists(m_path));
    EXPECT_EQ(fs::file_size(m_path + ".too-large"), GetParam().size);
    IniFile file(m_path);
    EXPECT_EQ(file.ReadInteger("general", "top", 50), 50);
    file.WriteInteger("general", "top", 9);
    EXPECT_EQ(m_dir.read("mensurio.ini"), "[general]\ntop=9\n");
    EXPECT_EQ(IniFile::CheckBeforeReading(m_path), ""); // told once: the new file is fine
}

INSTANTIATE_TEST_SUITE_P(Sizes, IniFileSizeTest, ::testing::ValuesIn(kSizes),
                         [](const ::testing::TestParamInfo<SizeCase> &info) {
                             return std::string(info.param.name);
                         });

TEST(IniFileSizeNames, AnEarlierKeptFileIsNeverReplaced) {
    ScratchDir dir;
    const std::string path = dir.file("mensurio.ini");
    dir.write("mensurio.ini.too-large", "earlier");
    fs::resize_file(dir.file("mensurio.ini.too-large"), 1); // any size: only the name matters
    dir.write("mensurio.ini", "");
    fs::resize_file(path, IniFile::kMaxFileSize + 1);
    EXPECT_EQ(IniFile::TooLargePathFor(path), path + ".too-large2");
    EXPECT_NE(IniFile::CheckBeforeReading(path).find("kept as " + path + ".too-large2;"), std::string::npos);
    EXPECT_EQ(dir.read("mensurio.ini.too-large"), "e");
    EXPECT_EQ(fs::file_size(path + ".too-large2"), IniFile::kMaxFileSize + 1);
}

} // namespace
} // namespace mensurio
