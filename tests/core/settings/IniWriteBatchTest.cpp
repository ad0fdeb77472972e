// SPDX-License-Identifier: MIT
// Writes gathered into one replace of the settings file must leave exactly the bytes the same
// writes leave when each one goes to the disk on its own.
#include "core/db/UnitDatabase.h"
#include "core/settings/ConversionMemory.h"
#include "core/settings/FontSettings.h"
#include "core/settings/IniFile.h"
#include "core/settings/ProgramSettings.h"
#include "core/settings/ToolbarPlacement.h"

#include "support/FileSizeLimit.h"
#include "support/ScratchDir.h"
#include "support/SettingsFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace mensurio {
namespace {

namespace fs = std::filesystem;
using test::EveryFieldChanged;
using test::FileSizeLimit;
using test::readFile;
using test::ScratchDir;
using test::writeFile;

std::vector<ToolbarPlacement> Placements() {
    ToolbarPlacement floating{"Toolbar971", true, ToolbarDock::Floating, 0, 0, 10, 20, 300, 60, 5};
    ToolbarPlacement docked{"Toolbar972", false, ToolbarDock::Left, 1, 24, 0, 0, 0, 0, 0};
    return {floating, docked};
}

FontSpec Font() {
    FontSpec font;
    font.SetName("DejaVu Sans");
    font.SetSize(10);
    font.SetBold(true);
    return font;
}

// Everything the window writes in one run: a category's memory, a font (the Preferences
// dialog), the settings and the toolbar placement at exit.
void WriteSession(IniFile &file) {
    WriteConversionMemory(file, "Length", {{"foot", "", "0,3"}, "5 foot + 3 inch"});
    WriteConversionMemory(file, "Temperature", {{"Celsius", "Kelvin", ""}, "20"});
    Font().SaveToIni(file, "f1");
    WriteSettings(file, EveryFieldChanged());
    SaveToolbarPositions(file, Placements());
}

struct StartingFile {
    const char *name;
    std::optional<std::string> content; // nothing: no file yet
};

std::ostream &operator<<(std::ostream &os, const StartingFile &c) {
    return os << c.name;
}

const StartingFile kStartingFiles[] = {
    {"missing", std::nullopt},
    {"empty", ""},
    {"writtenBefore", "[Toolbar971]\nVisible=1\n\n[Toolbar972]\nVisible=1\n\n[general]\nGeDiCate=1\ntop=5\n"},
    {"windowsLineEnds", "[general]\r\nleft=3\r\nCalcPath=old\r\n\r\n[Length]\r\nlist1=meter\r\n"},
    {"noLastLineBreak", "[general]\nleft=3"},
    {"oddLines",
     "; a comment\n[GENERAL]\n  TOP = 9 \nnot a key\n\n\n[Length]\nhodnota=1\r\r\n[general]\ntop=1\n[x\n"},
    {"othersSectionsFirst", "[Temperature]\nlist1=Kelvin\n\n[Toolbar972]\nDockedTo=nil\nFloatRightX=8\n"},
};

class IniWriteBatchSameBytes : public ::testing::TestWithParam<StartingFile> {
  protected:
    ScratchDir m_dir;
};

TEST_P(IniWriteBatchSameBytes, Batch_leavesTheBytesOfKeyByKeyWrites) {
    const std::string oneByOne = m_dir.file("one.ini");
    const std::string gathered = m_dir.file("all.ini");
    if (GetParam().content) {
        writeFile(oneByOne, *GetParam().content);
        writeFile(gathered, *GetParam().content);
    }
    IniFile single(oneByOne);
    WriteSession(single);

    IniFile batched(gathered);
    IniWriteBatch batch(batched);
    WriteSession(batched);
    EXPECT_EQ(batched.ReadString("general", "AktualCate", ""), "Fuel Efficiency"); // reads see the writes
    batch.Commit();

    EXPECT_EQ(readFile(gathered), readFile(oneByOne));
}

INSTANTIATE_TEST_SUITE_P(Files, IniWriteBatchSameBytes, ::testing::ValuesIn(kStartingFiles),
                         [](const auto &info) { return std::string(info.param.name); });

using IniWriteBatchTest = test::SettingsFileTest;

TEST_F(IniWriteBatchTest, Batch_nothingReachesTheDiskBeforeCommit) {
    writeFile(m_path, "[general]\ntop=1\n");
    IniWriteBatch batch(m_file);
    m_file.WriteInteger("general", "top", 2);
    EXPECT_EQ(readFile(m_path), "[general]\ntop=1\n");
    batch.Commit();
    EXPECT_EQ(readFile(m_path), "[general]\ntop=2\n");
    EXPECT_FALSE(m_file.GatheringWrites());
}

TEST_F(IniWriteBatchTest, Batch_leftWithoutCommit_dropsTheWrites) {
    {
        IniWriteBatch batch(m_file);
        m_file.WriteInteger("general", "top", 2);
    }
    EXPECT_FALSE(fs::exists(m_path));
    m_file.WriteInteger("general", "top", 3); // writes go straight to the disk again
    EXPECT_EQ(readFile(m_path), "[general]\ntop=3\n");
}

TEST_F(IniWriteBatchTest, Batch_withoutWrites_doesNotCreateTheFile) {
    IniWriteBatch batch(m_file);
    batch.Commit();
    EXPECT_FALSE(fs::exists(m_path));
}

// Reading through a batch reads the file once: a change made by another writer meanwhile is
// not seen, and reads give what reading the file key by key gives.
TEST_F(IniWriteBatchTest, Batch_readsFromOneReadingOfTheFile) {
    writeFile(m_path, "[general]\r\nReNumber=2\ntop=0x1A\nCalcPath= a=b \n");
    const ProgramSettings keyByKey = ReadSettings(m_file);
    IniWriteBatch batch(m_file);
    writeFile(m_path, "[general]\nReNumber=3\n");
    EXPECT_EQ(ReadSettings(m_file), keyByKey);
    EXPECT_EQ(keyByKey.ReNumber, ResultFormat::Fixed);
    EXPECT_EQ(keyByKey.top, 26);
    EXPECT_EQ(keyByKey.CalcPath, " a=b ");
}

TEST_F(IniWriteBatchTest, InnerBatch_leavesTheWritingToTheOuterOne) {
    IniWriteBatch outer(m_file);
    {
        IniWriteBatch inner(m_file);
        m_file.WriteInteger("general", "top", 2);
        inner.Commit();
    }
    EXPECT_FALSE(fs::exists(m_path));
    m_file.WriteInteger("general", "left", 3);
    outer.Commit();
    EXPECT_EQ(readFile(m_path), "[general]\ntop=2\nleft=3\n");
}

// A refused replace leaves the whole old file: none of the gathered keys, nothing damaged,
// and the refusal is the one the exit sequence ignores.
TEST_F(IniWriteBatchTest, Commit_diskRefusesTheBytes_keepsTheOldFileWhole) {
    const std::string old = "[general]\ntop=1\n";
    writeFile(m_path, old);
    IniWriteBatch batch(m_file);
    EXPECT_TRUE(WriteSettings(m_file, EveryFieldChanged()));
    {
        FileSizeLimit limit(64);
        EXPECT_FALSE(RunIgnoringRefusedWrites([&] { batch.Commit(); }));
    }
    EXPECT_EQ(readFile(m_path), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir.path()), fs::directory_iterator()), 1);
}

