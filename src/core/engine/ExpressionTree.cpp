// SPDX-License-Identifier: MIT
#include "core/engine/ExpressionTree.h"

#include "core/engine/NumberParser.h"
#include "core/engine/NumberSystems.h"
#include "core/engine/SpecialCategories.h"

#include <algorithm>

namespace mensurio {

namespace {

bool isSignContext(char previous) {
    switch (previous) {
    case '-':
    case '+':
    case '*':
    case '/':
    case '^':
    case 'e':
    case 'E':
        return true;
    default:
        return false;
    }
}

OperatorCode codeOf(char c) {
    switch (c) {
    case '+':
        return OperatorCode::Add;
    case '-':
        return OperatorCode::Subtract;
    case '*':
        return OperatorCode::Multiply;
    case '/':
        return OperatorCode::Divide;
    default:
        return OperatorCode::Power;
    }
}

// Builds a plain tree; a bad leaf or too deep a tree sets m_invalid and building goes on.
class PlainTreeBuilder {
  public:
    std::unique_ptr<ExpressionNode> build(std::string_view text, int depth) {
        auto node = std::make_unique<ExpressionNode>();
        if (StripEnclosingPair(text)) {
            ++depth; // one level of nesting, however many pairs enclose it
            while (StripEnclosingPair(text)) {
            }
        }
        node->text = std::string(text);
        const SplitPoint split = FindSplitPoint(text);
        if (split.code != OperatorCode::None && depth <= kMaxTreeDepth) {
            node->isOperator = true;
            node->operation = split.code;
            node->left = build(text.substr(0, split.position), depth);
            node->right = build(text.substr(split.position + 1), depth);
            return node;
        }
        const ParsedNumber number = ParseNumber(text);
        node->value = number.value;
        if (number.overflow)
            m_tooLarge = true;
        else if (!number.ok)
            m_invalid = true;
        return node;
    }

    ExpressionFailure failure() const {
        if (m_invalid)
            return ExpressionFailure::Invalid;
        return m_tooLarge ? ExpressionFailure::TooLarge : ExpressionFailure::None;
    }

  private:
    bool m_invalid = false;
    bool m_tooLarge = false; // a number beyond the range
};

long double evaluate(const ExpressionNode &node) {
    if (!node.isOperator)
        return node.value;
    const long double left = evaluate(*node.left);
    const long double right = evaluate(*node.right);
    return ApplyOperator(node.operation, left, right);
}

} // namespace

ExpressionNode::~ExpressionNode() {
    left.reset();
    right.reset();
}

bool StripEnclosingPair(std::string_view &text) {
    if (text.size() < 3 || text.front() != '(' || text.back() != ')')
        return false;
    int depth = 0;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')' && --depth < 0)
            return false;
    }
    text = text.substr(1, text.size() - 2);
    return true;
}

SplitPoint FindSplitPoint(std::string_view text) {
    // One right-to-left scan finds the rightmost candidate of each precedence level.
    std::size_t additive = 0;
    std::size_t multiplicative = 0;
    std::size_t power = 0;
    int depth = 0;
    for (std::size_t i = text.size(); i-- > 1;) {
        const char c = text[i];
        if (depth == 0) {
            if ((c == '+' || c == '-') && additive == 0 && !isSignContext(text[i - 1]))
                additive = i;
            else if ((c == '*' || c == '/') && multiplicative == 0)
                multiplicative = i;
            else if (c == '^' && power == 0)
                power = i;
        }
        if (c == ')')
            ++depth;
        else if (c == '(')
            --depth;
    }
    for (const std::size_t position : {additive, multiplicative, power}) {
        if (position != 0)
            return {position, codeOf(text[position])};
    }
    return {};
}

std::string_view ExpressionFailureMessage(ExpressionFailure failure) {
    switch (failure) {
    case ExpressionFailure::None:
        return {};
    case ExpressionFailure::TooLong:
        return kInputTooLongMessage;
    case ExpressionFailure::NestedTooDeep:
        return kNestedTooDeepMessage;
    case ExpressionFailure::TooLarge:
        return kResultTooLargeMessage;
    case ExpressionFailure::Invalid:
        break;
    }
    return kInvalidExpressionMessage;
}

int NestingDepth(std::string_view text) {
    int depth = 0;
    int deepest = 0;
    for (const char c : text) {
        if (c == '(')
            deepest = std::max(deepest, ++depth);
        else if (c == ')' && depth > 0)
            --depth;
    }
    return deepest;
}

ExpressionFailure CheckExpressionLimits(std::string_view text) {
    if (text.size() > kMaxExpressionLength)
        return ExpressionFailure::TooLong;
    if (NestingDepth(text) > kMaxTreeDepth)
        return ExpressionFailure::NestedTooDeep;
    return ExpressionFailure::None;
}

EvaluationResult EvaluateExpression(std::string_view text) {
    if (const ExpressionFailure limit = CheckExpressionLimits(text); limit != ExpressionFailure::None)
        return {0.0L, true, limit};
    PlainTreeBuilder builder;
    const std::unique_ptr<ExpressionNode> root = builder.build(text, 0);
    if (builder.failure() != ExpressionFailure::None)
        return {0.0L, true, builder.failure()};
    try {
        return {evaluate(*root), false};
    } catch (const ArithmeticError &error) {
        const bool tooLarge = error.fault() == ArithmeticFault::Overflow;
        return {0.0L, true, tooLarge ? ExpressionFailure::TooLarge : ExpressionFailure::Invalid};
    }
}

} // namespace mensurio
