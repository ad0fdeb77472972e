// SPDX-License-Identifier: MIT
#include "tablecli/TableCommand.h"

#include "clishared/TableRequest.h"
#include "core/currency/RatesFile.h"
#include "core/db/DatabaseFile.h"
#include "core/db/DatabaseLifecycle.h"
#include "core/db/UnitDatabase.h"
#include "core/engine/Separators.h"
#include "core/platform/FileOps.h"
#include "core/platform/Paths.h"
#include "ui/tables/TableReport.h"

#include <exception>
#include <ostream>
#include <string_view>

namespace mensurio {

namespace {

constexpr int kWritten = 0;
constexpr int kNothingToWrite = 1;
constexpr int kRefused = 2;

} // namespace

int TableCommand::Run(const std::vector<std::string> &args) {
    TableRequest request;
    UnitDatabase database;
    try {
        request = TableRequest::Parse(args);
    } catch (const TableRequestError &error) {
        m_err << "mensurio-cli: " << error.what() << "\nTry 'mensurio-cli --help'.\n";
        return kRefused;
    }
    // The database the conversions read (the user's, portable or installed), with the same fallback.
    const FileLocations locations =
        request.databasePath.empty() ? Paths::Locate(Paths::ExecutablePath()) : FileLocations{};
    std::string databasePath;
    const auto warn = [this](const std::string &units) {
        m_err << "mensurio-cli: warning: " << units << " is corrupted; the default database is used\n";
    };
    if (!DatabaseLifecycle::LoadForReading(database, request.databasePath, locations, databasePath, warn)) {
        m_err << "mensurio-cli: cannot read the units database " << databasePath << "\n";
        return kRefused;
    }
    // Currencies convert by the rates mensurio-cli --update-rates keeps beside the database.
    const std::string ratesFolder =
        request.databasePath.empty() ? locations.userDirectory : FileOps::DirectoryOf(request.databasePath);
    const RatesReading rates = RatesFile::Load(RatesFile::PathIn(ratesFolder));
    ApplyExchangeRates(database, rates.rates ? &*rates.rates : nullptr);
    try {
        TableChoices choices = request.Resolve(database);
        choices.separators = ReadLocaleSeparators();
        const QByteArray pdf = TableReport(database, choices).Pdf();
        if (pdf.isEmpty())
            throw TableRequestError("the PDF document could not be made");
        FileOps::AtomicReplace(request.pdfPath,
                               std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    } catch (const TableCategoryEmpty &error) {
        m_err << "mensurio-cli: " << error.what() << "\n";
        return kNothingToWrite;
    } catch (const TableRequestError &error) {
        m_err << "mensurio-cli: " << error.what() << "\n";
        return kRefused;
    } catch (const std::system_error &error) {
        m_err << "mensurio-cli: cannot write " << request.pdfPath << ": " << error.code().message() << "\n";
        return kRefused;
    } catch (const std::exception &error) {
        m_err << "mensurio-cli: " << error.what() << "\n";
        return kRefused;
    }
    return kWritten;
}

} // namespace mensurio
