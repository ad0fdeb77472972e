// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace mensurio {

/// The built-in category of currencies: the euro is its base unit, and every other built-in
/// currency carries the factor 0 until exchange rates are loaded (then 1/rate, rates being given
/// per euro). A unit's ISO 4217 code ends its name: "US dollar (USD)".
inline constexpr std::string_view kCurrencyCategory = "Currency";
inline constexpr std::string_view kBaseCurrencyCode = "EUR";
/// Shown for a currency without a rate where all results list every unit's value.
inline constexpr std::string_view kNoRateText = "no rate";

/// The three capital letters in the parentheses that end a currency unit's name; empty when
/// the name does not end so.
std::string_view CurrencyCodeOf(std::string_view unitName);

/// Whether text is a currency code as ISO 4217 writes it: three capital letters A to Z.
bool IsCurrencyCode(std::string_view text);

} // namespace mensurio
