// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/Separators.h"

#include <string>
#include <vector>

namespace mensurio {

/// The paper a conversion table is laid out on (the setting `tablepaper`).
enum class TablePaper {
    Landscape, // "&Horizontal": A4 across
    Portrait,  // "&Vertical": A4 upright
};

/// How a table writes its values (the setting `tableresultformat`).
enum class TableResultFormat { General, Scientific };

/// Which way a table converts (the setting `tableconversionstyle`): from the row unit to the
/// column units ("&Right and Up") or from the column unit to the row units ("&Down and Left").
enum class TableDirection { RightAndUp, DownAndLeft };

/// The most column units a table holds on each paper.
inline constexpr int kLandscapeTableColumns = 10;
inline constexpr int kPortraitTableColumns = 6;
inline constexpr int kMostTableColumns = kLandscapeTableColumns;
static_assert(kMostTableColumns >= kPortraitTableColumns);

/// What a conversion table shows: the category, the row and column units in their order, and
/// the three stored table settings.
struct TableChoices {
    std::string category;                 // the database's exact name
    std::vector<std::string> rowUnits;    // names, in the order of the rows
    std::vector<std::string> columnUnits; // names, in the order of the columns
    TableResultFormat resultFormat = TableResultFormat::General;
    TablePaper paper = TablePaper::Landscape;
    TableDirection direction = TableDirection::RightAndUp;
    NumberSeparators separators{};

    /// The most columns the paper takes.
    static constexpr int ColumnMaximum(TablePaper paper) {
        return paper == TablePaper::Portrait ? kPortraitTableColumns : kLandscapeTableColumns;
    }
};

} // namespace mensurio
