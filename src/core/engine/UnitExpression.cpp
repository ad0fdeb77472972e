// SPDX-License-Identifier: MIT
#include "core/engine/UnitExpression.h"

#include "core/engine/ExpressionTree.h"
#include "core/engine/NumberParser.h"

#include <optional>

namespace mensurio {

namespace {

// Rule errors of the reduction pass (tens digit of the code).
constexpr int kRuleUnitPlusNumber = 1;   // '+' or '-' between a unit and a plain number
constexpr int kRulePowerOfUnit = 2;      // '^' with a unit on one side
constexpr int kRuleDivideByUnit = 3;     // a plain number divided by a unit
constexpr int kRuleUnitTimesUnit = 4;    // '*' or '/' between two units
constexpr int kRuleUnitPowerUnit = 5;    // '^' between two units
constexpr int kRuleScaledSumOfUnits = 6; // '*', '/' or '^' applied to a sum of different units
// Sum errors (ones digit of the code).
constexpr int kSumNotASum = 1;   // an unreduced node that is not '+' or '-'
constexpr int kSumPlainTerm = 2; // a plain number among unit terms

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    }
    return true;
}

bool isAdditive(OperatorCode code) {
    return code == OperatorCode::Add || code == OperatorCode::Subtract;
}

// Builds, reduces and sums one unit-aware tree; holds the failure state shared by the whole parse.
class UnitTreeParser {
  public:
    UnitTreeParser(std::span<const KnownUnit> knownUnits, const ShadowText &marked, bool inverse)
        : m_knownUnits(knownUnits), m_marked(marked), m_inverse(inverse) {}

    std::unique_ptr<UnitExpressionNode> build(std::string_view text, int depth);
    bool reduce(UnitExpressionNode &node);
    long double sum(const UnitExpressionNode &node, bool top);
    void collect(const UnitExpressionNode &node, bool positive, std::vector<long double> &terms);

    bool invalid = false;
    bool tooLarge = false; // a number or a result beyond the range
    int ruleError = 0;
    int sumError = 0;
    bool hasUnits = true;

  private:
    std::optional<std::size_t> usedUnitNamed(std::string_view text) const;
    bool makeUnitLeaf(UnitExpressionNode &node, std::string_view text) const;
    bool reduceOneUnit(UnitExpressionNode &node, bool leftHasUnit);
    bool reduceBothUnits(UnitExpressionNode &node);
    long double toBase(long double value, long double factor) const;

    std::span<const KnownUnit> m_knownUnits;
    const ShadowText &m_marked;
    bool m_inverse = false;
};

// The used unit whose name the text is: an exact match first, so that units whose names differ
// only in letter case ("mm", "Mm") keep their own factors, then one that ignores letter case.
std::optional<std::size_t> UnitTreeParser::usedUnitNamed(std::string_view text) const {
    for (std::size_t i = 0; i < m_marked.usedNames.size(); ++i) {
        if (m_marked.usedNames[i] == text)
            return m_marked.usedUnits[i];
    }
    for (std::size_t i = 0; i < m_marked.usedNames.size(); ++i) {
        if (equalsIgnoringCase(m_marked.usedNames[i], text))
            return m_marked.usedUnits[i];
    }
    return std::nullopt;
}

bool UnitTreeParser::makeUnitLeaf(UnitExpressionNode &node, std::string_view text) const {
    const std::optional<std::size_t> unit = usedUnitNamed(text);
    if (!unit)
        return false;
    node.text = std::string(text);
    node.unitName = node.text;
    node.factor = m_knownUnits[*unit].factor;
    node.value = 1.0L;
    return true;
}

