// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/CheckedArithmetic.h"
#include "core/engine/UnitExpressionText.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

// One node of a unit-aware expression tree: the fields of a plain node, then the unit data.
// A node owns its children.
struct UnitExpressionNode {
    UnitExpressionNode() = default;
    UnitExpressionNode(const UnitExpressionNode &) = delete;
    UnitExpressionNode &operator=(const UnitExpressionNode &) = delete;
    ~UnitExpressionNode(); // frees the left subtree before the right one

    std::string text;
    std::unique_ptr<UnitExpressionNode> left;
    std::unique_ptr<UnitExpressionNode> right;
    OperatorCode operation = OperatorCode::None;
    bool isOperator = false;
    long double value = 0.0L;        // a leaf's number; 1 for a unit leaf
    long double factor = 0.0L;       // factor of the unit the value is expressed in
    std::string unitName;            // that unit's name; empty for a plain number
    long double reducedValue = 0.0L; // the value computed by the reduction pass
    bool reduced = false;            // the node stands for one single value
};

// Outcome of the unit-aware parse.
struct UnitExpressionResult {
    long double total = 0.0L;           // value in base units, or the plain number when no unit was named
    std::int32_t code = 0;              // 0 on success; see UnitExpressionMessage
    bool hasUnits = true;               // false when the whole input reduced to a plain number
    bool inverse = false;               // the common inverse flag of the units used (only when checked)
    std::vector<std::size_t> usedUnits; // indices into the known-unit list, in list order, each once
    std::vector<std::string> usedNames; // their names
    std::int32_t usedCount = 0;
    std::vector<long double> terms; // one value in base units per top-level term, when wanted
};

// Error codes of the unit-aware parse: 10 * rule error + sum error, plus these.
inline constexpr std::int32_t kUnitCodeInvalid = 100;  // bad number, invalid operation
inline constexpr std::int32_t kUnitCodeInverse = 1000; // inverse and ordinary units mixed
// The limits, which outrank every other code.
inline constexpr std::int32_t kUnitCodeTooLong = 10000;       // longer than kMaxExpressionLength
inline constexpr std::int32_t kUnitCodeNestedTooDeep = 20000; // nested deeper than kMaxTreeDepth
inline constexpr std::int32_t kUnitCodeTooLarge = 30000;      // a number or result beyond the range

// Parses a typed expression that may name units of knownUnits (listed longest name first), for
// example "5 foot + 3 inch". Unit names are matched case-sensitively and taken as whole names;
// spaces are ignored and commas are decimal points outside names; "5 foot" means 5 * foot.
// checkInverse refuses a mix of inverse and ordinary units (code 1000); wantTerms fills terms
// with the top-level terms in base units. Terms in different units may only be added or
// subtracted; a plain-number input gives hasUnits false and total = the number.
UnitExpressionResult ParseUnitExpression(std::string_view text, std::span<const KnownUnit> knownUnits,
                                         bool checkInverse, bool wantTerms);

// The message shown for a non-zero code of ParseUnitExpression.
std::string UnitExpressionMessage(std::int32_t code);

} // namespace mensurio
