// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/ListSelection.h"

class QListWidget;

namespace mensurio {

/// Reads and writes the selection of a unit list as the engine sees it. Writes block the list's
/// signals, so that a selection the program sets is never taken for a click.
class ListWidgetSelection {
  public:
    static ListSelection Read(const QListWidget &list);
    /// Selects exactly the rows selected in `selection` and makes its current row current
    /// (a current row of -1 leaves the current row as it is).
    static void Write(QListWidget &list, const ListSelection &selection);
    /// Selects or deselects one row, leaving the others.
    static void SetSelected(QListWidget &list, int row, bool on);
    /// Makes the row current; in a single-selection list that also selects it.
    static void SetCurrentRow(QListWidget &list, int row);
    /// The lowest selected row, or -1.
    static int LowestSelected(const QListWidget &list);
    static int SelectedCount(const QListWidget &list);
};

} // namespace mensurio
