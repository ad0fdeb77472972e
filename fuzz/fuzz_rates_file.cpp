// SPDX-License-Identifier: MIT
// The exchange-rates reader on arbitrary bytes: every input is read or refused with a message,
// what is read holds only valid dates, codes and positive finite rates, and it writes back to
// a file that reads to the same rates.
#include "FuzzCheck.h"

#include "core/currency/CurrencyCategory.h"
#include "core/currency/ExchangeRates.h"

#include <cmath>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const mensurio::RatesReading reading = mensurio::ReadEcbRates(bytes);
    FUZZ_CHECK(reading.rates.has_value() == reading.error.empty());
    if (!reading.rates)
        return 0;
    const mensurio::ExchangeRates &rates = *reading.rates;
    FUZZ_CHECK(mensurio::DaysOfDate(rates.date).has_value());
    FUZZ_CHECK(!rates.rates.empty());
    for (const mensurio::CurrencyRate &rate : rates.rates) {
        FUZZ_CHECK(mensurio::IsCurrencyCode(rate.code) && rate.code != mensurio::kBaseCurrencyCode);
        FUZZ_CHECK(rate.rate > 0 && std::isfinite(rate.rate) && std::isfinite(1.0L / rate.rate));
    }
    const mensurio::RatesReading again = mensurio::ReadEcbRates(mensurio::WriteEcbRates(rates));
    FUZZ_CHECK(again.rates && again.rates->date == rates.date &&
               again.rates->rates.size() == rates.rates.size());
    for (std::size_t i = 0; i < rates.rates.size(); ++i)
        FUZZ_CHECK(again.rates->rates[i].code == rates.rates[i].code &&
                   again.rates->rates[i].rate == rates.rates[i].rate);
    return 0;
}
