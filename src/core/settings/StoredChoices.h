// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/CompoundStyle.h"
#include "core/engine/ResultFormatter.h"
#include "core/tables/TableChoices.h"

#include <cstdint>
#include <span>

namespace mensurio {

/// A closed choice and the number the settings file stores for it.
template <typename Choice> struct StoredNumber {
    Choice choice;
    int32_t number;
};

// The one place where each closed choice meets the number its key stores. The numbers are
// those of settings files already written (the order of the choices' radio buttons) and never
// change.

// ReNumber
inline constexpr StoredNumber<ResultFormat> kResultFormatNumbers[] = {
    {ResultFormat::Auto, 0},
    {ResultFormat::Scientific, 1},
    {ResultFormat::Fixed, 2},
    {ResultFormat::FixedThousands, 3},
};

// multiformat
inline constexpr StoredNumber<CompoundStyle> kCompoundStyleNumbers[] = {
    {CompoundStyle::ParenthesisedValue, 0},
    {CompoundStyle::PlainValue, 1},
    {CompoundStyle::UnitFirst, 2},
};

// tableresultformat
inline constexpr StoredNumber<TableResultFormat> kTableResultFormatNumbers[] = {
    {TableResultFormat::General, 0},
    {TableResultFormat::Scientific, 1},
};

// tablepaper
inline constexpr StoredNumber<TablePaper> kTablePaperNumbers[] = {
    {TablePaper::Landscape, 0},
    {TablePaper::Portrait, 1},
};

// tableconversionstyle
inline constexpr StoredNumber<TableDirection> kTableDirectionNumbers[] = {
    {TableDirection::RightAndUp, 0},
    {TableDirection::DownAndLeft, 1},
};

constexpr std::span<const StoredNumber<ResultFormat>> StoredNumbers(ResultFormat) {
    return kResultFormatNumbers;
}
constexpr std::span<const StoredNumber<CompoundStyle>> StoredNumbers(CompoundStyle) {
    return kCompoundStyleNumbers;
}
constexpr std::span<const StoredNumber<TableResultFormat>> StoredNumbers(TableResultFormat) {
    return kTableResultFormatNumbers;
}
constexpr std::span<const StoredNumber<TablePaper>> StoredNumbers(TablePaper) {
    return kTablePaperNumbers;
}
constexpr std::span<const StoredNumber<TableDirection>> StoredNumbers(TableDirection) {
    return kTableDirectionNumbers;
}

/// The choice a stored number stands for; a number that no choice has gives `fallback`.
template <typename Choice> constexpr Choice FromStoredNumber(int32_t number, Choice fallback) {
    for (const StoredNumber<Choice> &entry : StoredNumbers(fallback))
        if (entry.number == number)
            return entry.choice;
    return fallback;
}

/// The number the settings file stores for the choice.
template <typename Choice> constexpr int32_t ToStoredNumber(Choice choice) {
    for (const StoredNumber<Choice> &entry : StoredNumbers(choice))
        if (entry.choice == choice)
            return entry.number;
    return StoredNumbers(choice).front().number; // not reached: every choice has its number
}

} // namespace mensurio
