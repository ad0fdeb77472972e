// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/CategoryUnit.h"
#include "core/engine/CompoundStyle.h"
#include "core/engine/ListSelection.h"
#include "core/engine/ResultFormatter.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// Compound input and output: splitting one value (or the terms of a compound input) over several
// output units, writing the split in one of the three compound styles, and keeping the typed
// compound input and the input list's selection in step. Plain functions over the engine's unit
// entries; Engine holds the state and calls them.

namespace mensurio {

/// The selected output units in output order, and whether inverse and normal units are mixed.
struct SelectedOutputs {
    std::vector<const CategoryUnit *> units;
    bool mixed = false;
    bool outputInverse = false; // the common inverse flag of the selected outputs
};

/// The entries of outputOrder whose rows are selected in the output list, in outputOrder order.
/// With checkInverse (Efficiency and Reciprocal kinds) it reports mixed when the selected units do
/// not share one inverse flag, else their common flag; otherwise mixed and outputInverse are false.
SelectedOutputs SelectOutputs(std::span<const CategoryUnit *const> outputOrder, const ListSelection &output,
                              bool checkInverse);

/// Splits the values over units with the given factors (largest unit first): every part but the
/// last is a whole number (a value within a relative 1e-16 below a whole number counts as that
/// number), the last carries the remainder. Each value is distributed on its own, then a carry
/// pass settles parts that the separate values left out of range. The inverse form swaps every
/// multiplication by a factor with a division and vice versa. May throw ArithmeticError.
std::vector<long double> SplitCompound(std::span<const long double> values,
                                       std::span<const long double> factors, bool inverseForm);

/// After rounding to the places the format shows, a part that shows as one unit of the next larger
/// unit or more ("12 inch" beside foot, "60 minute" beside hour) carries into it, from the
/// smallest unit up, and keeps the rest (0 when that shows as zero). Negative parts carry -1.
void CarryShownParts(std::vector<long double> &parts, std::span<const long double> factors, bool inverseForm,
                     const ResultFormatOptions &format);

/// The two texts of one compound result.
struct CompoundTexts {
    std::string text;      // as shown
    std::string plainText; // with plain fixed-point numbers; only under Fixed with Thousands Separators
};

/// Writes the parts beside their units' names in the compound style, joined by " + ".
CompoundTexts RenderCompound(std::span<const CategoryUnit *const> units, std::span<const long double> parts,
                             CompoundStyle style, const ResultFormatOptions &format);

/// The whole compound output: the values are replaced by their reciprocals when the outputs'
/// inverse flag differs from the input's (a zero has none: ArithmeticError NoFiniteValue), split
/// in the outputs' form, carried as shown (CarryShownParts) and rendered.
CompoundTexts CompoundOutput(std::vector<long double> inputValues, bool inputInverse,
                             const SelectedOutputs &outputs, CompoundStyle style,
                             const ResultFormatOptions &format);

/// The input list's selection after the input was read: for a compound input exactly the rows of
/// the used units; otherwise, with two or more rows selected, only the lowest stays selected and
/// becomes current. Anything else leaves the selection as it is.
ListSelection SyncInputSelection(const ListSelection &input, bool compound,
                                 std::span<const CategoryUnit *const> usedUnits);

/// Deletes from the typed text the terms of the used units that are no longer selected in the
/// input list, and drops those units from usedUnits. Text it cannot interpret stays in place.
std::string RemoveDeselectedUnitTerms(std::string_view text, std::vector<const CategoryUnit *> &usedUnits,
                                      const ListSelection &input);

/// Appends a "(0) unit" template (in the compound style) for every selected input row that the
/// text does not name yet, in row order.
std::string AppendUnitTemplates(std::string_view text, std::span<const CategoryUnit> categoryUnits,
                                std::span<const CategoryUnit *const> usedUnits, const ListSelection &input,
                                CompoundStyle style);

} // namespace mensurio
