// SPDX-License-Identifier: MIT
#include "core/custom/CustomNames.h"

#include "core/custom/CustomTexts.h"

#include <gtest/gtest.h>

#include <string>

using namespace mensurio;

namespace {

struct NameCase {
    std::string typed;
    NameKind kind;
    std::string name;    // expected name when accepted
    std::string problem; // expected message, empty when accepted
};

class PrepareCustomNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(PrepareCustomNameTest, TrimsCutsOrRefuses) {
    const NameCase &c = GetParam();
    const PreparedName prepared = PrepareCustomName(c.typed, c.kind);
    EXPECT_EQ(prepared.problem, c.problem) << c.typed;
    if (c.problem.empty()) {
        EXPECT_EQ(prepared.name, c.name);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, PrepareCustomNameTest,
    ::testing::Values(NameCase{"furlong", NameKind::Unit, "furlong", ""},
                      NameCase{"  square rod ", NameKind::Unit, "square rod", ""},
                      NameCase{"caf\xE9 cup", NameKind::Unit, "caf\xE9 cup",
                               ""}, // Windows-1252 letters are fine
                      NameCase{"", NameKind::Unit, "", CustomTexts::BlankUnitName},
                      NameCase{"    ", NameKind::Unit, "", CustomTexts::BlankUnitName},
                      NameCase{"   ", NameKind::Category, "", CustomTexts::BlankCategoryName},
                      NameCase{"a\x81z", NameKind::Unit, "",
                               CustomTexts::UnstorableName}, // a character the code page lacks
                      NameCase{"tab\there", NameKind::Category, "", CustomTexts::UnstorableName},
                      NameCase{"Category", NameKind::Category, "", CustomTexts::ReservedCategoryName},
                      NameCase{"Category", NameKind::Unit, "Category", ""},     // only category records clash
                      NameCase{"category", NameKind::Category, "category", ""}, // the file matches exactly
                      NameCase{std::string(60, 'x'), NameKind::Category, std::string(50, 'x'), ""},
                      NameCase{std::string(49, 'x') + "  y", NameKind::Category, std::string(49, 'x'), ""}));

} // namespace
