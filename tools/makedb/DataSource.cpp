// SPDX-License-Identifier: MIT
#include "tools/makedb/DataSource.h"

#include "core/db/UnitDatabase.h"
#include "tools/makedb/SourceError.h"
#include "tools/makedb/SourceText.h"

#include <fstream>
#include <sstream>

namespace mensurio {

namespace {

constexpr std::string_view CategoryKeyword = "category:";
constexpr std::string_view SymbolSourceKeyword = "symbol source:";
constexpr std::string_view DimensionKeyword = "dimension:";
constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// The comma-separated items of field 5 or 6; an empty field has none.
std::vector<std::string> SplitItems(std::string_view field, const char *what, const std::string &unit,
                                    const std::string &file, int line) {
    std::vector<std::string> items;
    if (field.empty())
        return items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = field.find(',', start);
        const std::string_view item =
            TrimSourceText(field.substr(start, comma == std::string_view::npos ? comma : comma - start));
        if (item.empty())
            throw SourceError(
                file, line, "unit '" + unit + "' has an empty " + what + " in '" + std::string(field) + "'");
        items.emplace_back(item);
        if (comma == std::string_view::npos)
            return items;
        start = comma + 1;
    }
}

} // namespace

void DataSource::ParseFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw SourceError(path, 0, "cannot open the file");
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        throw SourceError(path, 0, "cannot read the file");
    ParseText(text.str(), path);
}

void DataSource::ParseText(std::string_view text, const std::string &fileName) {
    if (text.substr(0, Utf8Bom.size()) == Utf8Bom)
        text.remove_prefix(Utf8Bom.size());
    m_inCategory = false;
    m_symbolSource.clear();
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view raw = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        const std::string_view line = TrimSourceText(raw);
        if (line.empty() || line.front() == '#')
            continue;
        if (line.substr(0, CategoryKeyword.size()) == CategoryKeyword)
            startCategory(TrimSourceText(line.substr(CategoryKeyword.size())), fileName, lineNumber);
        else if (line.substr(0, SymbolSourceKeyword.size()) == SymbolSourceKeyword)
            setSymbolSource(TrimSourceText(line.substr(SymbolSourceKeyword.size())), fileName, lineNumber);
        else if (line.substr(0, DimensionKeyword.size()) == DimensionKeyword)
            setDimension(TrimSourceText(line.substr(DimensionKeyword.size())), fileName, lineNumber);
        else
            addUnit(line, fileName, lineNumber);
    }
}

void DataSource::startCategory(std::string_view name, const std::string &file, int line) {
    if (name.empty())
        throw SourceError(file, line, "category without a name");
    for (const SourceCategory &other : m_categories) {
        if (UnitDatabase::SameNameIgnoringCase(other.Name, name))
            throw SourceError(file, line,
                              "category '" + std::string(name) + "' appears twice (first at " + other.File +
                                  ":" + std::to_string(other.Line) + ")");
    }
    SourceCategory category;
    category.Name = name;
    category.File = file;
    category.Line = line;
    m_categories.push_back(std::move(category));
    m_inCategory = true;
}

void DataSource::setSymbolSource(std::string_view citation, const std::string &file, int line) {
    if (citation.empty())
        throw SourceError(file, line, "'symbol source:' without a citation");
    m_symbolSource = citation;
}

// The line is kept as text here; DimensionCompiler reads it. Its place is checked here,
// where the order of the lines is known: one per category, before the first unit.
void DataSource::setDimension(std::string_view text, const std::string &file, int line) {
    if (!m_inCategory)
        throw SourceError(file, line, "'dimension:' line before any 'category:' line");
    SourceCategory &category = m_categories.back();
    if (category.DimensionLine != 0)
        throw SourceError(file, line,
                          "second 'dimension:' line in category '" + category.Name + "' (first at " +
                              category.File + ":" + std::to_string(category.DimensionLine) + ")");
    if (!category.Units.empty())
        throw SourceError(file, line,
                          "'dimension:' line after the first unit of category '" + category.Name +
                              "'; it belongs before the units");
    category.Dimension = text;
    category.DimensionLine = line;
}

void DataSource::addUnit(std::string_view line, const std::string &file, int lineNumber) {
    if (!m_inCategory)
        throw SourceError(file, lineNumber, "unit line before any 'category:' line");
    std::vector<std::string> fields = SplitSourceFields(line);
    if (fields.size() < 4 || fields.size() > 6)
        throw SourceError(file, lineNumber,
                          "expected 4 fields 'name | value | reference | source', optionally followed by "
                          "'| symbols | spellings', found " +
                              std::to_string(fields.size()));
    if (fields[0].empty())
        throw SourceError(file, lineNumber, "unit without a name");
    if (fields[1].empty())
        throw SourceError(file, lineNumber, "unit '" + fields[0] + "' has no value");
    if (fields[3].empty())
        throw SourceError(file, lineNumber, "unit '" + fields[0] + "' has no source");
    SourceUnit unit;
    unit.Name = std::move(fields[0]);
    unit.Value = std::move(fields[1]);
    unit.Reference = std::move(fields[2]);
    unit.Source = std::move(fields[3]);
    if (fields.size() > 4)
        unit.Symbols = SplitItems(fields[4], "symbol", unit.Name, file, lineNumber);
    if (fields.size() > 5)
        unit.Spellings = SplitItems(fields[5], "spelling", unit.Name, file, lineNumber);
    unit.SymbolSource = m_symbolSource;
    unit.File = file;
    unit.Line = lineNumber;
    m_categories.back().Units.push_back(std::move(unit));
}

} // namespace mensurio
