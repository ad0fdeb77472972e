// SPDX-License-Identifier: MIT
#include "tools/makedb/VersionHistory.h"

#include "tools/makedb/CategoryCompiler.h"
#include "tools/makedb/DataSource.h"
#include "tools/makedb/MakeDbCommand.h"
#include "tools/makedb/SourceError.h"
#include "tools/makedb/tests/ScratchFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace mensurio {
namespace {

const std::string Data =
    "category: Length\ndimension: L | 1\nmeter | 1 | | s\nspan | 0.2286 | | s\nmile | 1609.344 | | s\n"
    "category: Pace\ndimension: L^-1 T | 1\nsecond/meter | 1 | | s\n";

std::vector<CompiledCategory> Compiled() {
    DataSource source;
    source.ParseText(Data, "a.txt");
    return CategoryCompiler::CompileAll(source);
}

const std::string Good = "# comment\nversion 1: 2 units, 1 categories\n\nversion 2: 4 units, 2 categories\n"
                         "category: Pace\nunit: Length | span\nreplaced: Length | old mile | mile\n";

struct HistoryFault {
    const char *title;
    std::string text;
    int line;
    const char *message;
};

TEST(VersionHistory, CheckedText_faultsStopAtTheirLine) {
    const std::vector<HistoryFault> faults = {
        {"not a line of the file", "version 1: 4 units, 2 categories\nspan\n", 2, "expected 'version'"},
        {"unknown keyword",
         "version 1: 4 units, 2 categories\nversion 2: 4 units, 2 categories\nunits: Length | span\n", 3,
         "expected 'version'"},
        {"version out of order", "version 2: 4 units, 2 categories\n", 1, "expected version 1"},
        {"malformed totals", "version 1: 4 units\n", 1, "U units, C categories"},
        {"entry before a version", "unit: Length | span\n", 1, "before the first 'version'"},
        {"entry in version 1", "version 1: 4 units, 2 categories\nunit: Length | span\n", 2, "version 1"},
        {"missing name", "version 1: 4 units, 2 categories\nversion 2: 4 units, 2 categories\nunit: Length\n",
         3, "takes 2 name(s)"},
        {"empty name",
         "version 1: 4 units, 2 categories\nversion 2: 4 units, 2 categories\nunit: Length | \n", 3,
         "empty name"},
        {"unknown category",
         "version 1: 4 units, 2 categories\nversion 2: 4 units, 2 categories\ncategory: Speed\n", 3,
         "no category 'Speed'"},
        {"unknown unit",
         "version 1: 4 units, 2 categories\nversion 2: 4 units, 2 categories\nunit: Length | Span\n", 3,
         "no unit 'Span'"},
        {"unit listed twice",
         "version 1: 4 units, 2 categories\nversion 2: 4 units, 2 categories\nunit: Length | span\n"
         "version 3: 4 units, 2 categories\nreplaced: Length | hand | span\n",
         5, "listed twice"},
        {"unit that came with its category",
         "version 1: 4 units, 2 categories\nversion 2: 4 units, 2 categories\ncategory: Pace\nunit: Pace | "
         "second/meter\n",
         4, "came with its category"},
        {"replaced unit still shipped",
         "version 1: 4 units, 2 categories\nversion 2: 4 units, 2 categories\nreplaced: Length | span | "
         "mile\n",
         3, "still in the data"},
        {"a new unit forgotten", "version 1: 3 units, 2 categories\n", 1,
         "the data holds 4 units in 2 categories"},
    };
    for (const HistoryFault &fault : faults) {
        try {
            VersionHistory history;
            history.ParseText(fault.text, "versions.list");
            history.Check(Compiled());
            ADD_FAILURE() << fault.title << ": no error";
        } catch (const SourceError &e) {
            EXPECT_EQ(e.Line(), fault.line) << fault.title << ": " << e.what();
            EXPECT_NE(std::string(e.what()).find(fault.message), std::string::npos)
                << fault.title << ": " << e.what();
        }
    }
}

TEST(VersionHistory, Cpp_listsTheEntriesWithTheirVersions) {
    VersionHistory history;
    history.ParseText(Good, "versions.list");
    history.Check(Compiled());
    EXPECT_EQ(history.Newest(), 2);
    const std::string cpp = history.Cpp();
    EXPECT_NE(cpp.find("int BuiltinDataVersion() { return 2; }"), std::string::npos) << cpp;
    EXPECT_NE(cpp.find("{\"Pace\", \"\", \"\", 2},"), std::string::npos) << cpp;
    EXPECT_NE(cpp.find("{\"Length\", \"span\", \"\", 2},"), std::string::npos) << cpp;
    EXPECT_NE(cpp.find("{\"Length\", \"mile\", \"old mile\", 2},"), std::string::npos) << cpp;
    const std::string empty = VersionHistory().Cpp();
    EXPECT_NE(empty.find("int BuiltinDataVersion() { return 1; }"), std::string::npos) << empty;
    EXPECT_NE(empty.find("BuiltinHistory() { return {}; }"), std::string::npos) << empty;
}

TEST(VersionHistory, Run_aliasesWithHistory_writesBothTablesAndRefusesAStaleHistory) {
    ScratchFolder folder;
    const std::string input = folder.Write("10-a.txt", Data);
    const std::string versions = folder.Write("versions.list", Good);
    std::ostringstream err;
    ASSERT_EQ(MakeDbCommand::Run({"--aliases", folder.Path("out.cpp"), "--history", versions, input}, err), 0)
        << err.str();
    std::ifstream in(folder.Path("out.cpp"));
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("#include \"core/db/BuiltinHistory.h\""), std::string::npos);
    EXPECT_NE(text.str().find("{\"Length\", \"mile\", \"old mile\", 2},"), std::string::npos);
    EXPECT_EQ(folder.Write("versions.list", "version 1: 3 units, 2 categories\n"), versions);
    EXPECT_EQ(MakeDbCommand::Run({"--aliases", folder.Path("out.cpp"), "--history", versions, input}, err),
              1);
    EXPECT_NE(err.str().find("versions.list:1:"), std::string::npos) << err.str();
    EXPECT_EQ(MakeDbCommand::Run({"--aliases", folder.Path("out.cpp"), "--history", versions}, err), 2);
}

} // namespace
} // namespace mensurio
