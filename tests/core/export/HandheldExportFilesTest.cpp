// SPDX-License-Identifier: MIT
// Writing the two files: atomic replacement, and no half-written pair after a failure.
#include "core/export/HandheldExport.h"

#include "core/db/UnitDatabase.h"
#include "core/export/HandheldExportTestSupport.h"
#include "support/FileSizeLimit.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

namespace mensurio::test {
namespace {

class HandheldExportFiles : public ::testing::Test {
  protected:
    // The names file is much larger than the values file, so a size limit can stop it alone.
    UnitDatabase db = DatabaseOf({{"Length",
                                   {{"meter", 1.0L, 1},
                                    {"a unit whose name is as long as a name can be, 50", 2.0L, 2},
                                    {"another unit with a long name, to fill the record", 3.0L, 3}}}});

    std::set<std::string> filesInDir() const {
        std::set<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(dir.path()))
            names.insert(entry.path().filename().string());
        return names;
    }

    void exportTo(const std::string &values, const std::string &names, int number = 2) {
        ExportHandheldDatabases(db, dir.file(values), dir.file(names), number);
    }

    ScratchDir dir;
};

TEST_F(HandheldExportFiles, Export_writesBothImages) {
    dir.write("values.pdb", "earlier values");
    exportTo("values.pdb", "names.pdb", 4321);
    const auto images = HandheldExport::Build(db, 4321);
    EXPECT_EQ(dir.read("values.pdb"), images.values);
    EXPECT_EQ(dir.read("names.pdb"), images.names);
    EXPECT_EQ(filesInDir(), (std::set<std::string>{"names.pdb", "values.pdb"}));
}

TEST_F(HandheldExportFiles, Export_valuesFolderMissing_throwsAndWritesNothing) {
    dir.write("names.pdb", "earlier names");
    try {
        exportTo("missing/values.pdb", "names.pdb");
        FAIL() << "no error";
    } catch (const HandheldExportError &error) {
        EXPECT_NE(std::string(error.what()).find(dir.file("missing/values.pdb")), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("Nothing was exported."), std::string::npos);
    }
    EXPECT_EQ(dir.read("names.pdb"), "earlier names");
    EXPECT_EQ(filesInDir(), (std::set<std::string>{"names.pdb"}));
}

TEST_F(HandheldExportFiles, Export_namesFolderMissing_putsTheEarlierValuesFileBack) {
    dir.write("values.pdb", "earlier values");
    EXPECT_THROW(exportTo("values.pdb", "missing/names.pdb"), HandheldExportError);
    EXPECT_EQ(dir.read("values.pdb"), "earlier values");
    EXPECT_EQ(filesInDir(), (std::set<std::string>{"values.pdb"}));
}

TEST_F(HandheldExportFiles, Export_namesFolderMissing_removesTheNewValuesFile) {
    EXPECT_THROW(exportTo("values.pdb", "missing/names.pdb"), HandheldExportError);
    EXPECT_TRUE(filesInDir().empty());
}

TEST_F(HandheldExportFiles, Export_diskFull_keepsBothEarlierFiles) {
    const auto images = HandheldExport::Build(db, 2);
    struct Case {
        const char *name;
        rlim_t limit;
    };
    // Full before either file, and full only for the larger names file.
    for (const Case &c :
         {Case{"both", 50}, Case{"names only", (images.values.size() + images.names.size()) / 2}}) {
        ASSERT_LT(c.limit, images.names.size());
        dir.write("values.pdb", "earlier values");
        dir.write("names.pdb", "earlier names");
        {
            FileSizeLimit full(c.limit);
            EXPECT_THROW(exportTo("values.pdb", "names.pdb"), HandheldExportError) << c.name;
        }
        EXPECT_EQ(dir.read("values.pdb"), "earlier values") << c.name;
        EXPECT_EQ(dir.read("names.pdb"), "earlier names") << c.name;
        EXPECT_EQ(filesInDir(), (std::set<std::string>{"names.pdb", "values.pdb"})) << c.name;
    }
}

TEST_F(HandheldExportFiles, Export_sameFileTwice_isRefusedAndWritesNothing) {
    EXPECT_THROW(exportTo("pair.pdb", "PAIR.pdb"), HandheldExportError);
    EXPECT_TRUE(filesInDir().empty());
}

TEST_F(HandheldExportFiles, SameFile_comparesIgnoringCaseAndResolvingThePath) {
    std::filesystem::create_directory(dir.file("sub"));
    dir.write("names.pdb", "x");
    std::filesystem::create_symlink(dir.file("names.pdb"), dir.file("link.pdb"));
    struct Case {
        std::string first, second;
        bool same;
    };
    const Case cases[] = {
        {dir.file("names.pdb"), dir.file("NAMES.PDB"), true},
        {dir.file("names.pdb"), dir.file("values.pdb"), false},
        {dir.file("sub/../names.pdb"), dir.file("names.pdb"), true},
        {dir.file("sub/../new.pdb"), dir.file("./New.pdb"), true}, // neither exists yet
        {dir.file("link.pdb"), dir.file("names.pdb"), true},
        {dir.file("sub/names.pdb"), dir.file("names.pdb"), false},
        {"relative-new.pdb", "./relative-new.pdb", true}, // relative, not there yet
        {"relative-new.pdb", "relative-other.pdb", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(HandheldExport::SameFile(c.first, c.second), c.same) << c.first << " " << c.second;
}

} // namespace
} // namespace mensurio::test