TEST_F(IniWriteBatchTest, Commit_directoryMissing_throwsUnableToWrite) {
    const std::string path = m_dir.file("missing/mensurio.ini");
    IniFile file(path);
    IniWriteBatch batch(file);
    file.WriteInteger("general", "top", 1);
    try {
        batch.Commit();
        FAIL() << "the write was not refused";
    } catch (const IniFileError &error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
    }
}

// An existing file that cannot be read refuses the first write at once, as without a batch,
// so the settings writer stops there and the file is never replaced by a partial one.
TEST_F(IniWriteBatchTest, Batch_unreadableFile_refusesTheFirstWrite) {
    fs::create_directory(m_path);
    IniWriteBatch batch(m_file);
    EXPECT_FALSE(WriteSettings(m_file, EveryFieldChanged()));
    EXPECT_NO_THROW(batch.Commit());
    EXPECT_TRUE(fs::is_directory(m_path));
}

TEST_F(IniWriteBatchTest, ClearAllCategoryMemory_writesEveryCategoryAsOneByOne) {
    UnitDatabase db;
    for (const char *name : {"Length", "Temperature", "Mass"})
        db.AddCategory(name, false);
    const std::string start =
        "[Length]\nlist1=foot\nlist2=meter\nlist2m=0\nhodnota=5\n\n[Temperature]\nlist1=K\n";
    writeFile(m_path, start);
    ClearAllCategoryMemory(m_file, db);

    const std::string expected = m_dir.file("expected.ini");
    writeFile(expected, start);
    IniFile single(expected);
    for (const CategoryRecord &category : db.Categories())
        ClearCategoryMemory(single, category.Name);
    EXPECT_EQ(readFile(m_path), readFile(expected));
    EXPECT_FALSE(m_file.GatheringWrites());
}

} // namespace
} // namespace mensurio
