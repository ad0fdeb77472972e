// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/UnitRecord.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

/// The in-memory units database: ordered categories with ordered units, navigated
/// through a category cursor, a unit cursor over the "current unit list" and a
/// detached sorted view. Every name passed in is cut to its first 50 bytes.
class UnitDatabase {
  public:
    static constexpr std::size_t MaxNameLength = 50;
    static constexpr std::size_t None = static_cast<std::size_t>(-1);

    // Name rules shared with every caller.
    static std::string CutName(std::string_view name);
    static std::string FoldCase(std::string_view name); // A..Z to a..z only
    static bool SameNameIgnoringCase(std::string_view a, std::string_view b);
    static bool NameLess(std::string_view a, std::string_view b); // case-insensitive alphabetical order

    // Category cursor.
    void FirstCategory();
    bool HasCategory() const;
    void NextCategory();
    std::string CategoryName() const;
    bool CategoryCustom() const;
    bool CategoryHidden() const;
    void SetCategoryHidden(bool flag);
    void FirstVisibleCategory();
    bool HasVisibleCategory();
    void NextVisibleCategory();
    bool SelectCategory(std::string_view name);

    // Unit cursor over the current unit list.
    void FirstUnit();
    bool HasUnit() const;
    void NextUnit();
    std::string UnitName() const;
    long double UnitFactor() const;
    int UnitDefaultOrder() const;
    bool UnitCustom() const;
    bool UnitHidden() const;
    UnitRecord CurrentUnitRecord() const;
    void SetUnitHidden(bool flag);
    bool HasVisibleUnit();
    void NextVisibleUnit();
    void CloseUnitRing();
    void OpenUnitRing();

    // Sorted view: detached copies of one category's units.
    void BuildSortedByName(std::string_view category);
    void BuildSortedByDefaultOrder(std::string_view category);
    void FirstSorted();
    bool HasSorted() const;
    void NextSorted();
    std::string SortedName() const;
    long double SortedFactor() const;
    bool SortedHidden() const;
    UnitRecord SortedRecord() const;
    void SetSortedHidden(bool flag);
    bool HasVisibleSorted();
    void NextVisibleSorted();

    // Lookups by name.
    bool CategoryExists(std::string_view name);
    bool IsCategoryShown(std::string_view name);
    bool UnitExists(std::string_view category, std::string_view unit);
    bool UnitNameTaken(std::string_view category, std::string_view unit);
    long double UnitFactorOf(std::string_view category, std::string_view unit);
    std::string UnitOriginOf(std::string_view category, std::string_view unit);
    bool IsUnitHidden(std::string_view category, std::string_view unit);
    int UnitCount(std::string_view category);

    // Edits.
    void AddCategory(std::string_view name, bool custom);
    void RenameCategory(std::string_view oldName, std::string_view newName);
    void DeleteCategory(std::string_view name);
    void SwapCategories(std::string_view name);
    void SortCategoriesByName();
    void AddUnit(std::string_view category, std::string_view name, std::string_view origin,
                 long double factor, bool custom);
    void ModifyUnit(std::string_view category, std::string_view oldName, std::string_view newName,
                    std::string_view origin, long double factor, bool custom);
    void DeleteUnit(std::string_view category, std::string_view name);
    // Gives each built-in unit of the built-in category (exact name) the factor `factorOf` returns
    // for it; nullopt leaves the unit as it is. Custom units, custom categories and the cursors
    // are not touched. Returns how many factors were set. Exchange rates reach the currencies so.
    int SetBuiltinFactors(std::string_view category,
                          const std::function<std::optional<long double>(const UnitRecord &)> &factorOf);
    void SwapUnits(std::string_view name);
    void CheckDefaultOrder(std::string_view category);
    void RenumberUnits(std::string_view category);
    static std::string SimplifyName(std::string_view text);
    void SimplifyNames();
    void Clear();

    // Appending as the file reader does: a category record (flags from the file) and a
    // unit of the named category, creating the category when it is not current or known.
    void AppendCategoryRecord(std::string_view name, bool custom, bool hidden);
    void AppendUnitRecord(std::string_view category, UnitRecord unit, bool legacyOrder);
    // The same for a category already found by position (the reader's name index); it becomes
    // the current category.
    void AppendUnitRecordAt(std::size_t categoryIndex, UnitRecord unit, bool legacyOrder);

    // Read-only access to the whole store, for writers and exporters.
    const std::vector<CategoryRecord> &Categories() const { return m_categories; }

    bool SkipHidden = false;
    bool LoadedLegacy = false;
    bool LoadedFresh = false;
    bool NamesSimplified = false;
    // Set by the start sequence when "units.dat" existed but could not be read and the default
    // database was loaded instead: the exit save keeps that file before it writes a new one.
    bool LoadedFallback = false;
    // Set by the start sequence when "units.dat" is a symbolic link whose target did not load: it
    // is never written through (the target is some other file) and never replaced. Says why,
    // for the exit prompt that offers another file; empty otherwise.
    std::string NotSavableReason;
    // The database as loaded when NotSavableReason is set, so that the exit asks only when
    // something changed.
    std::string ContentAtLoad;

  private:
    CategoryRecord *currentCategory();
    const CategoryRecord *currentCategory() const;
    std::vector<UnitRecord> *currentUnits();
    const std::vector<UnitRecord> *currentUnits() const;
    const UnitRecord *currentUnit() const;
    UnitRecord *currentUnit();
    const UnitRecord *currentSorted() const;
    std::size_t findCategoryExact(std::string_view name, std::size_t from = 0) const;
    UnitRecord *findUnitExact(std::string_view category, std::string_view unit);
    bool selectUnitsOf(std::string_view category); // SelectCategory + FirstUnit
    void buildSorted(std::string_view category, bool byName);

    std::vector<CategoryRecord> m_categories;
    std::size_t m_category = None;     // category cursor
    std::size_t m_unitCategory = None; // whose units are the current unit list
    std::size_t m_unit = None;         // unit cursor
    bool m_ringClosed = false;
    std::vector<UnitRecord> m_sorted;
    std::size_t m_sortedPos = None;
};

} // namespace mensurio
