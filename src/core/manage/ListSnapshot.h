// SPDX-License-Identifier: MIT
#pragma once

#include "core/manage/CheckItem.h"
#include "core/manage/ManageLists.h"

namespace mensurio {

/// The manage dialog's two check lists (names and check marks, in list order), taken just
/// before a custom units or categories dialog opens, so that the edits not yet accepted
/// survive it.
class ListSnapshot {
  public:
    ListSnapshot() = default;
    ListSnapshot(CheckItems categories, CheckItems units)
        : m_categories(std::move(categories)), m_units(std::move(units)) {}

    const CheckItems &Categories() const { return m_categories; }
    const CheckItems &Units() const { return m_units; }

    /// The list as it is after the custom dialog: `fresh` holds the database's names with their
    /// database marks. Names found in the snapshot come first, in snapshot order with their
    /// snapshot marks; the others (new or renamed ones) follow in database order with their
    /// database marks. With `sortedBy`, the list is sorted by name instead and only the marks
    /// come from the snapshot.
    static CheckItems Restore(const CheckItems &snapshot, const CheckItems &fresh,
                              const NameOrder &sortedBy = {});

  private:
    CheckItems m_categories;
    CheckItems m_units;
};

} // namespace mensurio
