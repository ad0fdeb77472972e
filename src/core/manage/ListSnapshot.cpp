// SPDX-License-Identifier: MIT
#include "core/manage/ListSnapshot.h"

#include <cstddef>

namespace mensurio {

namespace {

// The first unclaimed row of `rows` named exactly `name`, or -1. Each row is claimed once, so
// names that occur twice are matched in turn.
std::ptrdiff_t Claim(const CheckItems &rows, std::vector<bool> &claimed, const std::string &name) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!claimed[i] && rows[i].name == name) {
            claimed[i] = true;
            return static_cast<std::ptrdiff_t>(i);
        }
    }
    return -1;
}

} // namespace

CheckItems ListSnapshot::Restore(const CheckItems &snapshot, const CheckItems &fresh,
                                 const NameOrder &sortedBy) {
    if (sortedBy) {
        CheckItems sorted = fresh;
        std::vector<bool> claimed(snapshot.size(), false);
        for (CheckItem &item : sorted) {
            const std::ptrdiff_t at = Claim(snapshot, claimed, item.name);
            if (at >= 0)
                item.ticked = snapshot[static_cast<std::size_t>(at)].ticked;
        }
        ManageLists::SortByName(sorted, sortedBy);
        return sorted;
    }
    CheckItems restored;
    std::vector<bool> claimed(fresh.size(), false);
    for (const CheckItem &item : snapshot) {
        if (Claim(fresh, claimed, item.name) >= 0)
            restored.push_back(item);
    }
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        if (!claimed[i])
            restored.push_back(fresh[i]);
    }
    return restored;
}

} // namespace mensurio
