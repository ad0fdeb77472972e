// SPDX-License-Identifier: MIT
#include "core/engine/UnitListing.h"

#include "core/db/UnitDatabase.h"

#include <algorithm>

namespace mensurio {

std::vector<UnitRecord> ListCategoryUnits(const UnitDatabase &database, std::string_view category,
                                          UnitListOptions options) {
    const std::string name = UnitDatabase::CutName(category);
    const auto &categories = database.Categories();
    const auto found = std::find_if(categories.begin(), categories.end(), [&](const CategoryRecord &record) {
        return UnitDatabase::SameNameIgnoringCase(record.Name, name);
    });
    std::vector<UnitRecord> rows;
    if (found == categories.end())
        return rows;
    // The order is decided on pointers, so that each record is copied once, into its place.
    std::vector<const UnitRecord *> listed;
    listed.reserve(found->Units.size());
    for (const UnitRecord &unit : found->Units) {
        if (options.showHidden || unit.Hidden == 0)
            listed.push_back(&unit);
    }
    if (options.sortByName) {
        std::stable_sort(listed.begin(), listed.end(), [](const UnitRecord *a, const UnitRecord *b) {
            return UnitDatabase::NameLess(a->Name, b->Name);
        });
    }
    rows.reserve(listed.size());
    for (const UnitRecord *unit : listed)
        rows.push_back(*unit);
    return rows;
}

} // namespace mensurio
