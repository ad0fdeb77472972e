// SPDX-License-Identifier: MIT
#include "cli/CliApp.h"

#include "core/db/Cp1252.h"
#include "core/db/DatabaseFile.h"
#include "core/db/DatabaseLifecycle.h"
#include "core/platform/FileOps.h"
#include "core/platform/Paths.h"

#include <exception>
#include <ostream>

namespace mensurio {

namespace {
constexpr int ExitResult = 0;
constexpr int ExitMessage = 1;
constexpr int ExitUsage = 2;
} // namespace

bool CliApp::loadDatabase(const std::string& explicitPath)
{
    std::string path = explicitPath;
    if (path.empty()) {
        const std::string dir = Paths::ExecutableDirectory();
        path = FileOps::Join(dir, DatabaseLifecycle::UnitsFile);
        if (!FileOps::Exists(path))
            path = FileOps::Join(dir, DatabaseLifecycle::DefaultFile);
    }
    try {
        DatabaseFile::LoadFromPath(m_db, path);
        m_db.SkipHidden = false;
        return true;
    } catch (const std::exception&) {
        m_err << "mensurio-cli: cannot read the units database " << path << "\n";
        return false;
    }
}

int CliApp::listCategories()
{
    for (m_db.FirstCategory(); m_db.HasCategory(); m_db.NextCategory())
        m_out << Cp1252::ToUtf8(m_db.CategoryName()) << "\n";
    return ExitResult;
}

int CliApp::listUnits(const std::string& category)
{
    if (!m_db.SelectCategory(Cp1252::FromUtf8(category))) {
        m_err << "mensurio-cli: no category named " << category << "\n";
        return ExitUsage;
    }
    for (m_db.FirstUnit(); m_db.HasUnit(); m_db.NextUnit())
        m_out << Cp1252::ToUtf8(m_db.UnitName()) << "\n";
    return ExitResult;
}

int CliApp::Run(const std::vector<std::string>& args)
{
    std::string error;
    auto parsed = CliOptions::Parse(args, error);
    if (!parsed) {
        m_err << "mensurio-cli: " << error << "\nTry 'mensurio-cli --help'.\n";
        return ExitUsage;
    }
    m_options = *parsed;
    switch (m_options.action) {
    case CliOptions::Action::Help:
        m_out << CliOptions::UsageText();
        return ExitResult;
    case CliOptions::Action::Version:
        m_out << "mensurio-cli " << MENSURIO_VERSION << "\n";
        return ExitResult;
    default:
        break;
    }
    if (!loadDatabase(m_options.databasePath))
        return ExitUsage;
    switch (m_options.action) {
    case CliOptions::Action::ListCategories:
        return listCategories();
    case CliOptions::Action::ListUnits:
        return listUnits(m_options.listUnitsCategory);
    default:
        m_err << "mensurio-cli: conversions are not available in this build\n";
        return ExitUsage;
    }
}

} // namespace mensurio
