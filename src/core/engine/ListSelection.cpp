// SPDX-License-Identifier: MIT
#include "core/engine/ListSelection.h"

#include <algorithm>

namespace mensurio {

ListSelection ListSelection::Single(int rowCount, int row) {
    ListSelection selection;
    selection.selected.assign(static_cast<std::size_t>(std::max(rowCount, 0)), false);
    if (row >= 0 && row < rowCount) {
        selection.selected[static_cast<std::size_t>(row)] = true;
        selection.current = row;
    }
    return selection;
}

bool ListSelection::IsSelected(int row) const {
    return row >= 0 && row < RowCount() && selected[static_cast<std::size_t>(row)];
}

int ListSelection::SelectedCount() const {
    return static_cast<int>(std::count(selected.begin(), selected.end(), true));
}

int ListSelection::LowestSelected() const {
    const auto found = std::find(selected.begin(), selected.end(), true);
    return found == selected.end() ? -1 : static_cast<int>(found - selected.begin());
}

int ListSelection::FirstSelected() const {
    if (IsSelected(current))
        return current;
    const int lowest = LowestSelected();
    return lowest < 0 ? 0 : lowest;
}

int ListSelection::CurrentOrFirst() const {
    if (current >= 0 && current < RowCount())
        return current;
    return FirstSelected();
}

void ListSelection::Select(int row, bool on) {
    if (row >= 0 && row < RowCount())
        selected[static_cast<std::size_t>(row)] = on;
}

} // namespace mensurio
