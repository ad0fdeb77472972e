// SPDX-License-Identifier: MIT
#include "core/db/UnitDatabase.h"

#include <algorithm>
#include <utility>

namespace mensurio {

namespace {

unsigned char foldByte(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}

} // namespace

std::string UnitDatabase::CutName(std::string_view name) {
    return std::string(name.substr(0, std::min(name.size(), MaxNameLength)));
}

std::string UnitDatabase::FoldCase(std::string_view name) {
    std::string out(name);
    for (char &c : out)
        c = static_cast<char>(foldByte(static_cast<unsigned char>(c)));
    return out;
}

bool UnitDatabase::SameNameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (foldByte(static_cast<unsigned char>(a[i])) != foldByte(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool UnitDatabase::NameLess(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = foldByte(static_cast<unsigned char>(a[i]));
        const unsigned char y = foldByte(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y;
    }
    return a.size() < b.size();
}

// ---- private helpers -------------------------------------------------------

CategoryRecord *UnitDatabase::currentCategory() {
    return m_category < m_categories.size() ? &m_categories[m_category] : nullptr;
}

const CategoryRecord *UnitDatabase::currentCategory() const {
    return m_category < m_categories.size() ? &m_categories[m_category] : nullptr;
}

std::vector<UnitRecord> *UnitDatabase::currentUnits() {
    return m_unitCategory < m_categories.size() ? &m_categories[m_unitCategory].Units : nullptr;
}

const std::vector<UnitRecord> *UnitDatabase::currentUnits() const {
    return m_unitCategory < m_categories.size() ? &m_categories[m_unitCategory].Units : nullptr;
}

const UnitRecord *UnitDatabase::currentUnit() const {
    const auto *units = currentUnits();
    return units && m_unit < units->size() ? &(*units)[m_unit] : nullptr;
}

UnitRecord *UnitDatabase::currentUnit() {
    auto *units = currentUnits();
    return units && m_unit < units->size() ? &(*units)[m_unit] : nullptr;
}

const UnitRecord *UnitDatabase::currentSorted() const {
    return m_sortedPos < m_sorted.size() ? &m_sorted[m_sortedPos] : nullptr;
}

std::size_t UnitDatabase::findCategoryExact(std::string_view name, std::size_t from) const {
    const std::string cut = CutName(name);
    for (std::size_t i = from; i < m_categories.size(); ++i)
        if (m_categories[i].Name == cut)
            return i;
    return None;
}

bool UnitDatabase::selectUnitsOf(std::string_view category) {
    if (!SelectCategory(category))
        return false;
    FirstUnit();
    return true;
}

// ---- category cursor -------------------------------------------------------

void UnitDatabase::FirstCategory() {
    m_category = m_categories.empty() ? None : 0;
}

bool UnitDatabase::HasCategory() const {
    return currentCategory() != nullptr;
}

void UnitDatabase::NextCategory() {
    if (m_category < m_categories.size())
        ++m_category;
    if (m_category >= m_categories.size())
        m_category = None;
}

std::string UnitDatabase::CategoryName() const {
    const auto *c = currentCategory();
    return c ? c->Name : std::string();
}

bool UnitDatabase::CategoryCustom() const {
    const auto *c = currentCategory();
    return c && c->Custom != 0;
}

bool UnitDatabase::CategoryHidden() const {
    const auto *c = currentCategory();
    return c && c->Hidden != 0;
}

void UnitDatabase::SetCategoryHidden(bool flag) {
    if (auto *c = currentCategory())
        c->Hidden = flag ? 1 : 0;
}

void UnitDatabase::FirstVisibleCategory() {
    FirstCategory();
    if (!SkipHidden || m_categories.empty())
        return;
    const bool allHidden = std::all_of(m_categories.begin(), m_categories.end(),
                                       [](const CategoryRecord &c) { return c.Hidden != 0; });
    // One category always stays visible: un-hide the first when all are hidden.
    if (allHidden)
        m_categories.front().Hidden = 0;
}

bool UnitDatabase::HasVisibleCategory() {
    if (SkipHidden)
        while (m_category < m_categories.size() && m_categories[m_category].Hidden)
            NextCategory();
    return HasCategory();
}

void UnitDatabase::NextVisibleCategory() {
    NextCategory();
    if (SkipHidden)
        while (m_category < m_categories.size() && m_categories[m_category].Hidden)
            NextCategory();
}

bool UnitDatabase::SelectCategory(std::string_view name) {
    // The category spelled exactly so first: two categories may differ only in letter case.
    if (const std::size_t exact = findCategoryExact(name); exact != None) {
        m_category = exact;
        return true;
    }
    const std::string cut = CutName(name);
    for (std::size_t i = 0; i < m_categories.size(); ++i) {
        if (SameNameIgnoringCase(m_categories[i].Name, cut)) {
            m_category = i;
            return true;
        }
    }
    m_category = None;
    return false;
}

// ---- unit cursor -----------------------------------------------------------

void UnitDatabase::FirstUnit() {
    m_unitCategory = m_category;
    m_ringClosed = false;
    const auto *units = currentUnits();
    m_unit = units && !units->empty() ? 0 : None;
}

bool UnitDatabase::HasUnit() const {
    return currentUnit() != nullptr;
}

void UnitDatabase::NextUnit() {
    const auto *units = currentUnits();
    if (!units || m_unit >= units->size()) {
        m_unit = None;
        return;
    }
    ++m_unit;
    if (m_unit >= units->size())
        m_unit = (m_ringClosed && !units->empty()) ? 0 : None;
}

std::string UnitDatabase::UnitName() const {
    const auto *u = currentUnit();
    return u ? u->Name : std::string();
}

long double UnitDatabase::UnitFactor() const {
    const auto *u = currentUnit();
    return u ? u->Factor : 0.0L;
}

int UnitDatabase::UnitDefaultOrder() const {
    const auto *u = currentUnit();
    return u ? u->DefaultOrder : 0;
}

bool UnitDatabase::UnitCustom() const {
    const auto *u = currentUnit();
    return u && u->Custom != 0;
}

bool UnitDatabase::UnitHidden() const {
    const auto *u = currentUnit();
    return u && u->Hidden != 0;
}

UnitRecord UnitDatabase::CurrentUnitRecord() const {
    const auto *u = currentUnit();
    return u ? *u : UnitRecord{};
}

void UnitDatabase::SetUnitHidden(bool flag) {
    if (auto *u = currentUnit())
        u->Hidden = flag ? 1 : 0;
}

bool UnitDatabase::HasVisibleUnit() {
    if (SkipHidden) {
        // With the ring closed every unit may be hidden; stop after one full turn.
        const auto *units = currentUnits();
        std::size_t steps = 0;
        while (currentUnit() && currentUnit()->Hidden && units && steps++ <= units->size())
            NextUnit();
        if (currentUnit() && currentUnit()->Hidden)
            m_unit = None;
    }
    return HasUnit();
}

void UnitDatabase::NextVisibleUnit() {
    NextUnit();
    HasVisibleUnit();
}

void UnitDatabase::CloseUnitRing() {
    m_ringClosed = true;
}

void UnitDatabase::OpenUnitRing() {
    m_ringClosed = false;
}

} // namespace mensurio
