// SPDX-License-Identifier: MIT
#pragma once

#include "core/currency/ExchangeRates.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace mensurio {

class Engine;
class UnitDatabase;

/// The exchange rates of one mensurio-cli run: read from the rates file beside the database,
/// applied to the currencies in memory (the database file is never written), named on standard
/// error when a conversion used them, and replaced by --update-rates.
class CliRates {
  public:
    explicit CliRates(std::ostream &err) : m_err(err) {}

    /// The folder of the rates file: that of an explicit --db file, else the user's data folder.
    static std::string DirectoryFor(const std::string &explicitDatabase);

    /// Reads the rates file in `directory` and gives the database's currencies their factors.
    void Load(UnitDatabase &database, const std::string &directory);
    /// Gives the engine the command line's answer for a currency without a rate.
    void Prepare(Engine &engine) const;
    /// After a conversion in `category`: the first one in Currency that converted names the rates
    /// on standard error ("rates of 2026-12-08 (ECB)"), and says when they are over a week old.
    void NoteUse(const std::string &category, bool converted) const;

    /// --update-rates [FILE]: reads FILE, or has mensurio-fetch download the rates, and keeps
    /// them in `directory` only when they read as rates. Returns the exit status.
    static int Update(const std::string &directory, const std::string &file, std::ostream &out,
                      std::ostream &err);

  private:
    std::string missingRateText(const std::string &unitName) const;

    std::ostream &m_err;
    std::optional<ExchangeRates> m_rates;
    std::string m_problem; // why the rates file could not be read; empty when it could or is missing
    mutable bool m_noted = false;
};

} // namespace mensurio
