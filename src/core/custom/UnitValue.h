// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace mensurio {

enum class UnitValueStatus { Ok, Invalid, Zero };

/// The amount typed for a custom unit ("One of These Units is Equal To").
struct UnitValue {
    long double value = 0;
    UnitValueStatus status = UnitValueStatus::Invalid;
};

/// Reads the typed amount: commas become points, then a plain decimal number, else an
/// arithmetic expression. Surrounding spaces are ignored. An overflow, an infinite or NaN
/// value and a failed expression are Invalid; a value of zero is Zero.
UnitValue ReadUnitValue(std::string_view text);

} // namespace mensurio
