// SPDX-License-Identifier: MIT
#pragma once

namespace mensurio::CustomTexts {

// What the custom unit and category dialogs show, word for word.
inline constexpr const char *BaseUnitValue = "(Base Unit)";
inline constexpr const char *RefusedCategory = "You cannot add custom units to this category.";
inline constexpr const char *IsBaseUnit = " is the base unit.";
inline constexpr const char *UnitNameTaken =
    "The unit name you have chosen already belongs to another unit in this "
    "category. You must choose a unique name for this unit.";
inline constexpr const char *InvalidValue =
    "The value you have entered for this unit is not a valid number or expression.";
inline constexpr const char *ZeroValue = "The value for a unit cannot be zero.";
inline constexpr const char *OriginWithoutRate =
    "The currency you define this unit by has no exchange rate yet. Update the exchange rates first "
    "(Action, Update Exchange Rates), or define the unit by the euro.";
inline constexpr const char *ConfirmRemoveUnit = "Are you sure you want to remove the selected unit?";
inline constexpr const char *CategoryNameTaken =
    "The category name you have chosen already belongs to another "
    "category. You must choose a unique name for this category.";
inline constexpr const char *ConfirmRemoveCategory =
    "Are you sure you want to remove the selected category and all of its units?";

// Refusals of names the database could not hold or show sensibly.
inline constexpr const char *BlankUnitName = "You must enter a name for this unit.";
inline constexpr const char *BlankCategoryName = "You must enter a name for this category.";
inline constexpr const char *UnstorableName =
    "The name you have entered contains characters that cannot be stored in the units database. "
    "Use letters, digits and signs of Western European languages only.";
inline constexpr const char *ReservedCategoryName =
    "The name \"Category\" is reserved by the units database file. You must choose another name for this "
    "category.";

} // namespace mensurio::CustomTexts
