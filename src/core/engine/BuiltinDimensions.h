// SPDX-License-Identifier: MIT
#pragma once

#include <span>

namespace mensurio {

/// The dimension slots of a built-in category: the seven SI base quantities, then angle, solid
/// angle and information, which are kept apart so that radian, steradian and bit do not vanish.
enum DimensionSlot : int {
    kLength = 0,
    kMass,
    kTime,
    kCurrent,
    kTemperature,
    kAmount,
    kLuminousIntensity,
    kAngle,
    kSolidAngle,
    kInformation,
    kDimensionSlots
};

/// The dimension of one built-in category, as compiled from its "dimension:" line.
struct BuiltinDimensionEntry {
    const char *category;                   // Windows-1252, as in default.dat
    signed char exponents[kDimensionSlots]; // in DimensionSlot order
    long double baseInSi;                   // SI value of one of the category's base units
    bool preferred;                         // results of this dimension are given in this category
};

/// Every built-in category whose units are proportional to one another, in data order. Defined
/// in generated code.
std::span<const BuiltinDimensionEntry> BuiltinDimensions();

} // namespace mensurio
