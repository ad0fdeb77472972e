// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

namespace mensurio {

/// The selection state of one unit list as the engine sees it: which rows are selected and
/// which row is current (the focused row, or -1).
struct ListSelection {
    std::vector<bool> selected; // one entry per row of the list
    int current = -1;

    /// A list of rowCount rows with only `row` selected and current (nothing when out of range).
    static ListSelection Single(int rowCount, int row);

    int RowCount() const { return static_cast<int>(selected.size()); }
    bool IsSelected(int row) const;
    int SelectedCount() const;
    /// The lowest selected row, or -1 when none is selected.
    int LowestSelected() const;
    /// "The" selected unit: the current row when it is selected, else the lowest selected row,
    /// else row 0.
    int FirstSelected() const;
    /// The current row when it lies in the list, otherwise FirstSelected() (single-selection lists).
    int CurrentOrFirst() const;
    void Select(int row, bool on);

    bool operator==(const ListSelection &) const = default;
};

} // namespace mensurio
