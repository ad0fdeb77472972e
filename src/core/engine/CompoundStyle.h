// SPDX-License-Identifier: MIT
#pragma once

namespace mensurio {

/// How a compound result writes each value beside its unit (the setting `multiformat`).
enum class CompoundStyle {
    ParenthesisedValue, // "(value) unit + (value) unit"
    PlainValue,         // "value unit + value unit"
    UnitFirst,          // "unit (value) + unit (value)"
};

} // namespace mensurio
