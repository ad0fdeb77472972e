// SPDX-License-Identifier: MIT
#pragma once

#include "core/currency/ExchangeRates.h"

#include <string>
#include <string_view>

namespace mensurio {

class UnitDatabase;

/// The exchange rates kept beside the user's units.dat, in a file of their own: units.dat keeps
/// its format and is never written for new rates, so a window left open cannot undo an update.
class RatesFile {
  public:
    static constexpr const char *FileName = "currency-rates.xml";

    /// The rates file in a folder (the folder of units.dat).
    static std::string PathIn(const std::string &directory);

    /// Reads a file of at most one byte more than the rates reader accepts (so that a larger
    /// one is known as such); FIFOs, devices and folders are refused without waiting. Returns
    /// false with `error` set ("cannot read PATH: reason") on failure.
    static bool ReadSource(const std::string &path, std::string &bytes, std::string &error);

    /// Reads the rates file. A missing file gives no rates and no error; an unreadable or
    /// malformed one gives no rates and the reason.
    static RatesReading Load(const std::string &path);

    /// Checks `bytes` (an ECB rates file as received) and, only when they hold rates, replaces the
    /// rates file with them in one atomic step. Anything wrong leaves the old file as it was.
    /// `error` says what went wrong, for the user.
    static std::optional<ExchangeRates> Update(const std::string &path, std::string_view bytes,
                                               std::string &error);

    /// What the user is told after an update: "Exchange rates of 2026-12-08 (ECB) loaded: 30 currencies."
    static std::string UpdatedText(const ExchangeRates &rates);
};

/// Gives the built-in currencies of the database their factors from `rates`: 1/rate for each
/// currency with a rate, 0 ("no rate") for every other built-in currency but the euro, which
/// stays 1. nullptr gives them all 0 again, as shipped. Custom units and a custom category of the
/// same name keep their factors. Returns how many currencies got a rate.
int ApplyExchangeRates(UnitDatabase &database, const ExchangeRates *rates);

} // namespace mensurio
