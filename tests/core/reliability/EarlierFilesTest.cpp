// SPDX-License-Identifier: MIT
// A settings file and a units database written by an earlier build of the program, before its
// classes and controls got their present names (tests/data/earlier, whose README says how they
// were made). Nothing the user saved may change with a name in the code: both files read as
// they were written and write back byte for byte.
#include "core/db/DatabaseFile.h"
#include "core/db/UnitDatabase.h"
#include "core/settings/ConversionMemory.h"
#include "core/settings/DataVersionSetting.h"
#include "core/settings/FontSettings.h"
#include "core/settings/IniFile.h"
#include "core/settings/ProgramSettings.h"
#include "core/settings/ToolbarPlacement.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace mensurio {
namespace {

const std::string kEarlier = MENSURIO_SOURCE_DIR "/tests/data/earlier/";
const char *const kCategories[] = {"Length", "Temperature", "Game money"};

// The key=value lines of one section, in file order.
std::vector<std::string> SectionLines(const std::string &content, const std::string &section) {
    std::vector<std::string> lines;
    std::istringstream in(content);
    bool inside = false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.front() == '[')
            inside = line == "[" + section + "]";
        else if (inside && !line.empty())
            lines.push_back(line);
    }
    return lines;
}

// Reads the file as the window does at its start and writes it as the window does when it closes,
// in one batch of writes.
void ReadAndWriteBack(IniFile &from, IniFile &to) {
    IniWriteBatch batch(to);
    WriteSettings(to, ReadSettings(from));
    WriteDataVersion(to, ReadDataVersion(from));
    for (const char *prefix : {kFieldFontPrefix, kTabFontPrefix}) {
        FontSpec font;
        font.ReadFromIni(from, prefix);
        font.SaveToIni(to, prefix);
    }
    for (const char *category : kCategories)
        WriteConversionMemory(to, category, ReadConversionMemory(from, category));
    std::vector<ToolbarPlacement> current(2);
    current[0].name = kToolbarSection;
    current[1].name = kRecordbarSection;
    SaveToolbarPositions(to, LoadToolbarPositions(from, current));
    batch.Commit();
}

TEST(EarlierUnitsFile, readsEveryCategoryUnitAndFlag) {
    UnitDatabase db;
    DatabaseFile::LoadFromPath(db, kEarlier + "units.dat");
    const struct {
        const char *category;
        const char *unit;
        int custom;
        int hidden;
        long double factor;
    } expected[] = {
        {"Length", "meter", 0, 0, 1.0L},
        {"Length", "micrometer (\xB5m)", 0, 0, 1e-6L}, // a Windows-1252 byte
        {"Length", "league", 0, 1, 4828.032L},
        {"Length", "furlong", 1, 0, 201.168L},
        {"Temperature", "Rankine", 0, 0, 0.0L},
        {"Secret", "thing", 0, 0, 1.0L},
        {"Game money", "silver", 1, 0, 0.1L},
    };
    for (const auto &e : expected) {
        const UnitRecord *found = nullptr;
        for (const CategoryRecord &category : db.Categories())
            for (const UnitRecord &unit : category.Units)
                if (category.Name == e.category && unit.Name == e.unit)
                    found = &unit;
        ASSERT_NE(found, nullptr) << e.category << " / " << e.unit;
        EXPECT_EQ(found->Custom, e.custom) << e.unit;
        EXPECT_EQ(found->Hidden, e.hidden) << e.unit;
        EXPECT_EQ(found->Factor, e.factor) << e.unit;
    }
    std::vector<std::string> names;
    for (const CategoryRecord &category : db.Categories())
        names.push_back(category.Name + (category.Custom ? " (custom)" : "") +
                        (category.Hidden ? " (hidden)" : ""));
    EXPECT_EQ(names, (std::vector<std::string>{"Length", "Pressure", "Temperature", "Secret (hidden)",
                                               "Game money (custom)"}));
}

TEST(EarlierUnitsFile, writesBackByteForByte) {
    UnitDatabase db;
    DatabaseFile::LoadFromPath(db, kEarlier + "units.dat");
    std::ostringstream out;
    DatabaseFile::SaveToFile(db, out);
    EXPECT_EQ(out.str(), test::readFile(kEarlier + "units.dat"));
}

// Written back over itself, as the window does at every close: not a byte changes.
TEST(EarlierSettingsFile, writesBackOverItselfByteForByte) {
    const std::string earlier = test::readFile(kEarlier + "mensurio.ini");
    ASSERT_FALSE(earlier.empty());
    test::ScratchDir dir;
    test::writeFile(dir.file("mensurio.ini"), earlier);
    IniFile file(dir.file("mensurio.ini"));
    ReadAndWriteBack(file, file);
    EXPECT_EQ(test::readFile(dir.file("mensurio.ini")), earlier);
}

// Written into an empty file, every value lands under the key it came from: a setting read from
// one key and written under another would show here (the in-place write above would only add it).
TEST(EarlierSettingsFile, everyValueIsReadFromAndWrittenToItsOwnKey) {
    const std::string earlier = test::readFile(kEarlier + "mensurio.ini");
    test::ScratchDir dir;
    test::writeFile(dir.file("earlier.ini"), earlier);
    IniFile from(dir.file("earlier.ini"));
    IniFile fresh(dir.file("fresh.ini"));
    ReadAndWriteBack(from, fresh);
    const std::string written = test::readFile(dir.file("fresh.ini"));
    for (const char *section :
         {"general", "Length", "Temperature", "Game money", "Toolbar971", "Toolbar972"}) {
        std::vector<std::string> before = SectionLines(earlier, section);
        std::vector<std::string> after = SectionLines(written, section);
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        EXPECT_FALSE(before.empty()) << section;
        EXPECT_EQ(after, before) << "[" << section << "]";
    }
}

} // namespace
} // namespace mensurio