std::unique_ptr<UnitExpressionNode> UnitTreeParser::build(std::string_view text, int depth) {
    auto node = std::make_unique<UnitExpressionNode>();
    if (StripEnclosingPair(text)) {
        ++depth; // one level of nesting, however many pairs enclose it
        do {
            if (makeUnitLeaf(*node, text))
                return node;
        } while (StripEnclosingPair(text));
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
        tooLarge = true;
    else if (!number.ok)
        invalid = true;
    return node;
}

// Bottom-up reduction; returns whether the node has a unit.
bool UnitTreeParser::reduce(UnitExpressionNode &node) {
    if (!node.isOperator) {
        node.reduced = true;
        node.reducedValue = node.value;
        return !node.unitName.empty();
    }
    const bool leftHasUnit = reduce(*node.left);
    const bool rightHasUnit = reduce(*node.right);
    if (ruleError != 0)
        return false;
    if (!node.left->reduced || !node.right->reduced) {
        if (!isAdditive(node.operation))
            ruleError = kRuleScaledSumOfUnits;
        return false;
    }
    if (leftHasUnit && rightHasUnit)
        return reduceBothUnits(node);
    if (leftHasUnit || rightHasUnit)
        return reduceOneUnit(node, leftHasUnit);
    node.reducedValue = ApplyOperator(node.operation, node.left->reducedValue, node.right->reducedValue);
    node.unitName.clear();
    node.reduced = true;
    return false;
}

bool UnitTreeParser::reduceOneUnit(UnitExpressionNode &node, bool leftHasUnit) {
    switch (node.operation) {
    case OperatorCode::Add:
    case OperatorCode::Subtract:
        ruleError = kRuleUnitPlusNumber;
        return false;
    case OperatorCode::Power:
        ruleError = kRulePowerOfUnit;
        return false;
    case OperatorCode::Divide:
        if (!leftHasUnit) {
            ruleError = kRuleDivideByUnit;
            return false;
        }
        break;
    default:
        break;
    }
    const UnitExpressionNode &withUnit = leftHasUnit ? *node.left : *node.right;
    node.reducedValue = ApplyOperator(node.operation, node.left->reducedValue, node.right->reducedValue);
    node.unitName = withUnit.unitName;
    node.factor = withUnit.factor;
    node.reduced = true;
    return true;
}

bool UnitTreeParser::reduceBothUnits(UnitExpressionNode &node) {
    if (node.operation == OperatorCode::Power) {
        ruleError = kRuleUnitPowerUnit;
        return false;
    }
    if (!isAdditive(node.operation)) {
        ruleError = kRuleUnitTimesUnit;
        return false;
    }
    if (node.left->unitName != node.right->unitName)
        return true; // stays a sum of terms in different units
    node.reducedValue = ApplyOperator(node.operation, node.left->reducedValue, node.right->reducedValue);
    node.unitName = node.left->unitName;
    node.factor = node.left->factor;
    node.reduced = true;
    return true;
}

long double UnitTreeParser::toBase(long double value, long double factor) const {
    return m_inverse ? CheckedDivide(value, factor) : CheckedMultiply(value, factor);
}

long double UnitTreeParser::sum(const UnitExpressionNode &node, bool top) {
    if (sumError != 0)
        return 0.0L;
    if (node.reduced) {
        if (!node.unitName.empty())
            return toBase(node.reducedValue, node.factor);
        if (top) {
            hasUnits = false;
            return node.reducedValue;
        }
        sumError = kSumPlainTerm;
        return 0.0L;
    }
    if (!isAdditive(node.operation)) {
        sumError = kSumNotASum;
        return 0.0L;
    }
    const long double left = sum(*node.left, false);
    const long double right = sum(*node.right, false);
    if (sumError != 0)
        return 0.0L;
    return node.operation == OperatorCode::Add ? CheckedAdd(left, right) : CheckedSubtract(left, right);
}

void UnitTreeParser::collect(const UnitExpressionNode &node, bool positive, std::vector<long double> &terms) {
    if (sumError != 0)
        return;
    if (!node.reduced) {
        if (!isAdditive(node.operation)) {
            sumError = kSumNotASum;
            return;
        }
        collect(*node.left, positive, terms);
        collect(*node.right, node.operation == OperatorCode::Add ? positive : !positive, terms);
        return;
    }
    if (node.unitName.empty()) {
        sumError = kSumPlainTerm;
        return;
    }
    terms.push_back(toBase(positive ? node.reducedValue : -node.reducedValue, node.factor));
}

// Sets inverse from the used units; false when inverse and ordinary units are mixed.
bool checkInverseUnits(std::span<const KnownUnit> knownUnits, UnitExpressionResult &result) {
    if (result.usedUnits.empty())
        return true;
    result.inverse = knownUnits[result.usedUnits.front()].inverse;
    for (const std::size_t index : result.usedUnits) {
        if (knownUnits[index].inverse != result.inverse)
            return false;
    }
    return true;
}

// Builds, reduces and sums the prepared text into result; arithmetic faults set the invalid flag.
void evaluateUnitText(UnitTreeParser &parser, const ShadowText &marked, bool wantTerms,
                      UnitExpressionResult &result) {
    std::unique_ptr<UnitExpressionNode> root;
    try {
        root = parser.build(marked.text, 0);
        if (parser.invalid || parser.tooLarge)
            return;
        parser.reduce(*root);
        if (parser.ruleError != 0)
            return;
        result.total = parser.sum(*root, true);
        if (parser.sumError == 0 && wantTerms && parser.hasUnits) {
            result.terms.clear();
            parser.collect(*root, true, result.terms);
        }
    } catch (const ArithmeticError &error) {
        if (error.fault() == ArithmeticFault::Overflow)
            parser.tooLarge = true;
        else
            parser.invalid = true;
    }
}

} // namespace

