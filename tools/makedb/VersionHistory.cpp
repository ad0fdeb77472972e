// SPDX-License-Identifier: MIT
#include "tools/makedb/VersionHistory.h"

#include "core/db/Cp1252.h"
#include "tools/makedb/AliasesSource.h"
#include "tools/makedb/SourceError.h"
#include "tools/makedb/SourceText.h"

#include <charconv>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <utility>

namespace mensurio {

namespace {

// A whole number at the start of text, and the rest after it.
bool ReadNumber(std::string_view &text, std::size_t &number) {
    text = TrimSourceText(text);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end == text.data())
        return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return true;
}

bool Consume(std::string_view &text, std::string_view word) {
    text = TrimSourceText(text);
    if (text.substr(0, word.size()) != word)
        return false;
    text.remove_prefix(word.size());
    return true;
}

std::string Cp1252Name(const std::string &utf8, const std::string &file, int line) {
    std::string name;
    if (!Cp1252::TryFromUtf8(utf8, name))
        throw SourceError(file, line, "'" + utf8 + "' holds a character that Windows-1252 cannot hold");
    return name;
}

} // namespace

void VersionHistory::ParseFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw SourceError(path, 0, "cannot read the file");
    std::ostringstream text;
    text << in.rdbuf();
    ParseText(text.str(), path);
}

void VersionHistory::ParseText(std::string_view text, const std::string &fileName) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = TrimSourceText(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t colon = line.find(':');
        const std::string_view keyword = line.substr(0, colon);
        if (colon == std::string_view::npos)
            throw SourceError(fileName, lineNumber,
                              "expected 'version', 'category:', 'unit:' or 'replaced:'");
        if (keyword.substr(0, 8) == "version ")
            addVersion(line.substr(8), fileName, lineNumber);
        else
            addEntry(keyword, line.substr(colon + 1), fileName, lineNumber);
    }
}

void VersionHistory::addVersion(std::string_view rest, const std::string &file, int line) {
    Version version{0, 0, 0, file, line};
    std::size_t number = 0;
    if (!ReadNumber(rest, number) || !Consume(rest, ":") || !ReadNumber(rest, version.Units) ||
        !Consume(rest, "units,") || !ReadNumber(rest, version.Categories) || !Consume(rest, "categories") ||
        !TrimSourceText(rest).empty())
        throw SourceError(file, line, "expected 'version N: U units, C categories'");
    version.Number = static_cast<int>(number);
    const int expected = m_versions.empty() ? 1 : m_versions.back().Number + 1;
    if (version.Number != expected)
        throw SourceError(file, line, "expected version " + std::to_string(expected));
    m_versions.push_back(std::move(version));
}

void VersionHistory::addEntry(std::string_view keyword, std::string_view rest, const std::string &file,
                              int line) {
    const std::vector<std::string> fields = SplitSourceFields(rest);
    const std::size_t wanted = keyword == "category"   ? 1
                               : keyword == "unit"     ? 2
                               : keyword == "replaced" ? 3
                                                       : 0;
    if (wanted == 0)
        throw SourceError(file, line, "expected 'version', 'category:', 'unit:' or 'replaced:'");
    if (fields.size() != wanted)
        throw SourceError(file, line,
                          "'" + std::string(keyword) + ":' takes " + std::to_string(wanted) +
                              " name(s) separated by '|'");
    for (const std::string &field : fields) {
        if (field.empty())
            throw SourceError(file, line, "empty name");
    }
    if (m_versions.empty())
        throw SourceError(file, line, "an entry before the first 'version' line");
    if (m_versions.back().Number == 1)
        throw SourceError(file, line,
                          "everything not listed shipped in version 1; list entries from version 2 on");
    Entry entry{fields[0], "", "", m_versions.back().Number, file, line};
    if (wanted == 2)
        entry.Unit = fields[1];
    if (wanted == 3) {
        entry.Replaces = fields[1];
        entry.Unit = fields[2];
    }
    m_entries.push_back(std::move(entry));
}

