// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace mensurio {

/// File helpers the start and exit sequences need: the read-only bit, copying without
/// overwriting, and replacing a file atomically so a failed write never loses the old one.
class FileOps {
  public:
    static bool Exists(const std::string &path);
    /// "Read-only" means the owner may not write.
    static bool IsReadOnly(const std::string &path);
    /// Gives the owner write permission; other bits unchanged. Returns false on failure.
    static bool ClearReadOnly(const std::string &path);
    /// Copies src to dst; fails when dst exists. The copy is written to a temporary file beside
    /// dst and renamed to dst only when complete, so dst never holds a partial copy.
    static bool CopyIfAbsent(const std::string &src, const std::string &dst);
    /// Renames `from` to `to` unless `to` exists (never overwrites). Returns false on failure.
    static bool RenameIfAbsent(const std::string &from, const std::string &to);
    /// The file a symbolic link finally points to; any other path (or a dangling link) as given.
    static std::string ResolveLink(const std::string &path);
    /// Writes `bytes` to a temporary file beside `path`, flushes it to disk and renames it
    /// over `path`. The new file keeps the old one's mode, always readable and writable by its
    /// owner. Throws std::system_error on failure; `path` is then unchanged. Temporary files of
    /// earlier replaces whose process died are removed first.
    static void AtomicReplace(const std::string &path, std::string_view bytes);
    /// Removes the temporary files AtomicReplace leaves beside `path` when its process is killed
    /// mid-write: "." + file name + "." + pid + "." + number + ".tmp", only when no process of that
    /// id runs any more and the file is not locked (its writer holds a lock on it while writing).
    /// Other files are never touched. Returns how many were removed.
    static int RemoveStaleTemporaries(const std::string &path);
    /// Whether `entry` (a file name without folder) is one of those temporary names for `path`;
    /// gives the process id in the name.
    static bool IsTemporaryNameOf(const std::string &path, const std::string &entry, long &pid);
    /// What `path` (links followed) is when it exists and is not a regular file: "a FIFO",
    /// "a socket", "a device", "a directory" or "not a regular file"; empty for a regular file
    /// or a missing path. Looks at the path only, never opens it: opening a FIFO waits for a
    /// writer, and opening a device may act on it.
    static std::string NotRegularKind(const std::string &path);
    /// Opens a regular file for reading. Anything else is refused without waiting (ENODEV
    /// for a FIFO, socket or device, EISDIR for a directory); -1 with errno set on failure.
    static int OpenRegularForReading(const std::string &path);
    static std::string ReadAll(const std::string &path); // throws std::system_error
    static std::string DirectoryOf(const std::string &path);
    static std::string Join(const std::string &dir, const std::string &name);
};

} // namespace mensurio
