// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/DatabaseFile.h"
#include "core/db/UnitDatabase.h"
#include "support/RunProcess.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace mensurio::test {

/// A small units database written for the command-line tests: names shared between
/// categories, names that differ only in letter case, a hidden unit, a hidden category, a
/// Windows-1252 name and one category of each special kind.
inline UnitDatabase CliFixtureDatabase() {
    UnitDatabase db;
    auto add = [&db](const char *category, std::vector<std::pair<const char *, long double>> units) {
        db.AddCategory(category, false);
        for (const auto &[name, factor] : units)
            db.AddUnit(category, name, "", factor, false);
    };
    add("Length", {{"meter", 1.0L},
                   {"foot", 0.3048L},
                   {"inch", 0.0254L},
                   {"yard", 0.9144L},
                   {"mm", 0.001L},
                   {"Mm", 1e6L},
                   {"toise (ancien r\xE9gime)", 1.949036L},
                   {"league (hidden)", 4828.032L}});
    db.SelectCategory("Length");
    for (db.FirstUnit(); db.HasUnit(); db.NextUnit()) {
        if (db.UnitName() == "league (hidden)")
            db.SetUnitHidden(true);
    }
    add("Typography", {{"point", 0.0254L / 72}, {"inch", 0.0254L}, {"pica", 0.0254L / 6}});
    add("Pressure", {{"pascal", 10.0L}, {"atmosphere (atm)", 1013250.0L}, {"bar", 1e6L}});
    add("Temperature", {{"Celsius", 491.67L}, {"Fahrenheit", 459.67L}, {"Kelvin", 0.0L}});
    add("Numbers", {{"decimal", 10.0L}, {"hexadecimal", 16.0L}, {"binary", 2.0L}, {"Roman numerals", 0.0L}});
    add("Fuel Efficiency",
        {{"meter/liter", 1.0L}, {"kilometer/liter", 1000.0L}, {"liter/100 km", 100000.0L}});
    add("Fractions",
        {{"as decimal", 1.0L}, {"as fraction", 0.0L}, {"nearest 1/8", 8.0L}, {"nearest 1/16", 16.0L}});
    add("Empty", {});
    add("Secret", {{"hidden unit", 1.0L}});
    db.SelectCategory("Secret");
    db.SetCategoryHidden(true);
    return db;
}

/// Runs the built mensurio-cli in the "C" locale, on the fixture database unless told otherwise.
class CliTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ::setenv("LC_ALL", "C", 1); }
    void SetUp() override { m_dir.write("fixture.dat", DatabaseFile::ToBytes(CliFixtureDatabase(), "MNSA")); }

    ProcessResult run(const std::vector<std::string> &args) const {
        return runProcess(MENSURIO_CLI, args, m_dir.path());
    }
    ProcessResult runOnFixture(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--db", db()});
        return run(args);
    }
    std::string db() const { return m_dir.file("fixture.dat"); }

    ScratchDir m_dir;
};

/// One command line and what it must print.
struct CliCase {
    const char *name;
    std::vector<std::string> args;
    std::string out;
};

inline std::ostream &operator<<(std::ostream &os, const CliCase &c) {
    return os << c.name;
}

inline std::string CaseName(const ::testing::TestParamInfo<CliCase> &info) {
    return info.param.name;
}

} // namespace mensurio::test