void VersionHistory::Check(const std::vector<CompiledCategory> &categories) const {
    std::map<std::string, const CompiledCategory *> byName;
    std::size_t units = 0;
    for (const CompiledCategory &category : categories) {
        byName[category.Name] = &category;
        units += category.Units.size();
    }
    const auto hasUnit = [](const CompiledCategory &category, const std::string &name) {
        for (const CompiledUnit &unit : category.Units) {
            if (unit.Name == name)
                return true;
        }
        return false;
    };
    std::map<std::string, int> listedCategories;
    std::set<std::pair<std::string, std::string>> listedUnits;
    for (const Entry &entry : m_entries) {
        const std::string category = Cp1252Name(entry.Category, entry.File, entry.Line);
        const auto found = byName.find(category);
        if (found == byName.end())
            throw SourceError(entry.File, entry.Line, "no category '" + entry.Category + "' in the data");
        if (entry.Unit.empty()) {
            if (!listedCategories.emplace(category, entry.Version).second)
                throw SourceError(entry.File, entry.Line,
                                  "category '" + entry.Category + "' is listed twice");
            continue;
        }
        const std::string unit = Cp1252Name(entry.Unit, entry.File, entry.Line);
        if (!hasUnit(*found->second, unit))
            throw SourceError(entry.File, entry.Line,
                              "no unit '" + entry.Unit + "' in the category '" + entry.Category +
                                  "' of the data");
        if (!listedUnits.emplace(category, unit).second)
            throw SourceError(entry.File, entry.Line, "unit '" + entry.Unit + "' is listed twice");
        const auto whole = listedCategories.find(category);
        if (whole != listedCategories.end() && whole->second >= entry.Version)
            throw SourceError(entry.File, entry.Line,
                              "unit '" + entry.Unit + "' came with its category '" + entry.Category + "'");
        if (!entry.Replaces.empty() &&
            hasUnit(*found->second, Cp1252Name(entry.Replaces, entry.File, entry.Line)))
            throw SourceError(entry.File, entry.Line,
                              "the replaced unit '" + entry.Replaces + "' is still in the data");
    }
    if (m_versions.empty())
        return;
    const Version &newest = m_versions.back();
    if (newest.Units != units || newest.Categories != categories.size())
        throw SourceError(newest.File, newest.Line,
                          "the data holds " + std::to_string(units) + " units in " +
                              std::to_string(categories.size()) + " categories, version " +
                              std::to_string(newest.Number) + " says " + std::to_string(newest.Units) +
                              " in " + std::to_string(newest.Categories) +
                              ": list what was added or renamed under a new version (or the newest one "
                              "while it has not shipped) and give it the data's totals");
}

std::string VersionHistory::Cpp() const {
    std::ostringstream out;
    out << "namespace mensurio {\n\n";
    out << "int BuiltinDataVersion() { return " << Newest() << "; }\n\n";
    if (m_entries.empty()) {
        out << "std::span<const BuiltinHistoryEntry> BuiltinHistory() { return {}; }\n";
    } else {
        out << "namespace {\n\nconstexpr BuiltinHistoryEntry HistoryEntries[" << m_entries.size()
            << "] = {\n";
        for (const Entry &entry : m_entries) {
            out << "    {" << AliasesSource::Literal(Cp1252::FromUtf8(entry.Category)) << ", "
                << AliasesSource::Literal(Cp1252::FromUtf8(entry.Unit)) << ", "
                << AliasesSource::Literal(Cp1252::FromUtf8(entry.Replaces)) << ", " << entry.Version
                << "},\n";
        }
        out << "};\n\n} // namespace\n\n"
            << "std::span<const BuiltinHistoryEntry> BuiltinHistory() { return HistoryEntries; }\n";
    }
    out << "\n} // namespace mensurio\n";
    return out.str();
}

} // namespace mensurio
