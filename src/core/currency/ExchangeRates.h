// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

/// One currency's euro reference rate: units of the currency per euro.
struct CurrencyRate {
    std::string code;     // ISO 4217, three capital letters
    std::string text;     // the rate as written in the file, kept for writing it back unchanged
    long double rate = 0; // positive and finite
};

/// The reference rates of one day.
struct ExchangeRates {
    std::string date; // YYYY-MM-DD
    std::vector<CurrencyRate> rates;

    const CurrencyRate *Find(std::string_view code) const;
};

/// What reading a rates file gave: the rates, or why there are none.
struct RatesReading {
    std::optional<ExchangeRates> rates;
    std::string error; // for the user; empty when rates were read
};

/// Files beyond this size are refused unread: the daily file is about 1.5 kB, the ninety-day
/// history under 200 kB.
inline constexpr std::size_t kMaxRatesFileSize = 1024 * 1024;

/// Reads the European Central Bank's reference-rate XML (eurofxref-daily.xml, or a history file
/// with several days, of which the newest is taken): the Cube elements with a `time` and the
/// Cube elements with `currency` and `rate` inside them. A small reader of its own: no entity is
/// expanded, nothing external is fetched, a DOCTYPE is refused, elements must nest and close
/// (a truncated file is refused), and every rate must be a plain positive decimal number. Any
/// refusal names the line and what is wrong.
RatesReading ReadEcbRates(std::string_view bytes);

/// The rates in the same XML form, as small as the reader accepts, with the rate texts as read.
std::string WriteEcbRates(const ExchangeRates &rates);

/// "rates of 2026-12-08 (ECB)", with ", 9 days old" added when the rates are older than a week
/// on `today` (days since 1970-01-01).
std::string RatesNote(const ExchangeRates &rates, long today);
/// Days since 1970-01-01 of a YYYY-MM-DD date; nullopt when the text is no valid date.
std::optional<long> DaysOfDate(std::string_view date);
/// Today's date in days since 1970-01-01 (UTC).
long TodayInDays();

} // namespace mensurio
