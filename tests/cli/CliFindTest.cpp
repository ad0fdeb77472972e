// SPDX-License-Identifier: MIT
#include "cli/CliFixture.h"

using namespace mensurio;
using namespace mensurio::test;

namespace {

class CliFindMatches : public CliTest, public ::testing::WithParamInterface<CliCase> {};

} // namespace

// The Find list's display texts, in its order (letter case ignored, then database order).
TEST_P(CliFindMatches, Find_printsTheMatchingDisplayTexts) {
    const auto r = runOnFixture(GetParam().args);
    EXPECT_EQ(r.out, GetParam().out);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Fixture, CliFindMatches,
    ::testing::Values(
        CliCase{"startOfStrings", {"--find", "me"}, "meter    [Length]\nmeter/liter    [Fuel Efficiency]\n"},
        CliCase{"caseIgnoredThenDatabaseOrder", {"--find", "MM"}, "mm    [Length]\nMm    [Length]\n"},
        CliCase{"unitInTwoCategories", {"--find", "inch"}, "inch    [Length]\ninch    [Typography]\n"},
        CliCase{"categoryEntry", {"--find", "Temp"}, "Temperature    [Category]\n"},
        CliCase{
            "hiddenIncluded", {"--find", "hidden"}, "hidden unit    [Secret]\nleague (hidden)    [Length]\n"},
        CliCase{"utf8InAndOut",
                {"--find", "toise (ancien r\xC3\xA9"},
                "toise (ancien r\xC3\xA9gime)    [Length]\n"},
        CliCase{"noMatch", {"--find", "parsec"}, ""},
        CliCase{
            "anywhereFindsTheCategoryAndItsUnits",
            {"--find", "typo", "--anywhere"},
            "inch    [Typography]\npica    [Typography]\npoint    [Typography]\nTypography    [Category]\n"},
        CliCase{"anywhereCategoryWord",
                {"--anywhere", "--find", "category]"},
                "Empty    [Category]\nFractions    [Category]\nFuel Efficiency    [Category]\nLength    "
                "[Category]\nNumbers    [Category]\n"
                "Pressure    [Category]\nSecret    [Category]\nTemperature    [Category]\n"
                "Typography    [Category]\n"},
        CliCase{"startDoesNotMatchInside", {"--find", "ime"}, ""},
        CliCase{"anywhereMatchesInside",
                {"--find", "ime", "--anywhere"},
                "toise (ancien r\xC3\xA9gime)    [Length]\n"}),
    CaseName);

TEST_F(CliTest, Find_emptyTextListsEveryEntrySorted) {
    const auto r = runOnFixture({"--find", ""});
    EXPECT_EQ(r.status, 0);
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = r.out.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(r.out.substr(start, end - start));
    ASSERT_EQ(lines.size(), 9u + 29u); // every category and every unit
    EXPECT_EQ(lines.front(), "as decimal    [Fractions]");
    EXPECT_EQ(lines.back(), "yard    [Length]");
    auto lower = [](std::string s) {
        for (char &c : s)
            c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
        return s;
    };
    for (std::size_t i = 1; i < lines.size(); ++i)
        EXPECT_LE(lower(lines[i - 1]), lower(lines[i])) << lines[i];
}
