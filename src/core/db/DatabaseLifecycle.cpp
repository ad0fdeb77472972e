// SPDX-License-Identifier: MIT
#include "core/db/DatabaseLifecycle.h"

#include "core/db/DatabaseFile.h"
#include "core/platform/FileOps.h"
#include "core/platform/Prompts.h"

#include <exception>

namespace mensurio {

bool DatabaseLifecycle::tryLoad(UnitDatabase& db, const std::string& path)
{
    try {
        DatabaseFile::LoadFromPath(db, path);
        return true;
    } catch (const std::exception&) {
        // A short, malformed, missing or unreadable file: the caller falls back.
        return false;
    }
}

bool DatabaseLifecycle::LoadDatabaseAtStart(UnitDatabase& db, const std::string& dir, Prompts& prompts,
                                            bool showHidden)
{
    db = UnitDatabase();
    // A save killed mid-write leaves its temporary file; the database it was writing is intact.
    FileOps::RemoveStaleTemporaries(FileOps::Join(dir, UnitsFile));
    if (!tryLoad(db, FileOps::Join(dir, UnitsFile))) {
        prompts.Beep();
        prompts.Error(CorruptedText);
        db.Clear();
        db = UnitDatabase(); // nothing of the failed read survives, flags included
        if (!tryLoad(db, FileOps::Join(dir, DefaultFile))) {
            prompts.Beep();
            prompts.Error(NoDefaultText);
            db.Clear();
            return false;
        }
    }
    db.SkipHidden = !showHidden;
    return true;
}

bool DatabaseLifecycle::trySave(const UnitDatabase& db, const std::string& path)
{
    try {
        if (FileOps::Exists(path) && FileOps::IsReadOnly(path))
            FileOps::ClearReadOnly(path);
        FileOps::AtomicReplace(path, DatabaseFile::ToBytes(db, db.NamesSimplified ? "MNSS" : "MNSA"));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool DatabaseLifecycle::SaveDatabaseAtExit(UnitDatabase& db, const std::string& dir, Prompts& prompts)
{
    const std::string path = FileOps::Join(dir, UnitsFile);
    if (db.LoadedLegacy)
        FileOps::CopyIfAbsent(path, FileOps::Join(dir, BackupFile)); // never overwrites; failure ignored
    bool saved = false;
    for (;;) {
        saved = trySave(db, path);
        if (saved)
            break;
        prompts.Beep();
        if (!prompts.RetryCancel(SaveFailedText, Title))
            break;
    }
    db.Clear();
    return saved;
}

} // namespace mensurio
