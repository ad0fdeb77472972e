// SPDX-License-Identifier: MIT
#include "cli/CliFixture.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

using namespace mensurio;
using namespace mensurio::test;

namespace {

constexpr char kProgramPrefix[] = "mensurio-cli: ";
// The longest line the batch holds whole: 10,000 four-byte characters and a carriage return.
constexpr std::size_t kMaxHeldLine = 40001;

class CliBatchTest : public CliTest {
  protected:
    // mensurio-cli --db fixture --batch ARGS < input
    ProcessResult runBatch(const std::vector<std::string> &args, const std::string &input) const {
        m_dir.write("input.txt", input);
        std::string command = shellQuote(MENSURIO_CLI) + " --db " + shellQuote(db()) + " --batch";
        for (const std::string &a : args)
            command += " " + shellQuote(a);
        command += " <" + shellQuote(m_dir.file("input.txt")) + " >" + shellQuote(m_dir.file("out.txt")) +
                   " 2>" + shellQuote(m_dir.file("err.txt"));
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, m_dir.read("out.txt"), m_dir.read("err.txt")};
    }

    // What one line gives in a one-shot call: its output, or the text of its usage error.
    // A FROM-UNIT among the options comes first.
    std::string oneShot(std::vector<std::string> options, const std::string &line) const {
        std::string fromUnit;
        if (!options.empty() && options.front().rfind("-", 0) != 0) {
            fromUnit = options.front();
            options.erase(options.begin());
        }
        options.insert(options.end(), {"--", line});
        if (!fromUnit.empty())
            options.push_back(fromUnit);
        const ProcessResult r = runOnFixture(options);
        if (r.status != 2)
            return r.out;
        EXPECT_EQ(r.err.rfind(kProgramPrefix, 0), 0u) << r.err;
        return r.err.substr(sizeof kProgramPrefix - 1);
    }
};

struct BatchCase {
    const char *name;
    std::vector<std::string> args;
    std::string input;
    std::string out;
    int status;
};

std::ostream &operator<<(std::ostream &os, const BatchCase &c) {
    return os << c.name;
}

class CliBatchLines : public CliBatchTest, public ::testing::WithParamInterface<BatchCase> {};

TEST_P(CliBatchLines, Batch_printsOneResultPerLine) {
    const BatchCase &c = GetParam();
    const ProcessResult r = runBatch(c.args, c.input);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, c.status);
}

INSTANTIATE_TEST_SUITE_P(
    Fixture, CliBatchLines,
    ::testing::Values(
        BatchCase{"values", {"foot", "--to", "inch"}, "1\n2\n0.5\n", "12\n24\n6\n", 0},
        BatchCase{"expressionsWithUnits", {"--to", "inch"}, "5 foot + 3 inch\n1 yard\n", "63\n36\n", 0},
        BatchCase{"windowsLineEnds", {"foot", "--to", "inch"}, "1\r\n2\r\n", "12\n24\n", 0},
        BatchCase{"noLastLineBreak", {"foot", "--to", "inch"}, "1\n2", "12\n24\n", 0},
        BatchCase{"emptyLineIsZero", {"foot", "--to", "inch"}, "1\n\n2\n", "12\n0\n24\n", 0},
        BatchCase{"noInput", {"foot", "--to", "inch"}, "", "", 0},
        BatchCase{"plainValuesWithoutUnits", {}, "2 * 3\n1,5\n", "6\n1.5\n", 0},
        BatchCase{"unitNamedInTheLine", {"--to", "point"}, "1 pica\n", "12\n", 0},
        // A line the one-shot call refuses as a usage error gets its text; the next line goes on.
        BatchCase{"refusedLineKeepsItsPlace",
                  {"--to", "Kelvin"},
                  "20\n",
                  "the category 'Temperature' needs an input unit (FROM-UNIT)\n",
                  1},
        BatchCase{"fractionsLineByLine",
                  {"-c", "Fractions", "--to", "nearest 1/16"},
                  "0.3\n1 3/8\n-0.03125\n",
                  "5/16 (+0.0125)\n1 3/8\n-1/16 (-0.03125)\n",
                  0},
        BatchCase{"allBlocksEndWithAnEmptyLine",
                  {"-c", "Typography", "--all", "inch"},
                  "1\n2\n",
                  "1\tinch\n6\tpica\n72\tpoint\n\n2\tinch\n12\tpica\n144\tpoint\n\n",
                  0}),
    [](const ::testing::TestParamInfo<BatchCase> &info) { return std::string(info.param.name); });

// A refused line (the engine's message) is a line of its own and makes the exit status 1.
TEST_F(CliBatchTest, Batch_mixedValidAndInvalidLines_keepTheirPlacesAndExitWithOne) {
    const ProcessResult r = runBatch({"foot", "--to", "inch"}, "1\n1 +\n2\n");
    const std::string refused = oneShot({"foot", "--to", "inch"}, "1 +");
    EXPECT_EQ(r.out, "12\n" + refused + "24\n");
    EXPECT_NE(refused, "");
    EXPECT_EQ(r.status, 1);
}

struct UsageCase {
    const char *name;
    std::vector<std::string> args;
};

class CliBatchUsage : public CliBatchTest, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(CliBatchUsage, Batch_unusableOptions_areAUsageErrorBeforeAnyLine) {
    const ProcessResult r = runBatch(GetParam().args, "1\n");
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind(kProgramPrefix, 0), 0u) << r.err;
    EXPECT_EQ(r.status, 2);
}

