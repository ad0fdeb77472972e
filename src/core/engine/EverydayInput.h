// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/UnitRecord.h"
#include "core/engine/UnitAliases.h"
#include "core/engine/UnitExpressionText.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

/// A typed input as the engine's parse wants it, or the reason it is refused.
struct EverydayInput {
    std::string text;    // symbols replaced by unit names, numbers written plainly
    std::string message; // non-empty: the input is refused with this message
    /// Set when the whole input is one number followed by one unit ("72 °F"): that unit's name
    /// and the number's text.
    std::string singleUnit;
    std::string singleNumber;
    /// The full names of the units the input names, each once, in the order typed.
    std::vector<std::string> namedUnits;
};

/// Reads what people type into the text the unit-aware parse understands:
/// - unit names as the database spells them (longest first), and symbols, plurals and other
///   spellings as whole words ("5 ft", "10kg", "3 feet", "Foot"); a word that names no unit is
///   refused, naming the closest units;
/// - quantities side by side are a sum ("5 ft 3 in", "1 h 30 min"), and a number with its unit
///   after a '/' is one quantity ("60 / 2 h");
/// - a whole number, a space and a fraction is a mixed number ("1 3/4", "-1 3/4");
/// - a space and exactly three digits continue a number ("1 000"), any other two numbers side by
///   side are refused ("2 3");
/// - comma and point both mark decimals; an unambiguous grouping is read as grouping ("12,345.6",
///   "1,234,567"), a lone group separator before three digits ("1,000" where the point marks
///   decimals) is refused as ambiguous.
/// knownUnits are the category's units, longest name first; decimalMark is the locale's.
EverydayInput ReadEverydayInput(std::string_view typed, std::span<const KnownUnit> knownUnits,
                                const UnitAliases &aliases, char decimalMark);

/// The units as the reading wants them: longest name first (ties in the given order).
std::vector<KnownUnit> KnownUnitsLongestFirst(const std::vector<UnitRecord> &units);

/// Up to three units whose names or aliases are closest in spelling to word, as "foot (ft)".
std::vector<std::string> ClosestUnits(std::string_view word, const UnitAliases &aliases);

/// "unknown unit 'fot'; did you mean foot (ft)?" (without the question when nothing is close).
std::string UnknownUnitMessage(std::string_view word, const std::vector<std::string> &closest);

/// The pieces of the reading above, for readers of other kinds of expressions: where a number
/// starting at pos ends; whether one starts there; whether a word ends at end (a space, a digit,
/// an operator, a parenthesis or the end); a number's text with its digit groups removed, or the
/// message when its grouping is ambiguous.
std::size_t TypedNumberEnd(std::string_view text, std::size_t pos);
bool StartsTypedNumber(std::string_view text, std::size_t pos);
bool EndsTypedWord(std::string_view text, std::size_t end);
std::string PlainTypedNumber(const std::string &typed, char decimalMark, std::string &message);

/// The message for an input beyond the length limit.
std::string InputTooLongMessage();

} // namespace mensurio
