// SPDX-License-Identifier: MIT
// Sorted view, lookups by name and edits of UnitDatabase.
#include "core/db/UnitDatabase.h"

#include <algorithm>
#include <utility>

namespace mensurio {

namespace {

// Classic two-ended quicksort: middle pivot, scans from both ends exchanging whole records.
template <typename Less> void quickSort(std::vector<UnitRecord> &v, long lo, long hi, Less less) {
    long i = lo;
    long j = hi;
    const UnitRecord pivot = v[static_cast<std::size_t>((lo + hi) / 2)];
    do {
        while (less(v[static_cast<std::size_t>(i)], pivot))
            ++i;
        while (less(pivot, v[static_cast<std::size_t>(j)]))
            --j;
        if (i <= j) {
            std::swap(v[static_cast<std::size_t>(i)], v[static_cast<std::size_t>(j)]);
            ++i;
            --j;
        }
    } while (i <= j);
    if (lo < j)
        quickSort(v, lo, j, less);
    if (i < hi)
        quickSort(v, i, hi, less);
}

} // namespace

// ---- sorted view -----------------------------------------------------------

void UnitDatabase::buildSorted(std::string_view category, bool byName) {
    m_sorted.clear();
    m_sortedPos = None;
    if (!selectUnitsOf(category))
        return;
    m_sorted = m_categories[m_category].Units;
    if (m_sorted.size() > 1) {
        const long hi = static_cast<long>(m_sorted.size()) - 1;
        if (byName)
            quickSort(m_sorted, 0, hi,
                      [](const UnitRecord &a, const UnitRecord &b) { return NameLess(a.Name, b.Name); });
        else
            quickSort(m_sorted, 0, hi, [](const UnitRecord &a, const UnitRecord &b) {
                return a.DefaultOrder < b.DefaultOrder;
            });
    }
    FirstSorted();
}

void UnitDatabase::BuildSortedByName(std::string_view category) {
    buildSorted(category, true);
}

void UnitDatabase::BuildSortedByDefaultOrder(std::string_view category) {
    buildSorted(category, false);
}

void UnitDatabase::FirstSorted() {
    m_sortedPos = m_sorted.empty() ? None : 0;
}

bool UnitDatabase::HasSorted() const {
    return currentSorted() != nullptr;
}

void UnitDatabase::NextSorted() {
    if (m_sortedPos < m_sorted.size())
        ++m_sortedPos;
    if (m_sortedPos >= m_sorted.size())
        m_sortedPos = None;
}

std::string UnitDatabase::SortedName() const {
    const auto *u = currentSorted();
    return u ? u->Name : std::string();
}

long double UnitDatabase::SortedFactor() const {
    const auto *u = currentSorted();
    return u ? u->Factor : 0.0L;
}

bool UnitDatabase::SortedHidden() const {
    const auto *u = currentSorted();
    return u && u->Hidden != 0;
}

UnitRecord UnitDatabase::SortedRecord() const {
    const auto *u = currentSorted();
    return u ? *u : UnitRecord{};
}

void UnitDatabase::SetSortedHidden(bool flag) {
    if (m_sortedPos < m_sorted.size())
        m_sorted[m_sortedPos].Hidden = flag ? 1 : 0;
}

bool UnitDatabase::HasVisibleSorted() {
    if (SkipHidden)
        while (m_sortedPos < m_sorted.size() && m_sorted[m_sortedPos].Hidden)
            NextSorted();
    return HasSorted();
}

void UnitDatabase::NextVisibleSorted() {
    NextSorted();
    HasVisibleSorted();
}

// ---- lookups ---------------------------------------------------------------

bool UnitDatabase::CategoryExists(std::string_view name) {
    return SelectCategory(name);
}

bool UnitDatabase::IsCategoryShown(std::string_view name) {
    if (!SelectCategory(name))
        return false;
    return !(SkipHidden && CategoryHidden());
}

bool UnitDatabase::UnitExists(std::string_view category, std::string_view unit) {
    if (!selectUnitsOf(category))
        return false;
    const std::string cut = CutName(unit);
    for (; HasUnit(); NextUnit())
        if (SameNameIgnoringCase(UnitName(), cut))
            return true;
    return false;
}

bool UnitDatabase::UnitNameTaken(std::string_view category, std::string_view unit) {
    if (!CategoryExists(category))
        return true;
    return UnitExists(category, unit);
}

UnitRecord *UnitDatabase::findUnitExact(std::string_view category, std::string_view unit) {
    const std::string cat = CutName(category);
    const std::string name = CutName(unit);
    for (std::size_t c = 0; c < m_categories.size(); ++c) {
        if (m_categories[c].Name != cat)
            continue;
        m_category = c;
        FirstUnit();
        for (; HasUnit(); NextUnit())
            if (currentUnit()->Name == name)
                return currentUnit();
    }
    return nullptr;
}

long double UnitDatabase::UnitFactorOf(std::string_view category, std::string_view unit) {
    const auto *u = findUnitExact(category, unit);
    return u ? u->Factor : 0.0L;
}

std::string UnitDatabase::UnitOriginOf(std::string_view category, std::string_view unit) {
    const auto *u = findUnitExact(category, unit);
    return u ? u->OriginUnit : std::string("Error!");
}

bool UnitDatabase::IsUnitHidden(std::string_view category, std::string_view unit) {
    const auto *u = findUnitExact(category, unit);
    if (!u)
        return true;
    return u->Hidden != 0 || m_categories[m_unitCategory].Hidden != 0;
}

int UnitDatabase::UnitCount(std::string_view category) {
    if (!selectUnitsOf(category))
        return 0;
    return static_cast<int>(m_categories[m_category].Units.size());
}

// ---- category edits --------------------------------------------------------

void UnitDatabase::AddCategory(std::string_view name, bool custom) {
    AppendCategoryRecord(name, custom, false);
}

void UnitDatabase::AppendCategoryRecord(std::string_view name, bool custom, bool hidden) {
    CategoryRecord c;
    c.Name = CutName(name);
    c.Custom = custom ? 1 : 0;
    c.Hidden = hidden ? 1 : 0;
    m_categories.push_back(std::move(c));
    m_category = m_categories.size() - 1;
}

void UnitDatabase::AppendUnitRecord(std::string_view category, UnitRecord unit, bool legacyOrder) {
    // Names are cut in place, without copies: the file reader appends every unit through here.
    const std::string_view cat = category.substr(0, std::min(category.size(), MaxNameLength));
    if (!(m_category < m_categories.size() && m_categories[m_category].Name == cat)) {
        const std::size_t found = findCategoryExact(cat);
        if (found == None)
            AppendCategoryRecord(cat, false, false);
        else
            m_category = found;
    }
    AppendUnitRecordAt(m_category, std::move(unit), legacyOrder);
}

void UnitDatabase::AppendUnitRecordAt(std::size_t categoryIndex, UnitRecord unit, bool legacyOrder) {
    m_category = categoryIndex;
    auto &units = m_categories[m_category].Units;
    if (unit.Name.size() > MaxNameLength)
        unit.Name.resize(MaxNameLength);
    if (unit.OriginUnit.size() > MaxNameLength)
        unit.OriginUnit.resize(MaxNameLength);
    units.push_back(std::move(unit));
    if (legacyOrder)
        units.back().DefaultOrder = static_cast<std::int32_t>(units.size());
}

void UnitDatabase::RenameCategory(std::string_view oldName, std::string_view newName) {
    if (SelectCategory(oldName) && m_categories[m_category].Name == CutName(oldName))
        m_categories[m_category].Name = CutName(newName);
}

void UnitDatabase::DeleteCategory(std::string_view name) {
    const std::size_t found = findCategoryExact(name);
    if (found == None)
        return;
    m_categories.erase(m_categories.begin() + static_cast<std::ptrdiff_t>(found));
    m_category = m_categories.empty() ? None : m_categories.size() - 1;
    FirstUnit();
}

void UnitDatabase::SwapCategories(std::string_view name) {
    if (m_category >= m_categories.size())
        return;
    const std::size_t other = findCategoryExact(name, m_category);
    if (other == None || other == m_category)
        return;
    std::swap(m_categories[m_category], m_categories[other]);
    // The current unit list follows its category's contents.
    if (m_unitCategory == m_category)
        m_unitCategory = other;
    else if (m_unitCategory == other)
        m_unitCategory = m_category;
}

void UnitDatabase::SortCategoriesByName() {
    for (FirstCategory(); HasCategory(); NextCategory()) {
        std::size_t smallest = m_category;
        for (std::size_t i = m_category + 1; i < m_categories.size(); ++i)
            if (NameLess(m_categories[i].Name, m_categories[smallest].Name))
                smallest = i;
        if (smallest != m_category)
            SwapCategories(m_categories[smallest].Name);
    }
}

} // namespace mensurio

namespace mensurio {

int UnitDatabase::SetBuiltinFactors(
    std::string_view category,
    const std::function<std::optional<long double>(const UnitRecord &)> &factorOf) {
    int set = 0;
    for (CategoryRecord &record : m_categories) {
        if (record.Name != category || record.Custom != 0)
            continue;
        for (UnitRecord &unit : record.Units) {
            if (unit.Custom != 0)
                continue;
            if (const std::optional<long double> factor = factorOf(unit)) {
                unit.Factor = *factor;
                ++set;
            }
        }
    }
    return set;
}

} // namespace mensurio