INSTANTIATE_TEST_SUITE_P(Fixture, CliBatchUsage,
                         ::testing::Values(UsageCase{"expressionGiven", {"1", "foot", "--to", "inch"}},
                                           UsageCase{"listing", {"--list-categories"}},
                                           UsageCase{"finding", {"--find", "met"}},
                                           UsageCase{"unknownCategory", {"-c", "Nowhere", "--to", "inch"}}),
                         [](const ::testing::TestParamInfo<UsageCase> &info) {
                             return std::string(info.param.name);
                         });

TEST_F(CliBatchTest, Batch_100000CharacterLine_givesTheOneShotAnswerAndTheNextLineGoesOn) {
    std::string longLine = "1";
    while (longLine.size() < 100000)
        longLine += "+1";
    const ProcessResult r = runBatch({"foot", "--to", "inch"}, longLine + "\n1\n");
    EXPECT_EQ(r.out, oneShot({"foot", "--to", "inch"}, longLine) + "12\n");
}

// Lines around the expression limit: within it they are converted, beyond it they are answered
// with the error for that line (as the one-shot call answers), and the next line goes on.
TEST_F(CliBatchTest, Batch_linesAroundTheLimit_answeredOneByOne) {
    const std::string tooLong = "input longer than 10,000 characters\n";
    const auto sum = [](std::size_t length) {
        std::string text = "1";
        while (text.size() + 2 <= length)
            text += "+1";
        return text;
    };
    const struct {
        std::string line;
        std::string out;
    } cases[] = {
        {sum(9999), "60000\n"},                       // 5,000 feet, in inches
        {sum(9999) + std::string(1, ' '), "60000\n"}, // exactly 10,000 characters
        {sum(10001), tooLong},                        // one over
        {sum(9999) + "\r", "60000\n"},                // a carriage return is no character
        {std::string(kMaxHeldLine, '1'), tooLong},    // the most held whole
        {std::string(kMaxHeldLine + 1, '1'), tooLong},
        {std::string(3'000'000, '1'), tooLong},
        {std::string(20'000, ' '), tooLong},
    };
    for (const auto &c : cases) {
        const ProcessResult r = runBatch({"foot", "--to", "inch"}, c.line + "\n1\n" + c.line);
        EXPECT_EQ(r.out, c.out + "12\n" + c.out) << c.line.size();
    }
}

// A 300 MB line passes through a process allowed 100 MB of memory: it is never held whole.
TEST_F(CliBatchTest, Batch_hugeLine_memoryStaysBounded) {
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer reserves terabytes of address space for its shadow memory, so no limit on
    // virtual memory lets the program start; the plain build runs this test.
    GTEST_SKIP() << "a virtual memory limit cannot hold an AddressSanitizer build";
#endif
    const std::string command =
        "ulimit -v 100000; { head -c 300000000 /dev/zero | tr '\\0' 1; printf '\\n2\\n'; } | " +
        shellQuote(MENSURIO_CLI) + " --db " + shellQuote(db()) + " --batch foot --to inch >" +
        shellQuote(m_dir.file("out.txt")) + " 2>" + shellQuote(m_dir.file("err.txt"));
    const int raw = std::system(("bash -c " + shellQuote(command)).c_str());
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 1) << raw << m_dir.read("err.txt");
    EXPECT_EQ(m_dir.read("out.txt"), "input longer than 10,000 characters\n24\n");
}

// Every line gives what the same expression gives as a one-shot call, line for line.
TEST_F(CliBatchTest, Batch_equalsOneShotLineForLine) {
    const std::vector<std::string> lines = {
        "1", "2.5", "5 foot + 3 inch", "", "2 * 3", "1 parsec", "-5", "1e5000", "1 +", "(1) foot - (1) inch",
        "3 yard", "1,5", "abc", "1 point", "2 inch", "1/0", "1 mm + 1 Mm",
        // Names with parentheses, a Windows-1252 name, a hidden unit, names inside other names:
        // the batch finds them through its index of names, the one-shot call by scanning.
        "1 atmosphere (atm)", "2 toise (ancien r\xC3\xA9gime)", "3 meter/liter", "1 league (hidden)",
        "1 inch + 6 pica", "1 hidden unit", "2 kilometer/liter", "1 foot 3 inch", "(1 foot)(2 inch)",
        "pica + 1 inch"};
    const std::vector<std::vector<std::string>> optionSets = {
        {},
        {"foot", "--to", "inch"},
        {"--to", "meter"},
        {"--to", "yard", "--to", "foot"},
        {"-c", "Typography", "--to", "point"},
        {"--format", "scientific", "--places", "3", "--to", "mm"},
        {"meter", "-c", "Length", "--all"},
        {"--all"},
        {"--to", "Kelvin"}};
    std::string input;
    for (const std::string &line : lines)
        input += line + "\n";
    for (const auto &options : optionSets) {
        std::string expected;
        for (const std::string &line : lines) {
            expected += oneShot(options, line);
            if (std::find(options.begin(), options.end(), "--all") != options.end())
                expected += "\n";
        }
        const ProcessResult r = runBatch(options, input);
        std::string joined;
        for (const std::string &o : options)
            joined += o + " ";
        EXPECT_EQ(r.out, expected) << "options: " << joined;
    }
}

} // namespace
