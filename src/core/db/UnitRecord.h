// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mensurio {

/// One unit of a category: name, definition reference, flags and factor to the base unit.
struct UnitRecord {
    std::string Name;       // Windows-1252, at most 50 bytes
    std::string OriginUnit; // unit of the same category this one was defined against
    std::uint8_t Custom = 0;
    std::uint8_t Hidden = 0;
    long double Factor = 0; // base units per one of this unit
    std::int32_t DefaultOrder = 0;
};

/// One category with its ordered units.
struct CategoryRecord {
    std::string Name;
    std::uint8_t Custom = 0;
    std::uint8_t Hidden = 0;
    std::vector<UnitRecord> Units;
};

} // namespace mensurio
