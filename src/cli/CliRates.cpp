// SPDX-License-Identifier: MIT
#include "cli/CliRates.h"

#include "cli/CliFetch.h"
#include "cli/PrintableText.h"
#include "core/currency/CurrencyCategory.h"
#include "core/currency/RatesFile.h"
#include "core/db/Cp1252.h"
#include "core/engine/Engine.h"
#include "core/platform/FileOps.h"
#include "core/platform/Paths.h"

#include <ostream>

namespace mensurio {

namespace {

constexpr int kExitUpdated = 0;
constexpr int kExitNotUpdated = 2;
constexpr const char *kHowToUpdate = "mensurio-cli --update-rates downloads the ECB's rates, --update-rates "
                                     "FILE reads a saved eurofxref-daily.xml";

} // namespace

std::string CliRates::DirectoryFor(const std::string &explicitDatabase) {
    if (!explicitDatabase.empty())
        return FileOps::DirectoryOf(explicitDatabase);
    return Paths::Locate(Paths::ExecutablePath()).userDirectory;
}

void CliRates::Load(UnitDatabase &database, const std::string &directory) {
    RatesReading reading = RatesFile::Load(RatesFile::PathIn(directory));
    m_rates = std::move(reading.rates);
    m_problem = std::move(reading.error);
    ApplyExchangeRates(database, m_rates ? &*m_rates : nullptr);
}

std::string CliRates::missingRateText(const std::string &unitName) const {
    if (m_rates)
        return "no rate for " + unitName + " in the " + RatesNote(*m_rates, TodayInDays());
    if (!m_problem.empty())
        return "no exchange rates: " + Cp1252::FromUtf8(PrintableText::Escaped(m_problem)) + "; " +
               kHowToUpdate;
    return std::string("no exchange rates loaded: ") + kHowToUpdate;
}

void CliRates::Prepare(Engine &engine) const {
    engine.SetMissingRateText([this](const std::string &unitName) { return missingRateText(unitName); });
}

void CliRates::NoteUse(const std::string &category, bool converted) const {
    if (m_noted || !converted || !m_rates || category != kCurrencyCategory)
        return;
    m_noted = true;
    const std::string note = RatesNote(*m_rates, TodayInDays());
    m_err << "mensurio-cli: note: " << note;
    if (note.find("days old") != std::string::npos)
        m_err << "; mensurio-cli --update-rates gets newer ones";
    m_err << "\n";
}

int CliRates::Update(const std::string &directory, const std::string &file, std::ostream &out,
                     std::ostream &err) {
    std::string bytes;
    std::string problem;
    const bool read =
        file.empty() ? CliFetch::Run(bytes, problem) : RatesFile::ReadSource(file, bytes, problem);
    if (!read) {
        err << "mensurio-cli: " << PrintableText::Escaped(problem)
            << "; the exchange rates were not changed\n";
        return kExitNotUpdated;
    }
    if (!Paths::MakeFolder(directory, problem)) {
        err << "mensurio-cli: " << PrintableText::Escaped(problem) << "\n";
        return kExitNotUpdated;
    }
    const std::string path = RatesFile::PathIn(directory);
    const std::optional<ExchangeRates> rates = RatesFile::Update(path, bytes, problem);
    if (!rates) {
        const std::string source = file.empty() ? std::string("the download") : file;
        err << "mensurio-cli: " << PrintableText::Escaped(source) << ", " << PrintableText::Escaped(problem)
            << "; the exchange rates were not changed\n";
        return kExitNotUpdated;
    }
    out << RatesFile::UpdatedText(*rates) << " Kept in " << PrintableText::Escaped(path) << "\n";
    return kExitUpdated;
}

} // namespace mensurio
