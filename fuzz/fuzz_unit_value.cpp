// SPDX-License-Identifier: MIT
// The amount typed for a custom unit on arbitrary text: always Ok, Invalid or Zero; an Ok amount
// is a finite non-zero number, the same text reads the same twice, and a comma reads as a point
// and surrounding spaces change nothing, as the field promises.
#include "FuzzCheck.h"

#include "core/custom/UnitValue.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool SameValue(const mensurio::UnitValue &a, const mensurio::UnitValue &b) {
    return a.status == b.status &&
           (a.status != mensurio::UnitValueStatus::Ok || std::memcmp(&a.value, &b.value, 10) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const mensurio::UnitValue value = mensurio::ReadUnitValue(text);
    switch (value.status) {
    case mensurio::UnitValueStatus::Ok:
        FUZZ_CHECK(std::isfinite(value.value) && value.value != 0);
        break;
    case mensurio::UnitValueStatus::Zero:
    case mensurio::UnitValueStatus::Invalid:
        break;
    default:
        FUZZ_CHECK(false);
    }
    FUZZ_CHECK(SameValue(value, mensurio::ReadUnitValue(text)));

    std::string points(text);
    std::replace(points.begin(), points.end(), ',', '.');
    FUZZ_CHECK(SameValue(value, mensurio::ReadUnitValue(points)));
    FUZZ_CHECK(SameValue(value, mensurio::ReadUnitValue("  " + std::string(text) + " ")));
    return 0;
}
