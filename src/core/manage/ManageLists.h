// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/UnitDatabase.h"
#include "core/manage/CheckItem.h"

#include <functional>
#include <string>
#include <string_view>

namespace mensurio {

/// How many units a category has and how many of them are visible.
struct UnitCounts {
    int units = 0;
    int visible = 0;

    bool operator==(const UnitCounts &) const = default;
};

/// A "less" comparison of two Windows-1252 names (the user's locale order in the dialog).
using NameOrder = std::function<bool(const std::string &, const std::string &)>;

/// What the manage dialog reads from and writes to the units database: its two check lists
/// come from here, and its accept and order commands work through here.
class ManageLists {
  public:
    /// Every category in database order, hidden ones included, ticked unless hidden.
    static CheckItems CategoryItems(const UnitDatabase &database);
    /// The units of the category named exactly `category` in list order, ticked unless hidden;
    /// empty when there is no such category.
    static CheckItems UnitItems(const UnitDatabase &database, std::string_view category);
    static UnitCounts CountUnits(const UnitDatabase &database, std::string_view category);
    /// "Units/Visible    12/10"
    static std::string UnitsVisibleText(UnitCounts counts);
    /// Puts the cursor on the first category named exactly `name`, else on the first that
    /// matches ignoring case; false when there is none.
    static bool SelectCategoryExactly(UnitDatabase &database, std::string_view name);

    static bool AnyTicked(const CheckItems &items);
    /// Gives the database the order and visibility of the category list. Refused (false, no
    /// change) when no category is ticked, so that one category always stays visible.
    static bool AcceptCategories(UnitDatabase &database, const CheckItems &items);
    /// Gives the category's units the order and visibility of the unit list; returns the
    /// counts afterwards. Nothing changes when the category does not exist.
    static UnitCounts AcceptUnits(UnitDatabase &database, std::string_view category, const CheckItems &items);

    enum class UnitOrder { Alphabetical, Default };
    /// The category's units in the given order, each keeping the check mark it has in `items`
    /// (units missing there take their database mark). The database does not change.
    static CheckItems OrderUnits(UnitDatabase &database, std::string_view category, const CheckItems &items,
                                 UnitOrder order);
    /// Sorts by name with `less`; check marks travel with their names, equal names keep their order.
    static void SortByName(CheckItems &items, const NameOrder &less);

    enum class TickCommand { All, None, Invert };
    static void ApplyTicks(CheckItems &items, TickCommand command);
};

} // namespace mensurio
