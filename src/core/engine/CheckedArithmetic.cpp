// SPDX-License-Identifier: MIT
#include "core/engine/CheckedArithmetic.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace mensurio {

namespace {

const char *faultText(ArithmeticFault fault) {
    switch (fault) {
    case ArithmeticFault::DivisionByZero:
        return "division by zero";
    case ArithmeticFault::Overflow:
        return "overflow";
    case ArithmeticFault::NoFiniteValue:
        return "no finite value";
    case ArithmeticFault::InvalidOperation:
        break;
    }
    return "invalid operation";
}

// Checks the result of an operation whose operands were a and b.
long double checked(long double result, long double a, long double b) {
    if (std::isnan(result))
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    if (std::isinf(result) && std::isfinite(a) && std::isfinite(b))
        throw ArithmeticError(ArithmeticFault::Overflow);
    return result;
}

// The residue of operands that cancel (see CheckedAdd) becomes an exact zero.
long double withoutResidue(long double sum, long double a, long double b) {
    const long double larger = std::max(std::fabs(a), std::fabs(b));
    if (sum != 0 && std::isfinite(larger) && std::fabs(sum) < std::ldexp(larger, -58))
        return 0.0L;
    return sum;
}

// base ^ n for n >= 1 by repeated squaring, without any check (may give inf or 0).
long double unsignedPower(long double base, std::uint64_t n) {
    long double result = 1.0L;
    for (;;) {
        if (n & 1U)
            result *= base;
        n >>= 1U;
        if (n == 0)
            return result;
        base *= base;
    }
}

long double wholePower(long double base, long double exponent) {
    const bool negative = exponent < 0;
    const auto n = static_cast<std::uint64_t>(std::fabs(exponent));
    const long double positive = unsignedPower(base, n);
    if (!negative)
        return checked(positive, base, exponent);
    if (base == 0)
        throw ArithmeticError(ArithmeticFault::DivisionByZero);
    if (std::isinf(positive) && std::isfinite(base)) {
        // The positive power overflows, so the true result is tiny: take the power of the
        // reciprocal, which underflows to a denormal or 0 instead of failing.
        return unsignedPower(1.0L / base, n);
    }
    if (positive == 0 && std::isfinite(base))
        throw ArithmeticError(ArithmeticFault::Overflow); // the true result is beyond the range
    return CheckedDivide(1.0L, positive);
}

} // namespace

ArithmeticError::ArithmeticError(ArithmeticFault fault)
    : std::runtime_error(faultText(fault)), m_fault(fault) {}

long double CheckedAdd(long double a, long double b) {
    return withoutResidue(checked(a + b, a, b), a, b);
}

long double CheckedSubtract(long double a, long double b) {
    return withoutResidue(checked(a - b, a, b), a, b);
}

long double CheckedMultiply(long double a, long double b) {
    return checked(a * b, a, b);
}

long double CheckedDivide(long double a, long double b) {
    if (b == 0) {
        throw ArithmeticError(a == 0 ? ArithmeticFault::InvalidOperation : ArithmeticFault::DivisionByZero);
    }
    return checked(a / b, a, b);
}

long double Power(long double base, long double exponent) {
    if (exponent == 0)
        return 1.0L;
    if (base == 0 && exponent > 0)
        return 0.0L;
    if (std::trunc(exponent) == exponent && std::fabs(exponent) <= 2147483647.0L)
        return wholePower(base, exponent);
    if (base == 0)
        throw ArithmeticError(ArithmeticFault::DivisionByZero); // ln 0 with a negative exponent
    if (base < 0 || std::isnan(base))
        throw ArithmeticError(ArithmeticFault::InvalidOperation); // ln of a negative number
    if (base == 1 && std::isinf(exponent))
        throw ArithmeticError(ArithmeticFault::InvalidOperation); // infinity * ln 1 has no value
    // powl computes exp(exponent * ln base) without losing the precision of the product.
    return checked(std::pow(base, exponent), base, exponent);
}

long double ApplyOperator(OperatorCode code, long double left, long double right) {
    switch (code) {
    case OperatorCode::Add:
        return CheckedAdd(left, right);
    case OperatorCode::Subtract:
        return CheckedSubtract(left, right);
    case OperatorCode::Multiply:
        return CheckedMultiply(left, right);
    case OperatorCode::Divide:
        return CheckedDivide(left, right);
    case OperatorCode::Power:
        return Power(left, right);
    case OperatorCode::None:
        break;
    }
    throw ArithmeticError(ArithmeticFault::InvalidOperation);
}

} // namespace mensurio
