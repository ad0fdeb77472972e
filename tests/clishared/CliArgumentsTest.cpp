// SPDX-License-Identifier: MIT
// Reading a command line against the option table, and the table itself.
#include "clishared/CliArguments.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace mensurio {
namespace {

// The arguments read, one a line: "--long[value]number" for an option (the number only for
// choices and numbers), "'text'" for an operand; or "error: ..." for a usage error.
std::string Read(const std::vector<std::string> &args) {
    std::string error;
    const auto arguments = ReadCliArguments(args, error);
    if (!arguments)
        return "error: " + error;
    EXPECT_EQ(error, "");
    std::string text;
    for (const CliArgument &a : *arguments) {
        if (!a.option) {
            text += "'" + a.value + "'\n";
            continue;
        }
        text += std::string(a.option->longName) + "[" + a.value + "]";
        if (a.option->value == CliValueKind::Choice || a.option->value == CliValueKind::Number)
            text += std::to_string(a.number);
        text += "\n";
    }
    return text;
}

struct ReadCase {
    std::vector<std::string> args;
    std::string read;
};

TEST(CliArguments, ValuesFollowAsTheNextWordOrAfterAnEqualsSign) {
    const std::vector<ReadCase> cases = {
        {{"--to", "meter"}, "--to[meter]\n"},
        {{"--to=meter"}, "--to[meter]\n"},
        {{"-c", "Length", "--category=Time"}, "--category[Length]\n--category[Time]\n"},
        {{"--format", "fixed"}, "--format[fixed]2\n"},
        {{"--format=fixed"}, "--format[fixed]2\n"},
        {{"--style=1", "--places", "0", "--export-number=32767"},
         "--style[1]1\n--places[0]0\n--export-number[32767]32767\n"},
        {{"--paper=vertical", "--direction", "down-left"}, "--paper[vertical]1\n--direction[down-left]1\n"},
        {{"--to=a=b", "--to="}, "--to[a=b]\n--to[]\n"},
        {{"--to", "--all"}, "--to[--all]\n"}, // the next word is the value, whatever it looks like
        {{"--all", "5", "foot", "-h"}, "--all[]\n'5'\n'foot'\n--help[]\n"},
        // Negative numbers, expressions and the arrow are operands; "--" ends the options.
        {{"-5", "-.5", "-,5", "-(2+3)", "->", "-"}, "'-5'\n'-.5'\n'-,5'\n'-(2+3)'\n'->'\n'-'\n"},
        {{"--all", "--", "--all", "-c", "--"}, "--all[]\n'--all'\n'-c'\n'--'\n"},
    };
    for (const ReadCase &c : cases)
        EXPECT_EQ(Read(c.args), c.read) << ::testing::PrintToString(c.args);
}

TEST(CliArguments, UsageErrorsSayWhatIsWrong) {
    const std::vector<ReadCase> cases = {
        {{"--frobnicate"}, "error: unknown option --frobnicate"},
        {{"--frob=1"}, "error: unknown option --frob"},
        {{"-x"}, "error: unknown option -x"},
        {{"-c=Length"}, "error: unknown option -c=Length"}, // a short name takes its value as the next word
        {{"--to"}, "error: option --to needs a value"},
        {{"5", "-c"}, "error: option -c needs a value"},
        {{"--all=yes"}, "error: option --all takes no value"},
        {{"--help="}, "error: option --help takes no value"},
        {{"--format", "roman"}, "error: --format takes auto, scientific, fixed or thousands, not 'roman'"},
        {{"--format="}, "error: --format takes auto, scientific, fixed or thousands, not ''"},
        {{"--format=Fixed"}, "error: --format takes auto, scientific, fixed or thousands, not 'Fixed'"},
        {{"--paper", "a3"}, "error: --paper takes horizontal or vertical, not 'a3'"},
        {{"--places", "13"}, "error: --places takes a whole number from 0 to 12, not '13'"},
        {{"--places=-1"}, "error: --places takes a whole number from 0 to 12, not '-1'"},
        {{"--places", "2x"}, "error: --places takes a whole number from 0 to 12, not '2x'"},
        {{"--places", ""}, "error: --places takes a whole number from 0 to 12, not ''"},
        {{"--export-number", "1"}, "error: --export-number takes a whole number from 2 to 32767, not '1'"},
        {{"--export-number", "99999999999999999999"},
         "error: --export-number takes a whole number from 2 to 32767, not '99999999999999999999'"},
    };
    for (const ReadCase &c : cases)
        EXPECT_EQ(Read(c.args), c.read) << ::testing::PrintToString(c.args);
}

// What the parsers, the help and the completion scripts rely on.
TEST(CliOptionTable, EveryOptionIsWellFormed) {
    std::set<std::string_view> names;
    for (const CliOption &option : CliOptionTable()) {
        EXPECT_TRUE(option.longName.starts_with("--") && option.longName.size() > 3) << option.longName;
        EXPECT_TRUE(names.insert(option.longName).second) << option.longName << " twice";
        if (!option.shortName.empty()) {
            EXPECT_EQ(option.shortName.size(), 2u) << option.shortName;
            EXPECT_TRUE(names.insert(option.shortName).second) << option.shortName << " twice";
        }
        EXPECT_EQ(FindCliOption(option.longName), &option);
        EXPECT_EQ(&CliOptionOf(option.id), &option);
        EXPECT_FALSE(option.help.empty()) << option.longName;
        EXPECT_EQ(option.help.find_first_of("[]:\\\n"), std::string_view::npos)
            << option.longName << ": the help line is the zsh description";
        EXPECT_EQ(option.value == CliValueKind::Choice, !option.choices.empty()) << option.longName;
        if (option.value == CliValueKind::Text) {
            EXPECT_FALSE(option.placeholder.empty()) << option.longName;
        }
        if (option.value == CliValueKind::Number) {
            EXPECT_LT(option.low, option.high) << option.longName;
        }
        for (std::string_view choice : option.choices)
            EXPECT_EQ(choice.find_first_of(" |'\"\\"), std::string_view::npos) << choice;
    }
}

} // namespace
} // namespace mensurio
