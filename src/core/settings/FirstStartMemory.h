// SPDX-License-Identifier: MIT
#pragma once

#include "core/settings/ConversionMemory.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

/// The input and output unit a category starts with before the user has converted in it.
/// Units are named by their full names, as the conversion memory stores them.
struct FirstStartUnits {
    std::string category;
    std::string input;
    std::string output;
};

/// The shipped first-start units of the common categories of the default database.
const std::vector<FirstStartUnits> &ShippedFirstStartMemories();

/// The rows of a category's first-start input and output unit in lists showing rowNames.
struct FirstStartRows {
    int input = -1;
    int output = -1;
};

/// The rows of the category's entry of `table` (category names compared ignoring the letter
/// case of A to Z); nothing when the table has no entry for the category or the lists lack
/// either unit (a user's database may have renamed or deleted it).
std::optional<FirstStartRows> FirstStartRowsOf(const std::vector<FirstStartUnits> &table,
                                               std::string_view category,
                                               const std::vector<std::string> &rowNames);

/// The selection a category gets when the settings hold no memory for it: the FirstStartRowsOf
/// as the conversion memory would store them for the lists as filled (rowNames, orderView as in
/// CaptureSelectionOf). Nothing when there are no such rows or the output has no unit code.
std::optional<CapturedSelection> FirstStartSelection(const std::vector<FirstStartUnits> &table,
                                                     std::string_view category,
                                                     const std::vector<std::string> &rowNames,
                                                     const std::vector<int> &orderView);

} // namespace mensurio
