// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/Separators.h"

#include <string>
#include <vector>

namespace mensurio {

/// What a conversion table shows: the category, the row and column units in their order, and
/// the three stored table settings.
struct TableChoices {
    std::string category;                 // the database's exact name
    std::vector<std::string> rowUnits;    // names, in the order of the rows
    std::vector<std::string> columnUnits; // names, in the order of the columns
    int resultFormat = 0;                 // `tableresultformat`: 0 General, 1 Scientific
    int paper = 0;                        // `tablepaper`: 0 landscape (10 columns), 1 portrait (6)
    int conversionStyle = 0;              // `tableconversionstyle`: 0 Right and Up, 1 Down and Left
    NumberSeparators separators{};

    /// The most columns the paper takes: 6 upright, 10 across.
    static int ColumnMaximum(int paper) { return paper == 1 ? 6 : 10; }
};

} // namespace mensurio
