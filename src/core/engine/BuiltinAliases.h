// SPDX-License-Identifier: MIT
#pragma once
#include <span>
namespace mensurio {
/// Symbols and other spellings of one built-in unit, as compiled from the units data source.
struct BuiltinAliasEntry {
    const char *category; // Windows-1252, as in default.dat
    const char *unit;     // Windows-1252
    const char *symbols; // Windows-1252 after the typed-character mapping, items separated by '\n'; may be ""
    const char *spellings; // Windows-1252, items separated by '\n' (written and generated ones); may be ""
    const char *display;   // UTF-8: the first symbol as written in the data; "" when none
};
/// Every built-in unit that has a symbol or spelling, in data order. Defined in generated code.
std::span<const BuiltinAliasEntry> BuiltinAliases();
} // namespace mensurio
