// SPDX-License-Identifier: MIT
// The unit-aware parse on arbitrary text, over unit names that hold spaces, commas, parentheses
// and operator characters, as real unit names do.
#include "FuzzCheck.h"

#include "core/engine/UnitExpression.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace {

// Longest name first, as the engine lists them.
const std::vector<mensurio::KnownUnit> &Units() {
    static const std::vector<mensurio::KnownUnit> units = {
        {"mile per gallon (US, liquid)", 0.425143707L, true},
        {"gallon (US, liquid)", 0.003785411784L, false},
        {"pound (avoirdupois)", 0.45359237L, false},
        {"1,000 cubic feet", 28.316846592L, false},
        {"square foot", 0.09290304L, false},
        {"foot (US)", 0.3048006096L, false},
        {"1/2 inch", 0.0127L, false},
        {"m^2/s", 1.0L, false},
        {"10^-3 m", 0.001L, false},
        {"foot", 0.3048L, false},
        {"inch", 0.0254L, false},
        {"e", 2.0L, false},
        {"(", 3.0L, false},
        {"", 5.0L, false},
    };
    return units;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return 0;
    const bool checkInverse = data[0] & 1;
    const bool wantTerms = data[0] & 2;
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);
    const auto result = mensurio::ParseUnitExpression(text, Units(), checkInverse, wantTerms);
    FUZZ_CHECK(result.usedUnits.size() == result.usedNames.size());
    for (std::size_t i = 0; i < result.usedUnits.size(); ++i) {
        FUZZ_CHECK(result.usedUnits[i] < Units().size());
        FUZZ_CHECK(Units()[result.usedUnits[i]].name == result.usedNames[i]);
        FUZZ_CHECK(i == 0 || result.usedUnits[i - 1] < result.usedUnits[i]);
    }
    if (result.code != 0)
        FUZZ_CHECK(!mensurio::UnitExpressionMessage(result.code).empty());
    return 0;
}
