// SPDX-License-Identifier: MIT
#pragma once

#include "core/export/HandheldExport.h"

#include <string>

namespace mensurio {

class Prompts;
class UnitDatabase;
struct ProgramSettings;

/// The window's handheld export command: the notice, the names and values save dialogs, the
/// refusal of one file chosen twice, a fresh export number and the export itself.
class HandheldExportCommand {
  public:
    static constexpr char kNotice[] =
        "The unit database for Palm version of Mensurio consists of two files. To install new database into "
        "your Palm these two files have to be uploaded at the same time and the Mensurio for Palm must not "
        "be "
        "running. Otherwise the uploaded database will be overwritten by the default database.";
    static constexpr char kSameFileMessage[] = "You have to enter two different files.";
    static constexpr char kFilter[] = "Palm Database File (*.pdb)";
    static constexpr char kNamesTitle[] = "Save Handheld Names Database";
    static constexpr char kValuesTitle[] = "Save Handheld Values Database";

    /// `startFolder`: where the names dialog starts; the values dialog starts where the names
    /// file was put. `numbers` draws the export numbers (clock-seeded unless a test scripts it).
    HandheldExportCommand(Prompts &prompts, UnitDatabase &database, ProgramSettings &settings,
                          std::string startFolder,
                          HandheldExport::NumberSource numbers = HandheldExport::ClockSeededSource());

    /// Runs the dialogue. True when both files were written; only then does `palmverze` take
    /// the new export number. Cancelling, the refusal and a failed write change nothing.
    bool Run();

  private:
    std::string askFile(const char *title, const std::string &folder, const char *proposed);
    void fail(const std::string &text);

    Prompts &m_prompts;
    UnitDatabase &m_database;
    ProgramSettings &m_settings;
    std::string m_startFolder;
    HandheldExport::NumberSource m_numbers;
};

} // namespace mensurio
