// SPDX-License-Identifier: MIT
#include "core/currency/CurrencyCategory.h"

namespace mensurio {

bool IsCurrencyCode(std::string_view text) {
    if (text.size() != 3)
        return false;
    for (const char c : text) {
        if (c < 'A' || c > 'Z')
            return false;
    }
    return true;
}

std::string_view CurrencyCodeOf(std::string_view unitName) {
    constexpr std::size_t length = 5; // "(ABC)"
    if (unitName.size() < length || unitName.back() != ')' || unitName[unitName.size() - length] != '(')
        return {};
    const std::string_view code = unitName.substr(unitName.size() - 4, 3);
    return IsCurrencyCode(code) ? code : std::string_view();
}

} // namespace mensurio
