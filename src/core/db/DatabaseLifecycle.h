// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/UnitDatabase.h"

#include <string>

namespace mensurio {

class Prompts;

/// The start and exit sequences of the units database: load "units.dat" beside the
/// executable with the fallback to "default.dat", and write it back at exit.
class DatabaseLifecycle {
public:
    static constexpr const char* UnitsFile = "units.dat";
    static constexpr const char* DefaultFile = "default.dat";
    static constexpr const char* BackupFile = "units.~da";
    static constexpr const char* CorruptedText = "The units database is corrupted. The default database will be loaded.";
    static constexpr const char* NoDefaultText = "Can not load the default database.";
    static constexpr const char* SaveFailedText =
        "Can not save the units database. Probably disk is full or you do not have right to write.";
    static constexpr const char* Title = "Mensurio";

    /// Fills `db` from units.dat in `dir`, falling back to default.dat in `defaultDir` (empty:
    /// `dir` too). Returns false when neither file could be read: the caller then ends the
    /// process with exit code 0 and writes nothing.
    static bool LoadDatabaseAtStart(UnitDatabase& db, const std::string& dir, Prompts& prompts, bool showHidden,
                                    const std::string& defaultDir = {});

    /// Backs up a legacy file once, writes the database (atomically, with the Retry/Cancel
    /// prompt on failure) and clears it. Returns true when the file was written.
    static bool SaveDatabaseAtExit(UnitDatabase& db, const std::string& dir, Prompts& prompts);

private:
    static bool tryLoad(UnitDatabase& db, const std::string& path);
    static bool trySave(const UnitDatabase& db, const std::string& path);
};

} // namespace mensurio
