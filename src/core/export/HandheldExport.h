// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

namespace mensurio {

class UnitDatabase;

/// A handheld export that wrote nothing usable; the text (UTF-8) says which file and why.
class HandheldExportError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// The two files of the handheld database, as they go to disk.
struct HandheldDatabaseImages {
    std::string values; // "ZIZo-values": the category table and the unit factors
    std::string names;  // "ZIZo-names": the category and unit names
};

/// Writes the units database as the values and names databases of the handheld program.
class HandheldExport {
  public:
    static constexpr int MinExportNumber = 2;
    static constexpr int MaxExportNumber = 32767;

    /// Repairs the default order of every category (CheckDefaultOrder) and lays out both files.
    /// Throws HandheldExportError for an export number outside 2..32767 or a database too large
    /// for the file's 16-bit counts.
    static HandheldDatabaseImages Build(UnitDatabase &database, int exportNumber);

    /// A source of numbers drawn uniformly from 2 to 32767.
    using NumberSource = std::function<int()>;
    /// A fresh random source seeded from the clock.
    static NumberSource ClockSeededSource();
    /// Draws from `source` until the number differs from `previous` (the last export's number).
    static int DrawExportNumber(int previous, const NumberSource &source);

    /// Whether two chosen file names are to be refused as the same file: equal ignoring the
    /// letter case of A to Z, or naming the same file once "." and ".." and links are resolved.
    static bool SameFile(const std::string &first, const std::string &second);

    /// `path` with ".pdb" appended when its file name has no extension, as a save dialog with
    /// the default extension "pdb" does.
    static std::string WithDefaultExtension(const std::string &path);
};

/// Writes both files, each through an atomic replace. When the names file cannot be written
/// the values file is put back as it was, so a failure leaves no mismatched pair behind; the
/// failure is thrown as HandheldExportError and nothing claims success. One file named twice
/// (see SameFile) is refused before anything is written.
void ExportHandheldDatabases(UnitDatabase &database, const std::string &valuesPath,
                             const std::string &namesPath, int exportNumber);

} // namespace mensurio
