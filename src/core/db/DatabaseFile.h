// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/UnitDatabase.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace mensurio {

/// Reader and writer of the binary units database file (magics "MNS0", "MNSA", "MNSS"
/// and the legacy form without magic).
class DatabaseFile {
  public:
    /// Reads a whole file into an empty database and returns the number of records read.
    /// Throws DatabaseFileError on a short or malformed file; sets the loaded-form flags.
    static int LoadFromFile(UnitDatabase &db, std::istream &in);
    /// The same, from the file's bytes in memory.
    static int LoadFromBytes(UnitDatabase &db, std::string_view bytes);
    /// Writes the whole database ("MNSS" when names were simplified, else "MNSA").
    /// Throws DatabaseFileError when the stream stores fewer bytes than asked.
    static void SaveToFile(const UnitDatabase &db, std::ostream &out);

    /// The file image as bytes, with the given four-byte magic.
    static std::string ToBytes(const UnitDatabase &db, const char *magic);
    /// Reads a database file by path; throws DatabaseFileError or std::system_error. A file larger
    /// than MaxFileSize is refused as malformed before it is read.
    static int LoadFromPath(UnitDatabase &db, const std::string &path);

    /// 64 MiB: several times a database of 100,000 categories with a unit each.
    static constexpr std::uintmax_t MaxFileSize = 64u * 1024u * 1024u;
};

} // namespace mensurio
