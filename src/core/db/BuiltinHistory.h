// SPDX-License-Identifier: MIT
#pragma once

#include <span>

namespace mensurio {

/// A built-in category or unit that shipped after the first data version.
struct BuiltinHistoryEntry {
    const char *category; // Windows-1252, as in default.dat
    const char *unit;     // Windows-1252; "" when the entry is the category with all its units
    const char
        *replaces; // Windows-1252: the older built-in unit of the category this one replaces; may be ""
    int version;   // the data version that first shipped it
};

/// The version of the shipped data (default.dat). Defined in generated code.
int BuiltinDataVersion();
/// Every category and unit shipped after version 1, in data-version order. Defined in generated code.
std::span<const BuiltinHistoryEntry> BuiltinHistory();

} // namespace mensurio
