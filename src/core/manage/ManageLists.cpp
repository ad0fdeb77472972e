// SPDX-License-Identifier: MIT
#include "core/manage/ManageLists.h"

#include <algorithm>

namespace mensurio {

namespace {

const CategoryRecord *FindCategory(const UnitDatabase &database, std::string_view name) {
    const auto &categories = database.Categories();
    const std::string cut = UnitDatabase::CutName(name);
    auto found = std::find_if(categories.begin(), categories.end(),
                              [&cut](const CategoryRecord &c) { return c.Name == cut; });
    if (found == categories.end())
        found = std::find_if(categories.begin(), categories.end(), [&cut](const CategoryRecord &c) {
            return UnitDatabase::SameNameIgnoringCase(c.Name, cut);
        });
    return found != categories.end() ? &*found : nullptr;
}

const CheckItem *FindItem(const CheckItems &items, const std::string &name) {
    auto found =
        std::find_if(items.begin(), items.end(), [&name](const CheckItem &i) { return i.name == name; });
    return found != items.end() ? &*found : nullptr;
}

} // namespace

CheckItems ManageLists::CategoryItems(const UnitDatabase &database) {
    CheckItems items;
    for (const CategoryRecord &category : database.Categories())
        items.push_back({category.Name, !category.Hidden});
    return items;
}

CheckItems ManageLists::UnitItems(const UnitDatabase &database, std::string_view category) {
    CheckItems items;
    if (const CategoryRecord *found = FindCategory(database, category))
        for (const UnitRecord &unit : found->Units)
            items.push_back({unit.Name, !unit.Hidden});
    return items;
}

UnitCounts ManageLists::CountUnits(const UnitDatabase &database, std::string_view category) {
    UnitCounts counts;
    if (const CategoryRecord *found = FindCategory(database, category)) {
        counts.units = static_cast<int>(found->Units.size());
        counts.visible = static_cast<int>(std::count_if(found->Units.begin(), found->Units.end(),
                                                        [](const UnitRecord &u) { return !u.Hidden; }));
    }
    return counts;
}

std::string ManageLists::UnitsVisibleText(UnitCounts counts) {
    return "Units/Visible    " + std::to_string(counts.units) + "/" + std::to_string(counts.visible);
}

bool ManageLists::SelectCategoryExactly(UnitDatabase &database, std::string_view name) {
    const std::string cut = UnitDatabase::CutName(name);
    for (database.FirstCategory(); database.HasCategory(); database.NextCategory())
        if (database.CategoryName() == cut)
            return true;
    return database.SelectCategory(cut);
}

bool ManageLists::AnyTicked(const CheckItems &items) {
    return std::any_of(items.begin(), items.end(), [](const CheckItem &i) { return i.ticked; });
}

// Each row's category is swapped into the row's place; a flag is only written to the category
// that carries the row's name, so a list that no longer matches the database cannot hide the
// wrong category.
bool ManageLists::AcceptCategories(UnitDatabase &database, const CheckItems &items) {
    if (!AnyTicked(items))
        return false;
    std::size_t i = 0;
    for (database.FirstCategory(); database.HasCategory() && i < items.size(); database.NextCategory(), ++i) {
        database.SwapCategories(items[i].name);
        if (database.CategoryName() == items[i].name)
            database.SetCategoryHidden(!items[i].ticked);
    }
    return true;
}

UnitCounts ManageLists::AcceptUnits(UnitDatabase &database, std::string_view category,
                                    const CheckItems &items) {
    if (!SelectCategoryExactly(database, category))
        return {};
    const std::string name = database.CategoryName();
    std::size_t i = 0;
    for (database.FirstUnit(); database.HasUnit() && i < items.size(); database.NextUnit(), ++i) {
        database.SwapUnits(items[i].name);
        if (database.UnitName() == items[i].name)
            database.SetUnitHidden(!items[i].ticked);
    }
    return CountUnits(database, name);
}

CheckItems ManageLists::OrderUnits(UnitDatabase &database, std::string_view category, const CheckItems &items,
                                   UnitOrder order) {
    if (order == UnitOrder::Alphabetical)
        database.BuildSortedByName(category);
    else
        database.BuildSortedByDefaultOrder(category);
    CheckItems ordered;
    for (database.FirstSorted(); database.HasSorted(); database.NextSorted()) {
        const std::string name = database.SortedName();
        if (const CheckItem *shown = FindItem(items, name))
            database.SetSortedHidden(!shown->ticked);
        ordered.push_back({name, !database.SortedHidden()});
    }
    return ordered;
}

void ManageLists::SortByName(CheckItems &items, const NameOrder &less) {
    std::stable_sort(items.begin(), items.end(),
                     [&less](const CheckItem &a, const CheckItem &b) { return less(a.name, b.name); });
}

void ManageLists::ApplyTicks(CheckItems &items, TickCommand command) {
    for (CheckItem &item : items)
        item.ticked = command == TickCommand::All    ? true
                      : command == TickCommand::None ? false
                                                     : !item.ticked;
}

} // namespace mensurio
