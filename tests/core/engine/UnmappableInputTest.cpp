// SPDX-License-Identifier: MIT
// A typed character that Windows-1252 cannot hold matches no character of a unit name.
#include "core/db/Cp1252.h"
#include "core/engine/UnitExpression.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mensurio {
namespace {

TEST(UnmappableInput, ParseUnitExpression_unmappableCharacter_findsNoUnit) {
    // Names holding an undefined byte, a C1 control, and the NUL byte of a hand-edited file.
    const std::vector<KnownUnit> units = {
        {"m\x81", 2.0L, false}, {std::string("n\0", 2), 3.0L, false}, {"p\x9D", 5.0L, false}};
    for (const char *typed : {"2 m\xCE\xA9", "2 n\xCE\xA9", "2 p\xE4\xB8\xAD", "2 m\xF0\x9F\x98\x80"}) {
        const UnitExpressionResult result = ParseUnitExpression(Cp1252::FromUtf8(typed), units, false, false);
        EXPECT_TRUE(result.usedUnits.empty()) << typed;
        EXPECT_EQ(result.code, 100) << typed;
    }
    // The undefined bytes themselves, typed as their C1 controls, do name their units.
    const UnitExpressionResult named =
        ParseUnitExpression(Cp1252::FromUtf8("2 m\xC2\x81"), units, false, false);
    EXPECT_EQ(named.code, 0);
    EXPECT_EQ(named.total, 4.0L);
}

} // namespace
} // namespace mensurio
