// SPDX-License-Identifier: MIT
#include "ui/mainwindow/InvertConversion.h"

#include <algorithm>

namespace mensurio {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\0' || static_cast<unsigned char>(c) == 160;
}

bool IsSeparator(char c) {
    return c == '.' || c == ',';
}

} // namespace

std::string CleanResultText(std::string_view text) {
    std::string cleaned(text);
    bool markSeen = false;
    // From the end: at each position a blank goes first, then the character that moved into its
    // place is judged as a separator.
    for (std::size_t pos = cleaned.size(); pos-- > 0;) {
        if (IsBlank(cleaned[pos]))
            cleaned.erase(pos, 1);
        if (pos >= cleaned.size() || !IsSeparator(cleaned[pos]))
            continue;
        if (markSeen)
            cleaned.erase(pos, 1);
        markSeen = true;
    }
    return cleaned;
}

void ExchangeLowestRows(ListSelection &input, ListSelection &output) {
    const int i = std::max(input.LowestSelected(), 0);
    const int o = std::max(output.LowestSelected(), 0);
    if (i >= input.RowCount() || o >= input.RowCount() || i >= output.RowCount() || o >= output.RowCount())
        return;
    input.Select(i, false);
    input.Select(o, true);
    output.Select(o, false);
    output.Select(i, true);
}

void ExchangeSelectionSets(ListSelection &input, ListSelection &output) {
    const int rows = std::min(input.RowCount(), output.RowCount());
    for (int row = rows - 1; row >= 0; --row) {
        if (input.IsSelected(row) != output.IsSelected(row)) {
            input.Select(row, !input.IsSelected(row));
            output.Select(row, !output.IsSelected(row));
        }
    }
}

} // namespace mensurio
