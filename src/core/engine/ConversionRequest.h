// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/CompoundStyle.h"
#include "core/engine/ListSelection.h"
#include "core/engine/ResultFormatter.h"

#include <string>

namespace mensurio {

/// What the window (or the command line) hands the engine for one conversion. The rows of both
/// lists are the rows the engine was given in LoadCategoryUnits; the sort and show-hidden
/// settings therefore act through that call, not through the request.
struct ConversionRequest {
    std::string inputText;              // the input field, Windows-1252, as typed
    ListSelection input;                // the input list
    ListSelection output;               // the output list
    bool inputPressureAbsolute = true;  // com1abs: the input selector shows "Absolute Pressure"
    bool outputPressureAbsolute = true; // com2abs: the output selector shows "Absolute Pressure"
    ResultFormatOptions format{};       // ReNumber, ReDeciPlace and the locale's separators
    CompoundStyle compoundStyle{};      // multiformat
    bool split = false;                 // "Show All Results"
    bool collectAll = false;            // collect every unit's result into ConversionResult::collected
};

} // namespace mensurio
