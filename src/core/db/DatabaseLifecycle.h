// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/UnitDatabase.h"

#include <functional>
#include <string>

namespace mensurio {

class Prompts;
struct FileLocations;

/// The start and exit sequences of the units database: load "units.dat" beside the
/// executable with the fallback to "default.dat", and write it back at exit.
class DatabaseLifecycle {
  public:
    static constexpr const char *UnitsFile = "units.dat";
    static constexpr const char *DefaultFile = "default.dat";
    static constexpr const char *BackupFile = "units.~da";
    static constexpr const char *CorruptedText =
        "The units database is corrupted. The default database will be loaded.";
    /// First line; the second names the file and why it did not load.
    static constexpr const char *NoDefaultText = "Can not load the default database.";
    /// Followed by the path and the system's reason.
    static constexpr const char *SaveFailedText = "Can not save the units database ";
    static constexpr const char *Title = "Mensurio";
    /// After "<path> is a FIFO" (or a socket, device, directory) when units.dat is not a file.
    static constexpr const char *NotAFileText =
        ", not a file. It is not read and not written; the default database will be loaded.";
    /// Before the folder of units.dat and the system's reason when that folder is missing.
    static constexpr const char *NoFolderText = "There is no folder for the units database: ";
    static constexpr const char *DefaultLoadedText = "The default database will be loaded.";
    /// Before the path and what it is when units.dat is not a file at exit.
    static constexpr const char *NotSavedText = "The changes of this session are not saved: ";
    /// Second line of CorruptedText when the unreadable file exists: where it will be kept.
    static constexpr const char *KeptText = "The unreadable file will be kept as ";
    /// Last line of the start message when units.dat is a link whose target did not load.
    static constexpr const char *LinkNotWrittenText =
        "The changes of this session can not be saved there: the link and the file it points to "
        "stay as they are. When you exit, you can save the changes in another file.";
    /// The exit question then, after the sentence that says why.
    static constexpr const char *SaveElsewhereText =
        "Save the changes of this session in another file? Cancel drops them.";
    static constexpr const char *SaveElsewhereTitle = "Save the units database";
    static constexpr const char *SavedElsewhereName = "units-saved.dat"; // proposed in the dialog
    static constexpr const char *SaveElsewhereFilter = "Units databases (*.dat);;All files (*)";
    /// After the chosen path when the user chose the file that did not load.
    static constexpr const char *NotThatFileText = " is the file that did not load; it is not written.";

    /// Fills `db` from units.dat in `dir` (never opened when it is not a regular file), falling back to
    /// default.dat in `defaultDir` (empty: `dir` too). Returns false when neither file could be read: the
    /// caller then ends the process with exit code 0 and writes nothing.
    static bool LoadDatabaseAtStart(UnitDatabase &db, const std::string &dir, Prompts &prompts,
                                    bool showHidden, const std::string &defaultDir = {});

    /// Backs up a legacy file once, writes the database (atomically, with the Retry/Cancel
    /// prompt on failure) and clears it. Returns true when the file was written. Writing follows
    /// a symbolic link to its target, refuses a file the user may not write, and first renames a
    /// file that does not load as a database to KeptPathFor() so that nothing is lost. A link
    /// whose target did not load at start is left alone: when the database changed, the user may
    /// save it in another file instead (returns false then too).
    static bool SaveDatabaseAtExit(UnitDatabase &db, const std::string &dir, Prompts &prompts);

    /// Where an unreadable database file at `path` is kept: path + ".bad", or ".bad2", ".bad3"...
    /// when that exists.
    static std::string KeptPathFor(const std::string &path);

    /// How the command-line programs read, never writing anything: `explicitPath` when given;
    /// else the user's units.dat and, when it is missing or damaged, default.dat. `warnDamaged`
    /// is told the path of a damaged units.dat. `path` is the file read or, on failure (false,
    /// with `db` empty), the file that could not be read.
    static bool LoadForReading(UnitDatabase &db, const std::string &explicitPath,
                               const FileLocations &locations, std::string &path,
                               const std::function<void(const std::string &)> &warnDamaged);

  private:
    /// `reason`, when given, receives why the file did not load, for the user.
    static bool tryLoad(UnitDatabase &db, const std::string &path, std::string *reason = nullptr);
    /// `reason` receives why the file could not be written, for the user.
    static bool trySave(const UnitDatabase &db, const std::string &path, bool failedAtStart,
                        std::string &reason);
    static void saveElsewhere(const UnitDatabase &db, const std::string &linkPath, Prompts &prompts);
    static bool keepIfUnreadable(const std::string &path, bool failedAtStart);
};

} // namespace mensurio
