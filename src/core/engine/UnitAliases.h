// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

struct BuiltinAliasEntry;

/// One other way of writing a unit's name: a symbol (matched with its letter case, "mm" is not
/// "Mm") or a word (a plural, another spelling, or the full name itself, matched ignoring case).
struct UnitAlias {
    std::string text;      // Windows-1252
    std::string unitName;  // the unit's full name in the database
    bool symbol = false;   // matched case-sensitively
    bool fullName = false; // the unit's own name, for matching it in another letter case
};

/// The symbols and other spellings of one category's units: the built-in ones compiled from the
/// data source, and, for a unit that has none (a custom unit), the parenthesised ending of its
/// name when no other unit of the category ends in the same parenthesis ("furlong (fur)").
class UnitAliases {
  public:
    UnitAliases() = default;
    /// Collects the aliases of the given units of category from the built-in table.
    UnitAliases(std::span<const BuiltinAliasEntry> builtin, std::string_view category,
                const std::vector<std::string> &unitNames);

    /// Every alias: the built-in ones, the parenthesised endings, then the full names.
    const std::vector<UnitAlias> &All() const { return m_aliases; }
    /// The symbol shown beside a unit's name, UTF-8; empty when it has none.
    std::string DisplaySymbol(std::string_view unitName) const;
    /// The first symbol of a unit as the data gives it, Windows-1252; empty when it has none.
    std::string SymbolOf(std::string_view unitName) const;
    /// The symbols and spellings of one unit (Windows-1252), symbols first.
    std::vector<std::string> AliasesOf(std::string_view unitName) const;
    /// The aliases that may start with this byte (in any letter case for spellings), longest
    /// first: a reader compares only these at a position.
    /// Indices into All(); indices, not pointers, so that a copy of the list stays sound.
    const std::vector<std::uint32_t> &StartingWith(unsigned char byte) const { return m_byFirstByte[byte]; }
    /// The unit an exact alias names: a symbol with its letter case, else a word or a full name
    /// ignoring case. Empty when none.
    std::string UnitNamed(std::string_view text) const;

  private:
    void addBuiltin(const BuiltinAliasEntry &entry);
    void addParenthesisedEndings(const std::vector<std::string> &candidates,
                                 const std::vector<std::string> &unitNames);
    void add(std::string text, const std::string &unitName, bool symbol, bool fullName);
    void indexFirstBytes();

    std::vector<UnitAlias> m_aliases;
    std::array<std::vector<std::uint32_t>, 256> m_byFirstByte;
    struct Symbol {
        std::string unit;
        std::string utf8;   // as written in the data
        std::string cp1252; // as typed
    };
    std::vector<Symbol> m_display;
};

/// The splitting of a '\n'-separated list of the built-in table.
std::vector<std::string_view> SplitAliasList(std::string_view list);

} // namespace mensurio
