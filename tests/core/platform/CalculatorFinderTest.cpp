// SPDX-License-Identifier: MIT
#include "core/platform/CalculatorFinder.h"

#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <set>
#include <string>
#include <vector>

namespace mensurio {
namespace {

// A search over a fake file system that holds exactly the given executables.
CalculatorFinder FakeFinder(std::string path, std::set<std::string> executables,
                            std::vector<std::string> *looked = nullptr) {
    return CalculatorFinder(std::move(path), [executables, looked](const std::string &candidate) {
        if (looked)
            looked->push_back(candidate);
        return executables.count(candidate) > 0;
    });
}

TEST(CalculatorFinder, findOnPath_takesTheFirstDirectoryAndSkipsEmptyEntries) {
    std::vector<std::string> looked;
    const CalculatorFinder finder =
        FakeFinder("/a::/b/:/c:", {"/b/kcalc", "/c/kcalc", "kcalc", "/kcalc"}, &looked);
    EXPECT_EQ(finder.FindOnPath("kcalc"), "/b/kcalc");
    EXPECT_EQ(looked, (std::vector<std::string>{"/a/kcalc", "/b/kcalc"}));
    EXPECT_EQ(finder.FindOnPath("xcalc"), std::nullopt);
    EXPECT_EQ(finder.FindOnPath(""), std::nullopt);
    EXPECT_EQ(finder.FindOnPath("../kcalc"), std::nullopt); // names with a folder are not searched
}

TEST(CalculatorFinder, emptyPath_findsNothing) {
    std::vector<std::string> looked;
    const CalculatorFinder finder = FakeFinder("", {"kcalc", "/kcalc"}, &looked);
    EXPECT_EQ(finder.DesktopCalculator(), std::nullopt);
    EXPECT_TRUE(looked.empty());
}

TEST(CalculatorFinder, desktopCalculator_preferenceOrderWinsOverPathOrder) {
    const CalculatorFinder finder =
        FakeFinder("/usr/bin:/opt/bin", {"/usr/bin/xcalc", "/usr/bin/qalculate-gtk", "/opt/bin/galculator"});
    EXPECT_EQ(finder.DesktopCalculator(), "/opt/bin/galculator");
}

TEST(CalculatorFinder, programToStart_choosesByDesktopSettingAndCalcPath) {
    const struct {
        const char *what;
        bool useDesktop;
        bool desktopInstalled;
        const char *calcPath;
        std::optional<std::string> program;
    } cases[] = {
        {"desktop calculator", true, true, "/opt/mycalc", "/usr/bin/mate-calc"},
        {"none installed, falls back to CalcPath", true, false, "/opt/mycalc", "/opt/mycalc"},
        {"none installed, no CalcPath", true, false, "", std::nullopt},
        {"other program", false, true, "/opt/mycalc", "/opt/mycalc"},
        {"other program by name", false, true, "speedcrunch", "speedcrunch"},
        {"other program not named", false, true, "", std::nullopt},
        {"other program only blanks", false, true, "  ", std::nullopt},
    };
    for (const auto &c : cases) {
        std::set<std::string> installed;
        if (c.desktopInstalled)
            installed.insert("/usr/bin/mate-calc");
        EXPECT_EQ(FakeFinder("/usr/bin", installed).ProgramToStart(c.useDesktop, c.calcPath), c.program)
            << c.what;
    }
}

TEST(CalculatorFinder, isExecutableFile_onlyRegularFilesWithExecuteBit) {
    const test::ScratchDir dir;
    dir.write("tool", "#!/bin/sh\n");
    ::chmod(dir.file("tool").c_str(), 0755);
    dir.write("text", "plain");
    ::chmod(dir.file("text").c_str(), 0644);
    EXPECT_TRUE(CalculatorFinder::IsExecutableFile(dir.file("tool")));
    EXPECT_FALSE(CalculatorFinder::IsExecutableFile(dir.file("text")));
    EXPECT_FALSE(CalculatorFinder::IsExecutableFile(dir.path())); // a folder
    EXPECT_FALSE(CalculatorFinder::IsExecutableFile(dir.file("missing")));

    dir.write("kcalc", "#!/bin/sh\n");
    ::chmod(dir.file("kcalc").c_str(), 0755);
    const CalculatorFinder finder("/nonexistent-folder:" + dir.path(), &CalculatorFinder::IsExecutableFile);
    EXPECT_EQ(finder.DesktopCalculator(), dir.file("kcalc"));
}

} // namespace
} // namespace mensurio
