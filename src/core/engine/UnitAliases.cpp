// SPDX-License-Identifier: MIT
#include "core/engine/UnitAliases.h"

#include "core/db/UnitDatabase.h"
#include "core/engine/BuiltinAliases.h"

#include <algorithm>

namespace mensurio {

namespace {

// The text inside a name's closing parenthesis, "fur" of "furlong (fur)"; empty when none.
std::string_view ParenthesisedEnding(std::string_view name) {
    if (name.size() < 4 || name.back() != ')')
        return {};
    const std::size_t open = name.rfind(" (");
    if (open == std::string_view::npos || open == 0)
        return {};
    const std::string_view inner = name.substr(open + 2, name.size() - open - 3);
    if (inner.empty() || inner.find_first_of("()") != std::string_view::npos)
        return {};
    return inner;
}

} // namespace

std::vector<std::string_view> SplitAliasList(std::string_view list) {
    std::vector<std::string_view> items;
    while (!list.empty()) {
        const std::size_t end = list.find('\n');
        if (end != 0)
            items.push_back(list.substr(0, end));
        if (end == std::string_view::npos)
            break;
        list.remove_prefix(end + 1);
    }
    return items;
}

UnitAliases::UnitAliases(std::span<const BuiltinAliasEntry> builtin, std::string_view category,
                         const std::vector<std::string> &unitNames) {
    std::vector<bool> hasBuiltin(unitNames.size(), false);
    for (const BuiltinAliasEntry &entry : builtin) {
        if (!UnitDatabase::SameNameIgnoringCase(entry.category, category))
            continue;
        const auto unit = std::find(unitNames.begin(), unitNames.end(), std::string_view(entry.unit));
        if (unit == unitNames.end())
            continue;
        hasBuiltin[static_cast<std::size_t>(unit - unitNames.begin())] = true;
        addBuiltin(entry);
    }
    std::vector<std::string> others;
    for (std::size_t i = 0; i < unitNames.size(); ++i) {
        if (!hasBuiltin[i])
            others.push_back(unitNames[i]);
    }
    addParenthesisedEndings(others, unitNames);
    // Every full name may also be typed in another letter case ("Foot").
    for (const std::string &name : unitNames)
        add(name, name, false, true);
    indexFirstBytes();
}

// The aliases by the bytes they can start with, so that a reader compares at a position only
// those. Spellings match in any letter case: both cases of an ASCII letter, and for a letter of
// the upper half (where the code page keeps its other letters) every byte of that half.
void UnitAliases::indexFirstBytes() {
    for (std::uint32_t index = 0; index < m_aliases.size(); ++index) {
        const UnitAlias &alias = m_aliases[index];
        const auto first = static_cast<unsigned char>(alias.text.front());
        if (alias.symbol) {
            m_byFirstByte[first].push_back(index);
        } else if (first >= 0x80) {
            for (std::size_t byte = 0x80; byte < 0x100; ++byte)
                m_byFirstByte[byte].push_back(index);
        } else if ((first | 0x20) >= 'a' && (first | 0x20) <= 'z') {
            m_byFirstByte[first | 0x20].push_back(index);
            m_byFirstByte[first & ~0x20].push_back(index);
        } else {
            m_byFirstByte[first].push_back(index);
        }
    }
    // Longest first; ties in the order added (std::sort on the pair needs no buffer).
    for (std::vector<std::uint32_t> &bucket : m_byFirstByte) {
        std::sort(bucket.begin(), bucket.end(), [this](std::uint32_t a, std::uint32_t b) {
            const std::size_t lengthA = m_aliases[a].text.size();
            const std::size_t lengthB = m_aliases[b].text.size();
            return lengthA != lengthB ? lengthA > lengthB : a < b;
        });
    }
}

void UnitAliases::addBuiltin(const BuiltinAliasEntry &entry) {
    for (const std::string_view symbol : SplitAliasList(entry.symbols))
        add(std::string(symbol), entry.unit, true, false);
    for (const std::string_view spelling : SplitAliasList(entry.spellings))
        add(std::string(spelling), entry.unit, false, false);
    const std::vector<std::string_view> symbols = SplitAliasList(entry.symbols);
    if (entry.display[0] != '\0' && !symbols.empty())
        m_display.push_back({entry.unit, entry.display, std::string(symbols.front())});
}

// A parenthesised ending is an abbreviation only when it is unique among the category's units
// ("(US)" ends fourteen names of Volume and names none of them), and when it is no name or alias
// already.
void UnitAliases::addParenthesisedEndings(const std::vector<std::string> &candidates,
                                          const std::vector<std::string> &unitNames) {
    std::vector<std::string_view> endings;
    for (const std::string &name : unitNames) {
        if (const std::string_view ending = ParenthesisedEnding(name); !ending.empty())
            endings.push_back(ending);
    }
    const auto sameText = [](std::string_view ending) {
        return [ending](std::string_view other) { return UnitDatabase::SameNameIgnoringCase(other, ending); };
    };
    for (const std::string &name : candidates) {
        const std::string_view ending = ParenthesisedEnding(name);
        if (ending.empty() || std::count(endings.begin(), endings.end(), ending) != 1)
            continue;
        const bool taken = std::any_of(unitNames.begin(), unitNames.end(), sameText(ending)) ||
                           std::any_of(m_aliases.begin(), m_aliases.end(),
                                       [&](const UnitAlias &alias) { return sameText(ending)(alias.text); });
        if (!taken)
            add(std::string(ending), name, true, false);
    }
}

void UnitAliases::add(std::string text, const std::string &unitName, bool symbol, bool fullName) {
    if (!text.empty())
        m_aliases.push_back({std::move(text), unitName, symbol, fullName});
}

std::string UnitAliases::DisplaySymbol(std::string_view unitName) const {
    for (const Symbol &symbol : m_display) {
        if (symbol.unit == unitName)
            return symbol.utf8;
    }
    return {};
}

std::string UnitAliases::SymbolOf(std::string_view unitName) const {
    for (const Symbol &symbol : m_display) {
        if (symbol.unit == unitName)
            return symbol.cp1252;
    }
    return {};
}

std::vector<std::string> UnitAliases::AliasesOf(std::string_view unitName) const {
    std::vector<std::string> texts;
    for (const bool symbols : {true, false}) {
        for (const UnitAlias &alias : m_aliases) {
            if (alias.symbol == symbols && !alias.fullName && alias.unitName == unitName)
                texts.push_back(alias.text);
        }
    }
    return texts;
}

std::string UnitAliases::UnitNamed(std::string_view text) const {
    for (const UnitAlias &alias : m_aliases) {
        if (alias.text == text)
            return alias.unitName;
    }
    for (const UnitAlias &alias : m_aliases) {
        if (!alias.symbol && UnitDatabase::SameNameIgnoringCase(alias.text, text))
            return alias.unitName;
    }
    return {};
}

} // namespace mensurio
