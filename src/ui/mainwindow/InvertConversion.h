// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/ListSelection.h"

#include <string>
#include <string_view>

// The parts of Invert Conversion that only compute: cleaning the shown result so that it can be
// typed back as input, and exchanging the selections of the input and output lists.

namespace mensurio {

/// Removes spaces, NULs and no-break spaces, and every decimal mark or thousands separator but
/// the last one met from the end: "1,234,567.89" becomes "1234567.89". Windows-1252 text.
std::string CleanResultText(std::string_view text);

/// Single case in a multi-selection list: the lowest selected input row i and output row o (0
/// when none) trade places: input i off, input o on, output o off, output i on. Lists without
/// rows stay as they are.
void ExchangeLowestRows(ListSelection &input, ListSelection &output);

/// Combination case: every row whose input and output states differ is toggled in both lists,
/// so the two selection sets trade places.
void ExchangeSelectionSets(ListSelection &input, ListSelection &output);

} // namespace mensurio
