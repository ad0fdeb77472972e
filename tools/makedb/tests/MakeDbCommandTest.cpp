// SPDX-License-Identifier: MIT
// The generator as the build runs it: arguments, exit codes, messages and outputs.
#include "tools/makedb/MakeDbCommand.h"

#include "core/db/DatabaseFile.h"
#include "core/db/UnitDatabase.h"
#include "tools/makedb/tests/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <vector>

namespace mensurio {
namespace {

std::string ReadAll(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const std::string GoodData =
    "symbol source: SI Brochure; NIST HB44\n"
    "category: Length\ndimension: L | 1\nmeter | 1 | | s | m\nfoot | 0.3048 | | s | ft | feet\n"
    "yard | 3 | foot | s\n"
    "category: Temperature\ndimension: none\nKelvin | 0 | | s | K\nCelsius | 491.67 | | s | | \n";

TEST(MakeDbCommand, Run_goodData_writesFreshDatabaseThatReadsBack) {
    ScratchFolder folder;
    const std::string input = folder.Write("10-a.txt", GoodData);
    std::ostringstream err;
    ASSERT_EQ(MakeDbCommand::Run({folder.Path("out.dat"), input}, err), 0) << err.str();
    EXPECT_EQ(ReadAll(folder.Path("out.dat")).substr(0, 4), "MNS0");
    EXPECT_FALSE(std::filesystem::exists(folder.Path("out.dat.tmp")));

    UnitDatabase db;
    EXPECT_EQ(DatabaseFile::LoadFromPath(db, folder.Path("out.dat")), 7);
    ASSERT_EQ(db.Categories().size(), 2u);
    const CategoryRecord &length = db.Categories()[0];
    EXPECT_EQ(length.Name, "Length");
    ASSERT_EQ(length.Units.size(), 3u);
    EXPECT_EQ(length.Units[2].Name, "yard");
    EXPECT_EQ(length.Units[2].Factor, 0.9144L);
    EXPECT_EQ(length.Units[2].OriginUnit, "foot");
    EXPECT_EQ(length.Units[2].DefaultOrder, 3);
    EXPECT_EQ(db.Categories()[1].Units[1].Factor, 491.67L);
}

TEST(MakeDbCommand, Run_faultyData_failsAndKeepsThePreviousOutput) {
    ScratchFolder folder;
    const std::string good = folder.Write("10-a.txt", GoodData);
    const std::string bad = folder.Write("20-b.txt", "category: B\nx | 1 | y | s\n");
    const std::string output = folder.Write("out.dat", "previous");
    std::ostringstream err;
    EXPECT_EQ(MakeDbCommand::Run({output, good, bad}, err), 1);
    EXPECT_EQ(err.str(), bad + ":2: unknown reference 'y'\n");
    EXPECT_EQ(ReadAll(output), "previous");
}

TEST(MakeDbCommand, Run_summary_listsCategoriesWithUnitCounts) {
    ScratchFolder folder;
    const std::string input = folder.Write("10-a.txt", GoodData);
    std::ostringstream err;
    ASSERT_EQ(MakeDbCommand::Run({"--summary", folder.Path("units.md"), input}, err), 0) << err.str();
    const std::string text = ReadAll(folder.Path("units.md"));
    EXPECT_NE(text.find("2 categories, 5 units, 3 of them with a symbol."), std::string::npos) << text;
    EXPECT_NE(text.find("| Length | 3 | meter | 2 | L | 1 |"), std::string::npos) << text;
    EXPECT_NE(text.find("| Temperature | 2 | Kelvin | 1 | none |  |"), std::string::npos) << text;
}

TEST(MakeDbCommand, Run_aliases_writesTheTableOfSymbolsAndSpellings) {
    ScratchFolder folder;
    const std::string input = folder.Write("10-a.txt", GoodData);
    std::ostringstream err;
    ASSERT_EQ(MakeDbCommand::Run({"--aliases", folder.Path("aliases.cpp"), input}, err), 0) << err.str();
    const std::string text = ReadAll(folder.Path("aliases.cpp"));
    EXPECT_NE(text.find("#include \"core/engine/BuiltinAliases.h\""), std::string::npos) << text;
    EXPECT_NE(text.find("{\"Length\", \"foot\", \"ft\", \"feet\", \"ft\"},"), std::string::npos) << text;
    EXPECT_NE(text.find("{\"Temperature\", \"Kelvin\", \"K\", \"\", \"K\"},"), std::string::npos) << text;
    EXPECT_EQ(text.find("Celsius"), std::string::npos) << text; // neither symbols nor spellings
}

TEST(MakeDbCommand, Run_dimensions_writesOneEntryPerProportionalCategory) {
    ScratchFolder folder;
    const std::string input = folder.Write(
        "10-a.txt", GoodData + "category: Cooking Volume\ndimension: L^3 | 1e-6\nmilliliter | 1 | | s\n"
                               "category: Volume\ndimension: L^3 | 1 | preferred\nliter | 1 | | s\n");
    std::ostringstream err;
    ASSERT_EQ(MakeDbCommand::Run({"--dimensions", folder.Path("dimensions.cpp"), input}, err), 0)
        << err.str();
    const std::string text = ReadAll(folder.Path("dimensions.cpp"));
    EXPECT_NE(text.find("#include \"core/engine/BuiltinDimensions.h\""), std::string::npos) << text;
    EXPECT_NE(
        text.find(
            "Entries[3] = {\n"
            "    {\"Length\", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0x1p0L, true},\n"
            "    {\"Cooking Volume\", {3, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0x1.0c6f7a0b5ed8d36cp-20L, false},\n"
            "    {\"Volume\", {3, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0x1p0L, true},\n};"),
        std::string::npos)
        << text;
    EXPECT_EQ(text.find("Temperature"), std::string::npos) << text; // dimension none
}

TEST(MakeDbCommand, Run_missingDimension_failsForEveryOutput) {
    ScratchFolder folder;
    const std::string input = folder.Write("10-a.txt", "category: A\nx | 1 | | s\n");
    for (const std::string option : {"", "--summary", "--aliases", "--dimensions"}) {
        std::vector<std::string> args = {folder.Path("out"), input};
        if (!option.empty())
            args.insert(args.begin(), option);
        std::ostringstream err;
        EXPECT_EQ(MakeDbCommand::Run(args, err), 1) << option;
        EXPECT_EQ(err.str(),
                  input + ":1: category 'A' has no 'dimension:' line; write one before its units\n")
            << option;
        EXPECT_FALSE(std::filesystem::exists(folder.Path("out"))) << option;
    }
}

TEST(MakeDbCommand, Run_missingArguments_isAUsageError) {
    std::ostringstream err;
    EXPECT_EQ(MakeDbCommand::Run({}, err), 2);
    EXPECT_EQ(MakeDbCommand::Run({"out.dat"}, err), 2);
    EXPECT_EQ(MakeDbCommand::Run({"--summary", "units.md"}, err), 2);
    EXPECT_EQ(MakeDbCommand::Run({"--aliases", "aliases.cpp"}, err), 2);
    EXPECT_EQ(MakeDbCommand::Run({"--dimensions", "dimensions.cpp"}, err), 2);
    EXPECT_EQ(MakeDbCommand::Run({"--bogus", "out.dat", "in.txt"}, err), 2);
    EXPECT_NE(err.str().find("usage:"), std::string::npos);
}

TEST(MakeDbCommand, Executable_faultyData_exitsNonZeroWithFileAndLine) {
    ScratchFolder folder;
    const std::string bad = folder.Write("a.txt", "category: A\nx | 1 | | s\nX | 2 | | s\n");
    const std::string command = std::string("'") + MENSURIO_MAKEDB + "' '" + folder.Path("out.dat") + "' '" +
                                bad + "' 2> '" + folder.Path("err.txt") + "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(ReadAll(folder.Path("err.txt")), bad + ":3: duplicate unit name 'X' in category 'A'\n");
    EXPECT_FALSE(std::filesystem::exists(folder.Path("out.dat")));
}

} // namespace
} // namespace mensurio
