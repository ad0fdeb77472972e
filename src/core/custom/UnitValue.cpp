// SPDX-License-Identifier: MIT
#include "core/custom/UnitValue.h"

#include "core/engine/ExpressionTree.h"
#include "core/engine/NumberParser.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace mensurio {

namespace {

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

UnitValue Classified(long double value) {
    if (!std::isfinite(value))
        return {};
    return {value, value == 0 ? UnitValueStatus::Zero : UnitValueStatus::Ok};
}

} // namespace

UnitValue ReadUnitValue(std::string_view text) {
    std::string decimal = Trimmed(text);
    std::replace(decimal.begin(), decimal.end(), ',', '.');
    if (decimal.empty())
        return {};
    const ParsedNumber number = ParseNumber(decimal);
    if (number.ok && std::isfinite(number.value))
        return Classified(number.value);
    const EvaluationResult evaluated = EvaluateExpression(decimal);
    if (evaluated.failed)
        return {};
    return Classified(evaluated.value);
}

} // namespace mensurio
