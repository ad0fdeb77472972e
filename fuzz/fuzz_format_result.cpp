// SPDX-License-Identifier: MIT
// Result formatting of any 10-byte extended value (denormals, unnormals, NaNs, infinities)
// under any format setting: always a short text.
#include "FuzzCheck.h"

#include "core/db/Extended80.h"
#include "core/engine/ResultFormatter.h"

#include <cstdint>
#include <string>

namespace {

void CheckText(const std::string &text) {
    FUZZ_CHECK(!text.empty());
    FUZZ_CHECK(text.size() < 64); // 18 digits, 12 places, separators, sign and exponent
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 14)
        return 0;
    const long double value = mensurio::Extended80::Decode(data);
    mensurio::ResultFormatOptions options;
    options.resultFormat = static_cast<mensurio::ResultFormat>(data[10] % 4);
    options.decimalPlaces = static_cast<std::int8_t>(data[11]) % 16;
    options.separators.decimal = static_cast<char>(data[12]);
    options.separators.thousands = static_cast<char>(data[13]);
    const bool forceGeneral = data[10] & 0x80;

    CheckText(mensurio::FormatResult(value, forceGeneral, options));
    CheckText(mensurio::FormatFixed(value, options));
    const int digits = 1 + data[11] % 20;
    CheckText(mensurio::FormatGeneral(value, digits, options.separators));
    CheckText(mensurio::FormatScientific(value, digits, options.separators));
    CheckText(mensurio::FormatFixedPoint(value, data[11] % 13, data[10] & 1, options.separators));
    return 0;
}