UnitExpressionNode::~UnitExpressionNode() {
    left.reset();
    right.reset();
}

UnitExpressionResult ParseUnitExpression(std::string_view text, std::span<const KnownUnit> knownUnits,
                                         bool checkInverse, bool wantTerms) {
    UnitExpressionResult result;
    switch (CheckExpressionLimits(text)) {
    case ExpressionFailure::TooLong:
        result.code = kUnitCodeTooLong;
        return result;
    case ExpressionFailure::NestedTooDeep:
        result.code = kUnitCodeNestedTooDeep;
        return result;
    default:
        break;
    }
    ShadowText marked = MarkUnitNames(text, knownUnits);
    result.usedUnits = marked.usedUnits;
    result.usedNames = marked.usedNames;
    result.usedCount = static_cast<std::int32_t>(marked.usedUnits.size());
    if (checkInverse && !checkInverseUnits(knownUnits, result)) {
        result.code = kUnitCodeInverse;
        result.hasUnits = false;
        result.inverse = false;
        return result;
    }
    NormalizeUnitText(marked);
    UnitTreeParser parser(knownUnits, marked, result.inverse);
    evaluateUnitText(parser, marked, wantTerms, result);
    result.hasUnits = parser.hasUnits;
    result.code = 10 * parser.ruleError + parser.sumError + (parser.invalid ? kUnitCodeInvalid : 0);
    if (parser.tooLarge && !parser.invalid)
        result.code = kUnitCodeTooLarge;
    return result;
}

std::string UnitExpressionMessage(std::int32_t code) {
    static const std::string invalid = "invalid or incomplete expression";
    static const std::string plusMinus = "incorrect use of '+' or '-' operator in expression";
    static const std::string power = "incorrect use of '^' operator in expression";
    static const std::string timesDivide = "incorrect use of '*' or '/' operator in expression";
    static const std::string anyProduct = "incorrect use of '*','/' or '^' operator in expression";
    if (code == kUnitCodeTooLong)
        return std::string(ExpressionFailureMessage(ExpressionFailure::TooLong));
    if (code == kUnitCodeNestedTooDeep)
        return std::string(ExpressionFailureMessage(ExpressionFailure::NestedTooDeep));
    if (code == kUnitCodeTooLarge)
        return std::string(ExpressionFailureMessage(ExpressionFailure::TooLarge));
    if (code / 1000 == 1)
        return "illegal use of inverse units";
    if ((code % 1000) / 100 == 1)
        return invalid;
    const std::int32_t tens = (code % 100) / 10;
    const std::int32_t ones = code % 10;
    switch (tens) {
    case 0:
        return ones == 1 ? anyProduct : ones == 2 ? plusMinus : invalid;
    case 1:
        return plusMinus;
    case 2:
    case 5:
        return power;
    case 3:
    case 4:
        return timesDivide;
    case 6:
        return anyProduct;
    default:
        return invalid;
    }
}

} // namespace mensurio
