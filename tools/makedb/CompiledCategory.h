// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace mensurio {

/// One unit ready for the database file: Windows-1252 names and its rounded factor.
struct CompiledUnit {
    std::string Name;       // Windows-1252
    std::string OriginUnit; // Windows-1252; empty when defined directly in base units
    __float128 ExactFactor = 0;
    long double Factor = 0; // ExactFactor rounded once
    int DefaultOrder = 0;
    std::string Source;                 // UTF-8, as written
    std::vector<std::string> Symbols;   // Windows-1252 after the typed-character mapping
    std::vector<std::string> Spellings; // Windows-1252: the written ones, then the generated ones
    std::string DisplaySymbol;          // UTF-8: the first symbol as written; empty without one
};

/// One category ready for the database file.
struct CompiledCategory {
    std::string Name;     // Windows-1252
    std::string Utf8Name; // as written in the source
    std::vector<CompiledUnit> Units;
};

} // namespace mensurio
