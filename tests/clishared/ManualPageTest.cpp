// SPDX-License-Identifier: MIT
// The manual pages name the options the option table has, and no others.
#include "clishared/CliOptionTable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace mensurio {
namespace {

using Names = std::set<std::string>;

// Every option name the page mentions, as a reader sees it: "\-" is a minus sign, font changes
// ("\fB") are invisible. A minus sign inside a word ("mensurio-cli", "right-up"), before a digit
// ("-40") and "--" on its own are not option names.
Names NamesOnPage(const std::string &file) {
    std::ifstream in(std::string(MENSURIO_SOURCE_DIR) + "/packaging/man/" + file);
    EXPECT_TRUE(in) << file;
    std::ostringstream source;
    source << in.rdbuf();
    std::string text = std::regex_replace(source.str(), std::regex(R"(\\f[BIRP])"), "");
    text = std::regex_replace(text, std::regex(R"(\\-)"), "-");
    Names names;
    const std::regex option(R"((?:^|[^A-Za-z0-9_-])(--?[A-Za-z][A-Za-z0-9-]*))");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option); it != std::sregex_iterator(); ++it)
        names.insert((*it)[1]);
    return names;
}

Names TableNames(bool tableOnly) {
    Names names;
    for (const CliOption &option : CliOptionTable()) {
        if (tableOnly && option.command == CliCommand::Convert)
            continue;
        names.emplace(option.longName);
        if (!option.shortName.empty())
            names.emplace(option.shortName);
    }
    return names;
}

TEST(ManualPage, MensurioCliNamesEveryOptionAndNoOther) {
    EXPECT_EQ(NamesOnPage("mensurio-cli.1"), TableNames(false));
}

// mensurio-table reads the options of --table, the database and the category.
TEST(ManualPage, MensurioTableNamesItsOptionsAndNoOther) {
    EXPECT_EQ(NamesOnPage("mensurio-table.1"), TableNames(true));
}

} // namespace
} // namespace mensurio
