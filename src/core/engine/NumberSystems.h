// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Whole numbers between positional number systems (bases 2 to 36) and Roman numerals, for the
// "Numbers" category. A unit's factor is its base, or 0 for Roman numerals. Every function here
// ends for any input (any length, any bytes) and never reads outside its tables.

namespace mensurio {

inline constexpr std::string_view kResultTooLargeMessage = "result too large";
inline constexpr std::string_view kInvalidRomanMessage = "invalid Roman numeral";
inline constexpr std::int64_t kLargestPositionalValue = 9223372036854775807; // 2^63 − 1

// The number system of a unit factor: the factor rounded to the nearest whole number when that
// is 0 (Roman numerals) or 2 to 36; nothing for any other factor (NaN, infinite, 1, 37, −2, ...),
// which only a damaged or hand-edited database can hold.
std::optional<int> NumberBaseOf(long double factor);

// "Invalid " + unitName + " number".
std::string InvalidNumberMessage(std::string_view unitName);

// Checks the typed text for the input system (base 0 = Roman, else 2 to 36). Returns the message
// to show when it fails: positional input must be digits and letters (either case) whose value is
// below the base, nothing else, an empty text passes ("Invalid <name> number" otherwise);
// Roman input must pass SplitRoman ("invalid Roman numeral" otherwise). A base that NumberBaseOf
// would refuse always fails with "Invalid <name> number".
std::optional<std::string> ValidateNumberInput(std::string_view inputText, int inBase,
                                               std::string_view inputUnitName);

// A Roman input split at its parentheses: 'OL(IV)CCC' gives overline "IV" and plain "CCC".
struct RomanParts {
    std::string overline;
    std::string plain;
    bool failed = false;
};
// Upper-cases the text (a to z only) and splits it. The prefix before '(' must be empty, "OL" or
// "OVERLINE"; both parts may hold only I V X L C D M; a lone or reversed parenthesis and any other
// character (a space too) fail.
RomanParts SplitRoman(std::string_view text);

struct RomanNumber {
    std::int64_t value = 0;
    bool failed = false;
};
// Reads Roman letters left to right, leniently ('IIV' 5, 'IM' 999, 'VV' 10). Fails when the
// running total passes 100000 or on a character that is not one of the seven upper-case letters.
// An empty text is 0.
RomanNumber RomanValue(std::string_view letters);

struct PositionalNumber {
    std::int64_t value = 0;
    bool tooLarge = false;
};
// Reads digits 0-9 and A-Z (upper case; already validated for the base) from the last to the
// first. A digit whose place value, or whose contribution to the total, would pass 2^63 − 1 sets
// tooLarge and adds nothing. Base must be 2 to 36; any other base gives tooLarge.
PositionalNumber ParseInBase(std::string_view digits, int base);

// The digits (0-9, A-Z) of a non-negative value in a base from 2 to 36; 0 gives "0". A negative
// value or a base outside 2 to 36 gives the empty text.
std::string ToBase(std::int64_t value, int base);

// Roman form: below 1 the empty text; 1 to 3999 plain; 4000 to 3999999 as "overline(" + thousands
// + ") " + the rest (4000 gives "overline(IV) "); above that the text "result too large".
std::string ToRoman(std::int64_t value);

// ---- The whole Numbers conversion, on plain values ---------------------------------------------

// One unit of the Numbers category as the engine lists it.
struct NumberSystemUnit {
    std::string name;
    long double factor = 0;
};

enum class NumbersOutcome {
    Converted,    // outputText is the result (possibly empty: nothing to write); resultValid
    InvalidInput, // outputText is the validation message; clear the all-results column, stop
    Failed,       // outputText is "result too large" or "invalid Roman numeral"
};

struct NumbersConversion {
    NumbersOutcome outcome = NumbersOutcome::Converted;
    std::string outputText;
    // True when the value may be listed for every unit (something was converted, the input is
    // neither empty nor "0", and it did not fail); allResults then holds one text per listed unit.
    bool hasAllResults = false;
    std::vector<std::string> allResults;
};

// Converts the typed text from the input system to the output system and, when hasAllResults,
// into every listed unit (in the order given; a unit whose factor is no number system gets
// "Invalid <name> number" in its line). An input or output unit whose factor is no number system
// gives InvalidInput with "Invalid <name> number" and converts nothing. The engine decides what
// collect mode and "Show All Results" do with the outcome.
NumbersConversion ConvertNumberText(std::string_view inputText, const NumberSystemUnit &inputUnit,
                                    const NumberSystemUnit &outputUnit,
                                    std::span<const NumberSystemUnit> listedUnits);

} // namespace mensurio
