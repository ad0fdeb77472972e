// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/ListSelection.h"

#include <optional>
#include <string>
#include <vector>

namespace mensurio {

/// What one conversion hands back for the window to apply. An empty optional means "leave that
/// control as it is".
struct ConversionResult {
    /// The output field: one result, one compound result or exactly one message.
    std::optional<std::string> outputText;
    /// The all-results column, one formatted value per listed row in row order; an engaged
    /// empty list clears the column.
    std::optional<std::vector<std::string>> allResults;
    /// Collect mode only: every listed unit's result in row order (empty after a refusal).
    std::vector<std::string> collected;
    /// The new selection of the input list after the input was read.
    std::optional<ListSelection> inputSelection;
    /// The typed input named units of the category (a compound input).
    bool compound = false;

    // Copies of the engine's fields after the conversion.
    bool resultValid = false;
    std::string compoundText;
    std::string compoundPlainText;
    long double inputFactor = 0;
    long double outputFactor = 0;
};

} // namespace mensurio
