// SPDX-License-Identifier: MIT
// Unit edits, default-order repair, name simplification and clearing of UnitDatabase.
#include "core/db/UnitDatabase.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace mensurio {

void UnitDatabase::AddUnit(std::string_view category, std::string_view name, std::string_view origin,
                           long double factor, bool custom) {
    if (!selectUnitsOf(category))
        return;
    auto &units = m_categories[m_category].Units;
    UnitRecord u;
    u.Name = CutName(name);
    u.OriginUnit = CutName(origin);
    u.Factor = factor;
    u.Custom = custom ? 1 : 0;
    u.DefaultOrder = static_cast<std::int32_t>(units.size() + 1);
    units.push_back(std::move(u));
    FirstUnit();
}

void UnitDatabase::ModifyUnit(std::string_view category, std::string_view oldName, std::string_view newName,
                              std::string_view origin, long double factor, bool custom) {
    if (!selectUnitsOf(category))
        return;
    const std::string oldCut = CutName(oldName);
    const std::string newCut = CutName(newName);
    auto &units = m_categories[m_category].Units;
    auto it = std::find_if(units.begin(), units.end(), [&](const UnitRecord &u) { return u.Name == oldCut; });
    if (it == units.end())
        return;
    it->Name = newCut;
    it->OriginUnit = CutName(origin);
    it->Factor = factor;
    it->Custom = custom ? 1 : 0;
    for (auto &u : units)
        if (u.OriginUnit == oldCut)
            u.OriginUnit = newCut;
}

void UnitDatabase::DeleteUnit(std::string_view category, std::string_view name) {
    if (!selectUnitsOf(category))
        return;
    const std::string cut = CutName(name);
    auto &units = m_categories[m_category].Units;
    auto it = std::find_if(units.begin(), units.end(), [&](const UnitRecord &u) { return u.Name == cut; });
    if (it == units.end())
        return;
    const std::int32_t removedOrder = it->DefaultOrder;
    units.erase(it);
    for (auto &u : units)
        if (u.DefaultOrder > removedOrder)
            --u.DefaultOrder;
    FirstUnit();
    CheckDefaultOrder(category);
}

void UnitDatabase::SwapUnits(std::string_view name) {
    auto *units = currentUnits();
    if (!units || m_unit >= units->size())
        return;
    const std::string cut = CutName(name);
    for (std::size_t i = m_unit; i < units->size(); ++i) {
        if ((*units)[i].Name == cut) {
            std::swap((*units)[m_unit], (*units)[i]);
            return;
        }
    }
}

void UnitDatabase::CheckDefaultOrder(std::string_view category) {
    if (!selectUnitsOf(category))
        return;
    const auto &units = m_categories[m_category].Units;
    const std::size_t n = units.size();
    std::vector<bool> seen(n + 1, false);
    bool valid = true;
    for (const auto &u : units) {
        if (u.DefaultOrder < 1 || static_cast<std::size_t>(u.DefaultOrder) > n || seen[u.DefaultOrder]) {
            valid = false;
            break;
        }
        seen[u.DefaultOrder] = true;
    }
    if (!valid)
        RenumberUnits(category);
}

void UnitDatabase::RenumberUnits(std::string_view category) {
    if (!selectUnitsOf(category))
        return;
    auto &units = m_categories[m_category].Units;
    std::vector<std::size_t> order(units.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return units[a].DefaultOrder < units[b].DefaultOrder;
    });
    for (std::size_t rank = 0; rank < order.size(); ++rank)
        units[order[rank]].DefaultOrder = static_cast<std::int32_t>(rank + 1);
}

void UnitDatabase::Clear() {
    m_categories.clear();
    m_sorted.clear();
    m_category = None;
    m_unitCategory = None;
    m_unit = None;
    m_sortedPos = None;
    m_ringClosed = false;
}

// ---- name simplification ---------------------------------------------------

namespace {

constexpr unsigned char SuperscriptTwo = 0xB2;
constexpr unsigned char SuperscriptThree = 0xB3;
constexpr unsigned char DegreeSign = 0xB0;

bool isAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Replaces each superscript `mark` by `word` placed before the run of letters it follows.
bool replacePowers(std::string &text, unsigned char mark, const char *word) {
    bool changed = false;
    const std::string insert(word);
    for (std::size_t p = 0; p < text.size(); ++p) {
        if (static_cast<unsigned char>(text[p]) != mark)
            continue;
        text.erase(p, 1);
        std::size_t start = p;
        while (start > 0 && isAsciiLetter(text[start - 1]))
            --start;
        text.insert(start, insert);
        p += insert.size() - 1; // continue after the character that followed the mark
        changed = true;
    }
    return changed;
}

bool replaceZeroCaret(std::string &text) {
    bool changed = false;
    for (std::size_t p = 0; p + 1 < text.size(); ++p) {
        if (text[p] == '0' && text[p + 1] == '^') {
            text.replace(p, 2, "E");
            changed = true;
        }
    }
    return changed;
}

bool replaceDegrees(std::string &text) {
    bool changed = false;
    bool afterDigit = false; // a degree sign after a digit was met earlier in this pass
    for (std::size_t p = 0; p < text.size(); ++p) {
        if (static_cast<unsigned char>(text[p]) != DegreeSign)
            continue;
        if (p > 0 && isDigit(text[p - 1]))
            afterDigit = true;
        const std::string insert = afterDigit ? " degrees " : "degree ";
        text.replace(p, 1, insert);
        p += insert.size() - 1;
        changed = true;
    }
    return changed;
}

} // namespace

std::string UnitDatabase::SimplifyName(std::string_view name) {
    std::string text(name);
    bool changed = true;
    while (changed) {
        changed = replacePowers(text, SuperscriptTwo, "square ") ||
                  replacePowers(text, SuperscriptThree, "cubic ") || replaceZeroCaret(text) ||
                  replaceDegrees(text);
    }
    return text;
}

void UnitDatabase::SimplifyNames() {
    for (auto &c : m_categories) {
        c.Name = CutName(SimplifyName(c.Name));
        for (auto &u : c.Units) {
            u.Name = CutName(SimplifyName(u.Name));
            u.OriginUnit = CutName(SimplifyName(u.OriginUnit));
        }
    }
    FirstCategory();
    FirstUnit();
}

} // namespace mensurio
