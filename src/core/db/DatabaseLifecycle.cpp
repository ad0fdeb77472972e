// SPDX-License-Identifier: MIT
#include "core/db/DatabaseLifecycle.h"

#include "core/db/DatabaseFile.h"
#include "core/platform/FileOps.h"
#include "core/platform/Paths.h"
#include "core/platform/Prompts.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace mensurio {

namespace {

// Where a symbolic link points, as the user would look for it (relative targets joined to the
// link's folder); empty when the path is no link.
std::string LinkTextOf(const std::string &path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return {};
    std::string target(4096, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n <= 0)
        return "?";
    target.resize(static_cast<std::size_t>(n));
    return target[0] == '/' ? target : FileOps::Join(FileOps::DirectoryOf(path), target);
}

// Whether `chosen` names the link `linkPath` itself or the file behind it.
bool SameFileAs(const std::string &chosen, const std::string &linkPath) {
    struct stat a {};
    struct stat b {};
    if (::lstat(chosen.c_str(), &a) == 0 && ::lstat(linkPath.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
        a.st_ino == b.st_ino)
        return true;
    return ::stat(chosen.c_str(), &a) == 0 && ::stat(linkPath.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

} // namespace

bool DatabaseLifecycle::tryLoad(UnitDatabase &db, const std::string &path, std::string *reason) {
    try {
        DatabaseFile::LoadFromPath(db, path);
        return true;
    } catch (const std::system_error &error) {
        // A missing or unreadable file, or anything but a file: the caller falls back.
        if (reason != nullptr) {
            const std::string kind = FileOps::NotRegularKind(path);
            *reason = kind.empty() ? error.code().message() : "it is " + kind + ", not a file";
        }
    } catch (const std::exception &) {
        // A short or malformed file.
        if (reason != nullptr)
            *reason = "it is not a units database, or it is cut short";
    }
    return false;
}

bool DatabaseLifecycle::LoadDatabaseAtStart(UnitDatabase &db, const std::string &dir, Prompts &prompts,
                                            bool showHidden, const std::string &defaultDir) {
    db = UnitDatabase();
    const std::string unitsPath = FileOps::Join(dir, UnitsFile);
    // A save or backup killed mid-write leaves its temporary file; the file it was writing is intact.
    FileOps::RemoveStaleTemporaries(unitsPath);
    FileOps::RemoveStaleTemporaries(FileOps::Join(dir, BackupFile));
    const std::string notRegular = FileOps::NotRegularKind(unitsPath);
    std::string failure;
    if (!notRegular.empty() || !tryLoad(db, unitsPath, &failure)) {
        std::string message = CorruptedText;
        std::string notSavable;
        const std::string target = FileOps::ResolveLink(unitsPath);
        const bool unreadableExists = FileOps::Exists(target);
        struct stat folder {};
        const int folderError = ::stat(dir.c_str(), &folder) != 0 ? errno
                                : S_ISDIR(folder.st_mode)         ? 0
                                                                  : ENOTDIR;
        if (!notRegular.empty()) {
            // Nothing is kept aside or written there: say what the path is.
            message = unitsPath + " is " + notRegular + NotAFileText;
        } else if (folderError != 0) {
            // No folder to hold the file: nothing is damaged, say what is missing and why.
            message = std::string(NoFolderText) + dir + ": " + std::strerror(folderError) + ".\n" +
                      DefaultLoadedText;
        } else if (const std::string link = LinkTextOf(unitsPath); !link.empty()) {
            // Another file is behind the name (a shell start-up file, a database elsewhere that
            // is damaged or missing): nothing is written through the link, nothing replaces it.
            notSavable = unitsPath + " is a link to " + link + ", which can not be loaded: " + failure;
            message = notSavable + ".\n" + DefaultLoadedText + "\n" + LinkNotWrittenText;
        } else if (unreadableExists) {
            const std::string kept = KeptPathFor(target);
            message += std::string("\n") + KeptText + kept.substr(kept.find_last_of('/') + 1) + ".";
        }
        prompts.Beep();
        prompts.Error(message);
        db.Clear();
        db = UnitDatabase(); // nothing of the failed read survives, flags included
        const std::string defaultPath = FileOps::Join(defaultDir.empty() ? dir : defaultDir, DefaultFile);
        std::string reason;
        if (!tryLoad(db, defaultPath, &reason)) {
            prompts.Beep();
            prompts.Error(std::string(NoDefaultText) + "\n" + defaultPath + ": " + reason + ".");
            db.Clear();
            return false;
        }
        db.LoadedFallback = unreadableExists;
        if (!notSavable.empty()) {
            db.NotSavableReason = notSavable;
            db.ContentAtLoad = DatabaseFile::ToBytes(db, "MNSA");
        }
    }
    db.SkipHidden = !showHidden;
    return true;
}

namespace {

// Whether a name is taken by anything, a dangling symbolic link included.
bool nameTaken(const std::string &path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

} // namespace

std::string DatabaseLifecycle::KeptPathFor(const std::string &path) {
    std::string kept = path + ".bad";
    for (int number = 2; nameTaken(kept); ++number)
        kept = path + ".bad" + std::to_string(number);
    return kept;
}

// A file that did not load at start, or does not load now (damaged, cut short, unreadable), is
// never overwritten: it is renamed beside itself first. Returns false when it could not be kept.
bool DatabaseLifecycle::keepIfUnreadable(const std::string &path, bool failedAtStart) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return true; // nothing to keep; anything but a file makes the write itself fail
    UnitDatabase probe;
    if (!failedAtStart && tryLoad(probe, path))
        return true;
    return FileOps::RenameIfAbsent(path, KeptPathFor(path));
}

bool DatabaseLifecycle::trySave(const UnitDatabase &db, const std::string &linkOrPath, bool failedAtStart,
                                std::string &reason) {
    // A symbolic link keeps pointing where it did: its target is replaced.
    const std::string path = FileOps::ResolveLink(linkOrPath);
    try {
        if (FileOps::Exists(path) && FileOps::IsReadOnly(path))
            FileOps::ClearReadOnly(path);
        // A file the user may not write (another user's) is refused, not replaced by the rename.
        if (FileOps::Exists(path) && ::access(path.c_str(), W_OK) != 0) {
            reason = std::strerror(errno);
            return false;
        }
        if (!keepIfUnreadable(path, failedAtStart)) {
            reason =
                std::string("the file that did not load could not be kept aside: ") + std::strerror(errno);
            return false;
        }
        FileOps::AtomicReplace(path, DatabaseFile::ToBytes(db, db.NamesSimplified ? "MNSS" : "MNSA"));
        return true;
    } catch (const std::system_error &error) {
        reason = error.code().message();
    } catch (const std::exception &error) {
        reason = error.what();
    }
    return false;
}

// The changes of a session whose units.dat may not be written: asked until the user saves them
// in a file that can be written or drops them.
void DatabaseLifecycle::saveElsewhere(const UnitDatabase &db, const std::string &linkPath, Prompts &prompts) {
    if (DatabaseFile::ToBytes(db, "MNSA") == db.ContentAtLoad)
        return; // nothing changed, nothing to lose
    for (;;) {
        prompts.Beep();
        if (!prompts.Confirm(db.NotSavableReason + ".\n" + SaveElsewhereText))
            return;
        const std::string chosen = prompts.SaveFileName(SaveElsewhereTitle, FileOps::DirectoryOf(linkPath),
                                                        SavedElsewhereName, SaveElsewhereFilter);
        if (chosen.empty())
            continue;
        std::string reason;
        if (SameFileAs(chosen, linkPath)) {
            prompts.Beep();
            prompts.Error(chosen + NotThatFileText);
        } else if (trySave(db, chosen, false, reason)) {
            return;
        } else {
            prompts.Beep();
            prompts.Error(SaveFailedText + chosen + ": " + reason + ".");
        }
    }
}

bool DatabaseLifecycle::SaveDatabaseAtExit(UnitDatabase &db, const std::string &dir, Prompts &prompts) {
    const std::string path = FileOps::Join(dir, UnitsFile);
    if (!db.NotSavableReason.empty()) {
        saveElsewhere(db, path, prompts);
        db.Clear();
        return false;
    }
    // A FIFO, socket, device or directory there is never written: no prompt to retry.
    if (const std::string kind = FileOps::NotRegularKind(path); !kind.empty()) {
        prompts.Beep();
        prompts.Error(NotSavedText + path + " is " + kind + ", not a file.");
        db.Clear();
        return false;
    }
    if (db.LoadedLegacy)
        FileOps::CopyIfAbsent(path, FileOps::Join(dir, BackupFile)); // never overwrites; failure ignored
    bool saved = false;
    for (;;) {
        std::string reason;
        saved = trySave(db, path, db.LoadedFallback, reason);
        if (saved)
            break;
        prompts.Beep();
        if (!prompts.RetryCancel(SaveFailedText + path + ": " + reason + ".", Title))
            break;
    }
    db.Clear();
    return saved;
}

bool DatabaseLifecycle::LoadForReading(UnitDatabase &db, const std::string &explicitPath,
                                       const FileLocations &locations, std::string &path,
                                       const std::function<void(const std::string &)> &warnDamaged) {
    const auto load = [&db](const std::string &file) {
        try {
            DatabaseFile::LoadFromPath(db, file);
            return true;
        } catch (const std::exception &) {
            db = UnitDatabase();
            return false;
        }
    };
    if (!explicitPath.empty()) {
        path = explicitPath;
        return load(path);
    }
    path = FileOps::Join(locations.userDirectory, UnitsFile);
    if (FileOps::Exists(path)) {
        if (load(path))
            return true;
        if (warnDamaged)
            warnDamaged(path);
    }
    path = FileOps::Join(locations.defaultDirectory, DefaultFile);
    return load(path);
}

} // namespace mensurio
