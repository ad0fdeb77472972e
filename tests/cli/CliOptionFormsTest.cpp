// SPDX-License-Identifier: MIT
// mensurio-cli's options as the option table declares them: the help's entries, both forms of a
// value, and the options that belong to --table.
#include "CliFixture.h"

#include "clishared/CliOptionTable.h"

#include <set>
#include <sstream>

namespace mensurio::test {
namespace {

// The option names of the help's entries: the words that start an entry line ("  -c, --category
// NAME  category") up to the first that is not an option name.
std::set<std::string> HelpEntryNames(const std::string &help) {
    std::set<std::string> names;
    std::istringstream lines(help);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("  -", 0) != 0)
            continue;
        std::istringstream words(line);
        std::string word;
        while (words >> word && word[0] == '-') {
            if (word.back() == ',')
                word.pop_back();
            names.insert(word);
        }
    }
    return names;
}

TEST_F(CliTest, Help_hasAnEntryForEveryOptionOfTheTableAndNoOther) {
    std::set<std::string> expected = {"--"};
    for (const CliOption &option : CliOptionTable()) {
        expected.emplace(option.longName);
        if (!option.shortName.empty())
            expected.emplace(option.shortName);
    }
    for (const char *help : {"--help", "-h"}) {
        const ProcessResult r = run({help});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(HelpEntryNames(r.out), expected) << r.out;
    }
}

// `--opt value` and `--opt=value` are the same command line, for every option that takes a value.
TEST_F(CliTest, Values_followAnEqualsSignAsWellAsASpace) {
    struct FormsCase {
        std::vector<std::string> spaced;
        std::vector<std::string> joined;
    };
    const std::vector<FormsCase> cases = {
        {{"--format", "fixed", "--places", "2", "1", "foot", "--to", "inch"},
         {"--format=fixed", "--places=2", "1", "foot", "--to=inch"}},
        {{"--category", "Length", "--style", "1", "--format", "fixed", "--places", "0", "--to", "foot",
          "--to", "inch", "1.5", "meter"},
         {"--category=Length", "--style=1", "--format=fixed", "--places=0", "--to=foot", "--to=inch", "1.5",
          "meter"}},
        {{"--list-units", "Length"}, {"--list-units=Length"}},
        {{"--find", "me", "--anywhere"}, {"--find=me", "--anywhere"}},
        {{"-c", "Length", "1", "meter", "--all"}, {"--category=Length", "1", "meter", "--all"}},
    };
    for (const FormsCase &c : cases) {
        const ProcessResult spaced = runOnFixture(c.spaced);
        std::vector<std::string> joined = c.joined;
        joined.insert(joined.begin(), "--db=" + db());
        const ProcessResult equals = run(joined);
        EXPECT_EQ(spaced.status, 0) << spaced.err;
        EXPECT_NE(spaced.out, "");
        EXPECT_EQ(equals.status, spaced.status) << equals.err;
        EXPECT_EQ(equals.out, spaced.out) << ::testing::PrintToString(c.joined);
    }
}

TEST_F(CliTest, TableOptions_needTheTableAndTheTableIsAnOptionNotAValue) {
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{"--rows", "all", "5", "meter"},
          std::vector<std::string>{"--paper=vertical", "5", "meter"}}) {
        const ProcessResult r = runOnFixture(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("needs --table"), std::string::npos) << r.err;
    }
    // "--table" as the value of --find is text to find, not a table request.
    const ProcessResult find = runOnFixture({"--find", "--table"});
    EXPECT_EQ(find.status, 0) << find.err;
    EXPECT_EQ(find.err, "");
}

} // namespace
} // namespace mensurio::test
