// SPDX-License-Identifier: MIT
#include "ui/mainwindow/HandheldExportCommand.h"

#include "core/db/Cp1252.h"
#include "core/platform/FileOps.h"
#include "core/platform/Prompts.h"
#include "core/settings/ProgramSettings.h"

#include <utility>

namespace mensurio {

HandheldExportCommand::HandheldExportCommand(Prompts &prompts, UnitDatabase &database,
                                             ProgramSettings &settings, std::string startFolder,
                                             HandheldExport::NumberSource numbers)
    : m_prompts(prompts), m_database(database), m_settings(settings), m_startFolder(std::move(startFolder)),
      m_numbers(std::move(numbers)) {}

bool HandheldExportCommand::Run() {
    m_prompts.Beep();
    m_prompts.Information(kNotice);
    const std::string names = askFile(kNamesTitle, m_startFolder, "names.pdb");
    if (names.empty())
        return false;
    const std::string values = askFile(kValuesTitle, FileOps::DirectoryOf(names), "values.pdb");
    if (values.empty())
        return false;
    if (HandheldExport::SameFile(names, values)) {
        fail(kSameFileMessage);
        return false;
    }
    const int number = HandheldExport::DrawExportNumber(m_settings.palmverze, m_numbers);
    try {
        ExportHandheldDatabases(m_database, values, names, number);
    } catch (const HandheldExportError &error) {
        fail(Cp1252::FromUtf8(error.what()));
        return false;
    }
    // Remembered only once both files are on disk, so the next export draws a different one.
    m_settings.palmverze = number;
    return true;
}

std::string HandheldExportCommand::askFile(const char *title, const std::string &folder,
                                           const char *proposed) {
    const std::string chosen = m_prompts.SaveFileName(title, folder, proposed, kFilter);
    return chosen.empty() ? chosen : HandheldExport::WithDefaultExtension(chosen);
}

void HandheldExportCommand::fail(const std::string &text) {
    m_prompts.Beep();
    m_prompts.Error(text);
}

} // namespace mensurio
