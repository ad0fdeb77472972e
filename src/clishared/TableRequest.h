// SPDX-License-Identifier: MIT
#pragma once

#include "core/tables/TableChoices.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

class UnitDatabase;

/// A table request that cannot be met; the text says why.
class TableRequestError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// The category holds no units at all: there is no table to write (a finding, not a usage error).
class TableCategoryEmpty : public TableRequestError {
  public:
    using TableRequestError::TableRequestError;
};

/// The table options of the command line (`--table FILE.pdf -c CATEGORY --rows ... --columns ...`),
/// as given, in UTF-8.
struct TableRequest {
    std::string pdfPath;
    std::string databasePath; // --db; empty: beside the executable
    std::string category;
    std::string rows;    // comma-separated names, "\," for a comma in a name, or "all"
    std::string columns; // the same
    TableDirection direction = TableDirection::RightAndUp;       // --direction right-up | down-left
    TableResultFormat resultFormat = TableResultFormat::General; // --table-format general | scientific
    TablePaper paper = TablePaper::Landscape;                    // --paper horizontal | vertical

    /// Reads the table options; an option of the conversions, an operand, a missing value or a
    /// missing choice is an error.
    static TableRequest Parse(const std::vector<std::string> &args);
    /// Splits a unit list at commas; "\," is a comma inside a name and "\\" a back-slash.
    /// Blanks around each name are dropped.
    static std::vector<std::string> SplitUnitList(std::string_view list);

    /// The choices of the table: the category (no special one) and the units in Windows-1252,
    /// each checked against the category, at most the paper's column maximum. Throws
    /// TableRequestError with a message for the user.
    TableChoices Resolve(UnitDatabase &database) const;
};

} // namespace mensurio
