// SPDX-License-Identifier: MIT
#include "cli/CliApp.h"

#include "cli/CategoryInference.h"
#include "cli/CliBatch.h"
#include "cli/CliConversion.h"
#include "cli/CliExport.h"
#include "cli/CliFind.h"
#include "cli/CliOperands.h"
#include "cli/CliQuantity.h"
#include "cli/CliTable.h"
#include "cli/CliUsageError.h"
#include "cli/CliValue.h"
#include "cli/PrintableText.h"
#include "cli/UnitNameLookup.h"
#include "core/db/BuiltinUpdate.h"
#include "core/db/Cp1252.h"
#include "core/db/DatabaseFile.h"
#include "core/db/DatabaseLifecycle.h"
#include "core/engine/BuiltinAliases.h"
#include "core/engine/RequestSettings.h"
#include "core/platform/FileOps.h"
#include "core/platform/Paths.h"
#include "core/settings/DataVersionSetting.h"
#include "core/settings/IniFile.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <ostream>
#include <sstream>

namespace mensurio {

namespace {

// The window's settings, beside the CLI's own.
constexpr char kWindowSettingsFile[] = "mensurio.ini";

} // namespace

bool CliApp::loadDatabase(const std::string &explicitPath) {
    const FileLocations locations =
        explicitPath.empty() ? Paths::Locate(Paths::ExecutablePath()) : FileLocations{};
    std::string path;
    // As the window does, a damaged units.dat falls back to the default database.
    const auto warn = [this](const std::string &units) {
        const std::string kind = FileOps::NotRegularKind(units);
        m_err << "mensurio-cli: warning: " << PrintableText::Escaped(units)
              << (kind.empty() ? " is corrupted" : " is " + kind + ", not a file")
              << "; the default database is used\n";
    };
    if (DatabaseLifecycle::LoadForReading(m_db, explicitPath, locations, path, warn)) {
        if (explicitPath.empty() &&
            path == FileOps::Join(locations.userDirectory, DatabaseLifecycle::UnitsFile))
            takeInShippedData(locations);
        m_db.SkipHidden = false;
        m_rates.Load(m_db,
                     explicitPath.empty() ? locations.userDirectory : FileOps::DirectoryOf(explicitPath));
        return true;
    }
    const std::string kind = FileOps::NotRegularKind(path);
    m_err << "mensurio-cli: cannot read the units database " << PrintableText::Escaped(path)
          << (kind.empty() ? "" : ": it is " + kind + ", not a file") << "\n";
    return false;
}

// A units.dat the window has not opened since the program was updated lacks the categories and
// units shipped since (Currency, say). They are added here in memory, as the window adds them at
// its next start; the CLI never writes the database. The window records in its settings which
// data version its units.dat holds.
void CliApp::takeInShippedData(const FileLocations &locations) {
    const IniFile windowSettings(
        FileOps::Join(FileOps::DirectoryOf(locations.settingsPath), kWindowSettingsFile));
    BuiltinUpdate::FromShippedFile(m_db,
                                   FileOps::Join(locations.defaultDirectory, DatabaseLifecycle::DefaultFile),
                                   ReadDataVersion(windowSettings));
}

int CliApp::listCategories() {
    for (m_db.FirstCategory(); m_db.HasCategory(); m_db.NextCategory())
        m_out << PrintableText::FromCp1252(m_db.CategoryName()) << "\n";
    return kExitResult;
}

int CliApp::listUnits(const std::string &category) {
    const auto name = CategoryInference::ResolveCategory(m_db, Cp1252::FromUtf8(category));
    if (!name || !m_db.SelectCategory(*name))
        throw CliUsageError("no category named '" + category + "'");
    for (m_db.FirstUnit(); m_db.HasUnit(); m_db.NextUnit())
        m_out << PrintableText::FromCp1252(m_db.UnitName()) << "\n";
    return kExitResult;
}

// A conversion in the named or the inferred category, or, when nothing names a unit, the typed
// value on its own.
int CliApp::convert() {
    const UnitNameLookup lookup(m_db, BuiltinAliases());
    std::optional<std::string> category;
    if (!m_options.category.empty()) {
        category = CategoryInference::ResolveCategory(m_db, Cp1252::FromUtf8(m_options.category));
        if (!category)
            throw CliUsageError("no category named '" + m_options.category + "'");
    }
    ReadOperands(m_options, [&](std::string_view utf8) {
        const std::string typed = Cp1252::FromTypedUtf8(utf8);
        if (!category)
            return !lookup.Find(typed).empty();
        const auto found = std::find_if(m_db.Categories().begin(), m_db.Categories().end(),
                                        [&](const CategoryRecord &c) { return c.Name == *category; });
        return found != m_db.Categories().end() && !lookup.FindIn(*found, typed).empty();
    });
    if (m_options.positional.size() == 1)
        m_options.positional.front() = WithRadixLiteralsInDecimal(m_options.positional.front());
    const std::string expression = Cp1252::FromTypedUtf8(m_options.positional.front());
    const ProgramSettings settings = CliConversion::SettingsOf(m_options);
    if (!category) {
        // A quantity whose units no single category holds is read across categories; when it
        // is none, the single-category reading and its messages stand.
        const CliQuantity acrossCategories(m_db, m_options, m_separators, m_out);
        try {
            category = inferCategory(lookup, expression);
        } catch (const CliUsageError &) {
            if (const std::optional<int> status = acrossCategories.TryRun(expression))
                return *status;
            throw;
        }
        if (!category && !CategoryInference::IsPlainValue(expression)) {
            if (const std::optional<int> status = acrossCategories.TryRun(expression))
                return *status;
        }
        if (category && *category == "Temperature Interval")
            m_err << "mensurio-cli: note: " << PrintableText::FromCp1252(*category)
                  << " converts temperature differences; for temperatures add -c Temperature\n";
        if (category)
            return convertInferred(*category, expression, acrossCategories);
    }
    if (category)
        return CliConversion(m_db, m_options, m_separators, m_out).WithRates(&m_rates).Run(*category);
    if (m_options.all)
        throw CliUsageError("--all needs a category (-c) or a unit");
    const ResultFormatOptions format{settings.ReNumber, settings.ReDeciPlace, m_separators};
    return PrintTypedValue(expression, format, m_out);
}

// The conversion in the inferred category; when that category cannot read the expression, a
// reading across categories answers instead, if there is one. The category's answer is held
// back until then, so that a conversion that reads costs nothing more.
int CliApp::convertInferred(const std::string &category, const std::string &expression,
                            const CliQuantity &acrossCategories) {
    std::ostringstream answer;
    int status = kExitResult;
    try {
        status = CliConversion(m_db, m_options, m_separators, answer).WithRates(&m_rates).Run(category);
    } catch (const CliUsageError &) {
        if (const std::optional<int> across = acrossCategories.TryRun(expression))
            return *across;
        throw;
    }
    if (status != kExitResult && !CliQuantity::ReadsIn(m_db, category, expression, m_separators.decimal)) {
        if (const std::optional<int> across = acrossCategories.TryRun(expression))
            return *across;
    }
    m_out << answer.str();
    return status;
}

std::optional<std::string> CliApp::inferCategory(const UnitNameLookup &lookup,
                                                 const std::string &expression) {
    const ProgramSettings settings = CliConversion::SettingsOf(m_options);
    std::vector<std::string> names;
    if (m_options.positional.size() > 1)
        names.push_back(lookup.FullName(Cp1252::FromTypedUtf8(m_options.positional[1])));
    for (const std::string &to : m_options.toUnits)
        names.push_back(lookup.FullName(Cp1252::FromTypedUtf8(to)));
    std::optional<std::string> category =
        CategoryInference::Infer(m_db, UnitListOptionsOf(settings), expression, names);
    if (!category && !CategoryInference::IsPlainValue(expression))
        category = lookup.CategoryReading(expression, m_separators.decimal);
    return category;
}

int CliApp::Run(const std::vector<std::string> &args) {
    std::string error;
    auto parsed = CliOptions::Parse(args, error);
    if (!parsed) {
        m_err << "mensurio-cli: " << error << "\nTry 'mensurio-cli --help'.\n";
        return kExitUsage;
    }
    m_options = *parsed;
    switch (m_options.action) {
    case CliOptions::Action::Help:
        m_out << CliOptions::UsageText();
        return kExitResult;
    case CliOptions::Action::Version:
        m_out << "mensurio-cli " << MENSURIO_VERSION << "\n";
        return kExitResult;
    case CliOptions::Action::Table:
        return CliTable::Run(args, m_err);
    case CliOptions::Action::UpdateRates:
        return CliRates::Update(CliRates::DirectoryFor(m_options.databasePath),
                                m_options.positional.empty() ? std::string() : m_options.positional.front(),
                                m_out, m_err);
    default:
        break;
    }
    if (!loadDatabase(m_options.databasePath))
        return kExitUsage;
    try {
        return runAction();
    } catch (const CliUsageError &error) {
        m_err << "mensurio-cli: " << error.what() << "\n";
        return kExitUsage;
    } catch (const std::exception &error) {
        // Not expected from any input; still a message and an exit status, never an abort.
        m_err << "mensurio-cli: " << error.what() << "\n";
        return kExitUsage;
    }
}

int CliApp::runAction() {
    switch (m_options.action) {
    case CliOptions::Action::ListCategories:
        return listCategories();
    case CliOptions::Action::ListUnits:
        return listUnits(m_options.listUnitsCategory);
    case CliOptions::Action::Find:
        return CliFind::Print(m_db, m_options.findText, m_options.findAnywhere, m_out);
    case CliOptions::Action::ExportHandheld:
        return CliExport::Run(m_db, m_options, m_out);
    default:
        if (m_options.batch)
            return CliBatch(m_db, m_options, m_separators, m_out).WithRates(&m_rates).Run(0);
        return convert();
    }
}

} // namespace mensurio
