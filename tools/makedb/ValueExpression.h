// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace mensurio {

/// Evaluates the exact arithmetic of a unit definition ("231*2.54^3/1000") in quad
/// precision, so that the factor is rounded only once, when it becomes a long double.
class ValueExpression {
  public:
    using Quad = __float128;

    /// Numbers, + - * /, unary signs, parentheses and ^ with an integer exponent.
    /// Returns false and a reason on a malformed text, a division by zero or an overflow.
    static bool Evaluate(std::string_view text, Quad &value, std::string &error);

    /// The number read correctly rounded to quad precision (the whole text must be a number).
    static bool ParseDecimal(const std::string &text, Quad &value);
};

} // namespace mensurio
