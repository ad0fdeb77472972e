// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

/// One unit line of the data source, as written (UTF-8, fields trimmed).
struct SourceUnit {
    std::string Name;
    std::string Value;
    std::string Reference;
    std::string Source;
    std::vector<std::string> Symbols;   // field 5, items in order
    std::vector<std::string> Spellings; // field 6, items in order
    std::string SymbolSource;           // the "symbol source:" line in force; empty before the first
    std::string File;
    int Line = 0;
};

/// One "category:" block of the data source with its unit lines in order.
struct SourceCategory {
    std::string Name;
    std::string File;
    int Line = 0;
    std::string Dimension; // the text after "dimension:", trimmed
    int DimensionLine = 0; // 0 while the category has no "dimension:" line
    std::vector<SourceUnit> Units;
};

/// Reads the units data source files (data/*.txt) line by line into categories,
/// refusing malformed lines, missing sources, empty symbol or spelling items,
/// categories that appear twice and misplaced or repeated "dimension:" lines.
class DataSource {
  public:
    /// Parses one file's text; fileName is used in messages. Throws SourceError.
    void ParseText(std::string_view text, const std::string &fileName);
    /// Reads and parses a file; an unreadable file throws SourceError at line 0.
    void ParseFile(const std::string &path);

    const std::vector<SourceCategory> &Categories() const { return m_categories; }

  private:
    void startCategory(std::string_view name, const std::string &file, int line);
    void setSymbolSource(std::string_view citation, const std::string &file, int line);
    void setDimension(std::string_view text, const std::string &file, int line);
    void addUnit(std::string_view line, const std::string &file, int lineNumber);

    std::vector<SourceCategory> m_categories;
    bool m_inCategory = false;  // a category was started in the current file
    std::string m_symbolSource; // the "symbol source:" in force in the current file
};

} // namespace mensurio
