// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/CheckedArithmetic.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace mensurio {

// Longest expression text the parsers build a tree for; a longer text fails cleanly, so that a
// pasted page of text cannot make the quadratic tree building hang.
inline constexpr std::size_t kMaxExpressionLength = 10000;
// Deepest nesting the parsers build a tree for; deeper input fails cleanly instead of exhausting
// the stack. Nesting counts the nodes whose text lost enclosing parentheses on the way down (a run
// of pairs around one operand counts once), not the operands of a flat chain: a flat chain within
// kMaxExpressionLength has at most 5,000 operands, which the recursive passes take in their stride.
inline constexpr int kMaxTreeDepth = 1000;

// One node of a plain arithmetic expression tree. A node owns its children.
struct tuzel {
    tuzel() = default;
    tuzel(const tuzel &) = delete;
    tuzel &operator=(const tuzel &) = delete;
    ~tuzel(); // frees the left subtree before the right one

    std::string text;             // the sub-expression this node was built from
    std::unique_ptr<tuzel> left;  // empty for a leaf
    std::unique_ptr<tuzel> right; // empty for a leaf
    OperatorCode operation = OperatorCode::None;
    bool isOperator = false;
    long double value = 0.0L; // a leaf's number
};

// Removes one pair of enclosing parentheses when the text has at least three characters, starts
// with '(' and ends with ')', and the depth of the characters between them never drops below 0.
// Returns whether a pair was removed: "((1))" loses one pair per call, "(1)+(2)" and "()" none.
bool StripEnclosingPair(std::string_view &text);

// Where a text splits into two operands: the rightmost operator of the lowest precedence level
// that stands outside parentheses and not in the first position. A '+' or '-' right after one of
// "+-*/^eE" is a sign, not an operator.
struct SplitPoint {
    std::size_t position = 0;
    OperatorCode code = OperatorCode::None; // None: the text is a leaf
};
SplitPoint FindSplitPoint(std::string_view text);

struct EvaluationResult {
    long double value = 0.0L;
    bool failed = false;
};

// Evaluates plain arithmetic (numbers, + - * / ^ and parentheses; all operators left-associative,
// ^ binding tighter than * and /, which bind tighter than + and -). failed is true when a leaf is
// not a valid number (see ParseNumber), when the arithmetic divides by zero, overflows or is
// invalid, or when the text exceeds kMaxExpressionLength or kMaxTreeDepth. Spaces are not removed
// and commas are not decimal marks here: callers replace commas by points first.
EvaluationResult EvaluateExpression(std::string_view text);

} // namespace mensurio
