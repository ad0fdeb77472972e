// SPDX-License-Identifier: MIT
// Without -c the category is guessed from the unit names the expression holds.
#include "cli/CliFixture.h"

using namespace mensurio;
using namespace mensurio::test;

namespace {

std::string repeat(const std::string &piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

class CliCategoryGuess : public CliTest, public ::testing::WithParamInterface<CliCase> {};

} // namespace

TEST_P(CliCategoryGuess, Convert_inTheCategoryWhoseNamesCoverTheExpression) {
    const auto r = runOnFixture(GetParam().args);
    EXPECT_EQ(r.out, GetParam().out);
    EXPECT_EQ(r.status, GetParam().out.find("incorrect") == std::string::npos &&
                                GetParam().out.find("invalid") == std::string::npos &&
                                GetParam().out.find(" is a") == std::string::npos &&
                                GetParam().out.find("nested") == std::string::npos
                            ? 0
                            : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Fixture, CliCategoryGuess,
    ::testing::Values(
        CliCase{"sharedNameTakesFirstCategory", {"--to", "inch", "--", "3 inch"}, "3\n"},
        CliCase{"moreNamesOfTheOther", {"--to", "inch", "--", "1 inch + 6 pica"}, "2\n"},
        CliCase{"namesOfOneCategoryOnly", {"--to", "inch", "--", "1 foot + 1 inch"}, "13\n"},
        CliCase{"signedGroups", {"--to", "inch", "--", "-(-(1 foot))"}, "12\n"},
        CliCase{"namedButRefused",
                {"--to", "inch", "--", "1 foot * 2 inch"},
                "1 foot * 2 inch is a quantity of dimension L^2; inch is a length (L)\n"},
        CliCase{"longNestedNoUnits",
                {"--", repeat("-(", 3330) + "1" + repeat(")", 3330)},
                "expression nested more than 1,000 levels deep\n"},
        CliCase{"longNestedWithUnit",
                {"--to", "inch", "--", repeat("-(", 900) + "1 foot" + repeat(")", 900)},
                "12\n"},
        CliCase{"longFlatSum", {"--to", "inch", "--", repeat("1 foot+", 1400) + "1 inch"}, "16801\n"}),
    CaseName);

// Of two categories whose names differ only in letter case, the unit lists of both show the
// units of the first; the guess goes by what the lists show, whatever the number of categories.
TEST_F(CliTest, Guess_letterCaseTwinListsTheUnitsOfTheFirst) {
    UnitDatabase db;
    db.AddCategory("Length", false);
    db.AddUnit("Length", "meter", "", 1.0L, false);
    db.AddUnit("Length", "foot", "", 0.3048L, false);
    db.AddCategory("LENGTH", true);
    db.AddUnit("LENGTH", "pace", "", 0.75L, true);
    db.AddUnit("LENGTH", "meter", "", 1.0L, true);
    m_dir.write("twins.dat", DatabaseFile::ToBytes(db, "MNSA"));
    const std::string twins = m_dir.file("twins.dat");
    const auto meter = run({"--db", twins, "2", "meter", "--to", "foot"});
    EXPECT_EQ(meter.out, "6.56167979\n");
    const auto pace = run({"--db", twins, "1", "pace", "--to", "meter"});
    EXPECT_EQ(pace.status, 2);
    EXPECT_NE(pace.err.find("no category holds every named unit (pace, meter)"), std::string::npos);
}
