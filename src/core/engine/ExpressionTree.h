// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/CheckedArithmetic.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace mensurio {

// Longest expression text the parsers build a tree for; a longer text is refused, so that a
// pasted page of text cannot make the quadratic tree building hang.
inline constexpr std::size_t kMaxExpressionLength = 10000;
// Deepest parenthesis nesting the parsers take, whatever the form: "((1))", "(1+(1+(1)))" and
// "-(-(1))" all count one level per open parenthesis. Deeper input is refused before a tree is
// built, so that the recursive passes cannot exhaust the stack. A flat chain ("1+1+...+1") has no
// nesting: within kMaxExpressionLength it has at most 5,000 operands, which the passes take.
inline constexpr int kMaxTreeDepth = 1000;

// The refusals that name the limit that was met.
inline constexpr std::string_view kInputTooLongMessage = "input longer than 10,000 characters";
inline constexpr std::string_view kNestedTooDeepMessage = "expression nested more than 1,000 levels deep";

/// Why an expression has no value.
enum class ExpressionFailure {
    None,
    Invalid,       // not a number or an expression, or an invalid operation
    TooLong,       // longer than kMaxExpressionLength
    NestedTooDeep, // nested deeper than kMaxTreeDepth
    TooLarge,      // a number or a result beyond the extended range
};

/// The message shown for a failure (empty for None): the limit texts above, "result too large"
/// or "invalid or incomplete expression".
std::string_view ExpressionFailureMessage(ExpressionFailure failure);

/// The deepest nesting of parentheses in the text; an unmatched '(' stays open to the end.
int NestingDepth(std::string_view text);

/// TooLong or NestedTooDeep when the text is beyond one of the parsers' limits, else None.
ExpressionFailure CheckExpressionLimits(std::string_view text);

// One node of a plain arithmetic expression tree. A node owns its children.
struct ExpressionNode {
    ExpressionNode() = default;
    ExpressionNode(const ExpressionNode &) = delete;
    ExpressionNode &operator=(const ExpressionNode &) = delete;
    ~ExpressionNode(); // frees the left subtree before the right one

    std::string text;                      // the sub-expression this node was built from
    std::unique_ptr<ExpressionNode> left;  // empty for a leaf
    std::unique_ptr<ExpressionNode> right; // empty for a leaf
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
    ExpressionFailure failure = ExpressionFailure::None; // why, when failed
};

// Evaluates plain arithmetic (numbers, + - * / ^ and parentheses; all operators left-associative,
// ^ binding tighter than * and /, which bind tighter than + and -). failed is true when a leaf is
// not a valid number (see ParseNumber), when the arithmetic divides by zero, overflows or is
// invalid, or when the text exceeds kMaxExpressionLength or kMaxTreeDepth; failure says which.
// An overflow, or a number beyond the range, is TooLarge. Spaces are not removed
// and commas are not decimal marks here: callers replace commas by points first.
EvaluationResult EvaluateExpression(std::string_view text);

} // namespace mensurio
