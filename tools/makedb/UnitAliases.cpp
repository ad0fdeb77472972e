// SPDX-License-Identifier: MIT
#include "tools/makedb/UnitAliases.h"

#include "core/db/Cp1252.h"
#include "core/db/UnitDatabase.h"
#include "tools/makedb/SourceError.h"

#include <algorithm>
#include <cstddef>
#include <map>

namespace mensurio {

namespace {

bool IsUpper(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}

bool SameIgnoringCase(const std::string &a, const std::string &b) {
    return UnitDatabase::SameNameIgnoringCase(a, b);
}

bool Contains(const std::vector<std::string> &items, const std::string &item) {
    return std::any_of(items.begin(), items.end(),
                       [&](const std::string &i) { return SameIgnoringCase(i, item); });
}

// "metre"/"litre" for every "meter"/"liter" in the name; the name itself when it has none.
std::string British(std::string name) {
    for (const auto &[us, uk] : {std::pair{"meter", "metre"}, std::pair{"liter", "litre"}}) {
        for (std::size_t at = name.find(us); at != std::string::npos; at = name.find(us, at + 5))
            name.replace(at, 5, uk);
    }
    return name;
}

// The name without its last parenthesised ending, or "" when it does not end in one.
std::string WithoutLastParenthesis(const std::string &name) {
    if (name.empty() || name.back() != ')')
        return {};
    const std::size_t open = name.rfind(" (");
    if (open == std::string::npos || open == 0)
        return {};
    return name.substr(0, open);
}

// An item of field 5 or 6 in Windows-1252 after the typed-character mapping; throws when
// it cannot be held there, holds a control character or is too long.
std::string ToDatabaseItem(const std::string &utf8, const char *what, const SourceUnit &unit) {
    const std::string item = Cp1252::FromTypedUtf8(utf8);
    for (const unsigned char c : item) {
        if (c == Cp1252::Unmappable)
            throw SourceError(unit.File, unit.Line,
                              std::string(what) + " '" + utf8 +
                                  "' holds a character that Windows-1252 cannot hold");
        if (c < 0x20 || c == 0x7F)
            throw SourceError(unit.File, unit.Line,
                              std::string(what) + " '" + utf8 + "' holds a control character");
    }
    if (item.size() > UnitDatabase::MaxNameLength)
        throw SourceError(unit.File, unit.Line,
                          std::string(what) + " '" + utf8 + "' is " + std::to_string(item.size()) +
                              " bytes long in Windows-1252; at most 50 are allowed");
    return item;
}

// Symbols and written spellings of one unit, converted and checked among themselves.
void ReadItems(const SourceUnit &unit, CompiledUnit &compiled) {
    if (!unit.Symbols.empty() && unit.SymbolSource.empty())
        throw SourceError(unit.File, unit.Line,
                          "unit '" + unit.Name +
                              "' has symbols but no 'symbol source:' line comes before it in the file");
    for (const std::string &written : unit.Symbols) {
        std::string symbol = ToDatabaseItem(written, "symbol", unit);
        if (std::find(compiled.Symbols.begin(), compiled.Symbols.end(), symbol) != compiled.Symbols.end())
            throw SourceError(unit.File, unit.Line,
                              "symbol '" + written + "' of '" + unit.Name + "' is given twice (as '" +
                                  Cp1252::ToUtf8(symbol) + "' after the typed-character mapping)");
        compiled.Symbols.push_back(std::move(symbol));
    }
    if (!unit.Symbols.empty())
        compiled.DisplaySymbol = unit.Symbols.front();
    for (const std::string &written : unit.Spellings) {
        std::string spelling = ToDatabaseItem(written, "spelling", unit);
        if (Contains(compiled.Spellings, spelling))
            throw SourceError(unit.File, unit.Line,
                              "spelling '" + written + "' of '" + unit.Name +
                                  "' is given twice (ignoring letter case)");
        compiled.Spellings.push_back(std::move(spelling));
    }
}

// The rules between units: a symbol or spelling names one unit and never another unit's
// name; a spelling never equals another unit's symbol. Faults are reported at the line of
// the later of the two units, or at the line holding the symbol or spelling.
void CheckAcrossUnits(const SourceCategory &source, const CompiledCategory &category) {
    const std::vector<CompiledUnit> &units = category.Units;
    for (std::size_t u = 0; u < units.size(); ++u) {
        const SourceUnit &line = source.Units[u];
        for (std::size_t v = 0; v < units.size(); ++v) {
            if (u == v)
                continue;
            const std::string other = "'" + Cp1252::ToUtf8(units[v].Name) + "'";
            for (const std::string &symbol : units[u].Symbols) {
                const std::string text = "symbol '" + Cp1252::ToUtf8(symbol) + "' of '" + line.Name + "'";
                if (SameIgnoringCase(symbol, units[v].Name))
                    throw SourceError(line.File, line.Line, text + " equals the name of unit " + other);
                if (v < u && std::find(units[v].Symbols.begin(), units[v].Symbols.end(), symbol) !=
                                 units[v].Symbols.end())
                    throw SourceError(line.File, line.Line, text + " is already a symbol of unit " + other);
            }
            for (const std::string &spelling : units[u].Spellings) {
                const std::string text = "spelling '" + Cp1252::ToUtf8(spelling) + "' of '" + line.Name + "'";
                if (SameIgnoringCase(spelling, units[v].Name))
                    throw SourceError(line.File, line.Line, text + " equals the name of unit " + other);
                if (Contains(units[v].Symbols, spelling))
                    throw SourceError(line.File, line.Line,
                                      text + " equals a symbol of unit " + other + " ignoring letter case");
                if (v < u && Contains(units[v].Spellings, spelling))
                    throw SourceError(line.File, line.Line,
                                      text + " is already a spelling of unit " + other +
                                          " (ignoring letter case)");
            }
        }
    }
}

// Adds the generated spellings that collide with nothing: not with a name, symbol or written
// spelling of any unit of the category (the unit's own ones included), and not with a
// generated spelling of another unit at the same or a lower level.
void AddGenerated(CompiledCategory &category) {
    std::vector<std::vector<UnitAliases::Generated>> generated;
    std::map<std::string, int> ownersAtLevel; // key: level + spelling in lower case
    const auto key = [](int level, const std::string &spelling) {
        std::string lower = spelling;
        for (char &c : lower) {
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        }
        return std::to_string(level) + '\n' + lower;
    };
    for (const CompiledUnit &unit : category.Units) {
        generated.push_back(UnitAliases::GeneratedSpellings(unit.Name));
        for (const UnitAliases::Generated &g : generated.back())
            ++ownersAtLevel[key(g.Level, g.Spelling)];
    }
    const auto takenByAnyUnit = [&](const std::string &spelling) {
        return std::any_of(category.Units.begin(), category.Units.end(), [&](const CompiledUnit &unit) {
            return SameIgnoringCase(unit.Name, spelling) || Contains(unit.Symbols, spelling) ||
                   Contains(unit.Spellings, spelling);
        });
    };
    std::vector<std::vector<std::string>> accepted(category.Units.size());
    for (std::size_t u = 0; u < category.Units.size(); ++u) {
        for (const UnitAliases::Generated &g : generated[u]) {
            if (takenByAnyUnit(g.Spelling) || Contains(accepted[u], g.Spelling))
                continue;
            bool shared = false;
            for (int level = 0; level <= g.Level && !shared; ++level) {
                const auto it = ownersAtLevel.find(key(level, g.Spelling));
                // This unit itself counts once at its own level.
                shared = it != ownersAtLevel.end() && it->second > (level == g.Level ? 1 : 0);
            }
            if (!shared)
                accepted[u].push_back(g.Spelling);
        }
    }
    for (std::size_t u = 0; u < category.Units.size(); ++u) {
        for (std::string &spelling : accepted[u])
            category.Units[u].Spellings.push_back(std::move(spelling));
    }
}

} // namespace

std::string UnitAliases::Plural(const std::string &name) {
    // The noun is the last word before " (", "/", " of " ("inch of mercury") or " per " ("part
    // per million"), or the end.
    const std::size_t end =
        std::min({name.find(" ("), name.find('/'), name.find(" of "), name.find(" per ")});
    const std::string head = name.substr(0, end);
    const std::string rest = end == std::string::npos ? std::string() : name.substr(end);
    const std::size_t space = head.rfind(' ');
    const std::string word = head.substr(space == std::string::npos ? 0 : space + 1);
    // Hyphenated words ("pound-force", "acre-foot") and irregular nouns are left to the data.
    if (word.empty() || IsUpper(static_cast<unsigned char>(word.front())) || word == "foot" ||
        word == "feet" || word.find('-') != std::string::npos)
        return {};
    if (std::any_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return {};
    const char last = word.back();
    if (last < 'a' || last > 'z' || last == 's' || last == 'x' || last == 'z')
        return {};
    const std::string stem = head.substr(0, head.size() - word.size());
    const auto endsWith = [&](std::string_view ending) {
        return word.size() >= ending.size() &&
               word.compare(word.size() - ending.size(), ending.size(), ending) == 0;
    };
    if (endsWith("ch") || endsWith("sh"))
        return stem + word + "es" + rest;
    if (last == 'y' && word.size() > 1 &&
        std::string_view("aeiou").find(word[word.size() - 2]) == std::string_view::npos)
        return stem + word.substr(0, word.size() - 1) + "ies" + rest;
    return stem + word + "s" + rest;
}

std::vector<UnitAliases::Generated> UnitAliases::GeneratedSpellings(const std::string &name) {
    std::vector<Generated> result;
    const auto add = [&](const std::string &spelling, int level) {
        // A form cut inside nested parentheses ("MBH (thousand BTU") is no spelling.
        const bool balanced = std::count(spelling.begin(), spelling.end(), '(') ==
                              std::count(spelling.begin(), spelling.end(), ')');
        if (spelling.empty() || spelling.size() > UnitDatabase::MaxNameLength || !balanced)
            return;
        for (const Generated &g : result) {
            if (SameIgnoringCase(g.Spelling, spelling))
                return;
        }
        result.push_back(Generated{spelling, level});
    };
    int level = 0;
    for (std::string form = name; !form.empty(); form = WithoutLastParenthesis(form), ++level) {
        if (level > 0)
            add(form, level);
        add(British(form), level);
        const std::string plural = Plural(form);
        add(plural, level);
        add(British(plural), level);
    }
    // The name itself is no spelling of its own.
    result.erase(std::remove_if(result.begin(), result.end(),
                                [&](const Generated &g) { return SameIgnoringCase(g.Spelling, name); }),
                 result.end());
    return result;
}

void UnitAliases::Compile(const SourceCategory &source, CompiledCategory &category) {
    for (std::size_t i = 0; i < category.Units.size(); ++i)
        ReadItems(source.Units[i], category.Units[i]);
    CheckAcrossUnits(source, category);
    AddGenerated(category);
}

} // namespace mensurio
