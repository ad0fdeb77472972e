// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/BuiltinDimensions.h"

#include <array>
#include <string>

namespace mensurio {

/// The dimension of one category as read from its "dimension:" line.
struct CompiledDimension {
    std::string Category;                         // Windows-1252
    std::string Utf8Category;                     // as written in the source
    bool Proportional = false;                    // false for "dimension: none"
    std::array<int, kDimensionSlots> Exponents{}; // in DimensionSlot order
    std::string SiValueText;                      // the SI value of the base unit as written
    __float128 ExactBaseInSi = 0;
    long double BaseInSi = 0;     // ExactBaseInSi rounded once
    bool MarkedPreferred = false; // the line ends in "| preferred"
    bool Preferred = false;       // marked, or the only category of its dimension
    std::string File;
    int Line = 0;
};

} // namespace mensurio
