// SPDX-License-Identifier: MIT
#pragma once

#include "tools/makedb/CompiledCategory.h"

#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

/// The data versions of the units data source (data/versions.list): which version first shipped
/// each built-in category and unit, and which built-in units later ones replaced.
class VersionHistory {
  public:
    struct Entry {
        std::string Category; // UTF-8, as written
        std::string Unit;     // empty for a whole category
        std::string Replaces; // the replaced unit; empty for none
        int Version = 0;
        std::string File;
        int Line = 0;
    };
    struct Version {
        int Number = 0;
        std::size_t Units = 0;
        std::size_t Categories = 0;
        std::string File;
        int Line = 0;
    };

    /// Parses the file's text; fileName is used in messages. Throws SourceError.
    void ParseText(std::string_view text, const std::string &fileName);
    /// Reads and parses a file; an unreadable file throws SourceError at line 0.
    void ParseFile(const std::string &path);

    /// Checks the history against the compiled data: every listed category and unit exists, a
    /// replaced unit no longer does, nothing is listed twice, and the newest version's totals are
    /// the data's (so that new units cannot be forgotten here). Throws SourceError.
    void Check(const std::vector<CompiledCategory> &categories) const;

    /// The C++ definitions behind core/db/BuiltinHistory.h; version 1 and no entries when empty.
    std::string Cpp() const;

    const std::vector<Entry> &Entries() const { return m_entries; }
    int Newest() const { return m_versions.empty() ? 1 : m_versions.back().Number; }

  private:
    void addVersion(std::string_view rest, const std::string &file, int line);
    void addEntry(std::string_view keyword, std::string_view rest, const std::string &file, int line);

    std::vector<Version> m_versions;
    std::vector<Entry> m_entries;
};

} // namespace mensurio
