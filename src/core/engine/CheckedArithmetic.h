// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <stdexcept>

namespace mensurio {

// Operator codes shared by both expression trees.
enum class OperatorCode : std::int32_t {
    None = 0,
    Add = 1,
    Subtract = 2,
    Multiply = 3,
    Divide = 4,
    Power = 5
};

// NoFiniteValue: the reciprocal of zero (a zero in an inverse unit), which has no finite counterpart.
enum class ArithmeticFault { DivisionByZero, Overflow, InvalidOperation, NoFiniteValue };

// Raised by the checked operations below when an operation divides by zero, overflows or is invalid.
class ArithmeticError : public std::runtime_error {
  public:
    explicit ArithmeticError(ArithmeticFault fault);

    ArithmeticFault fault() const noexcept { return m_fault; }

  private:
    ArithmeticFault m_fault = ArithmeticFault::InvalidOperation;
};

// Extended-precision operations that detect their faults explicitly, without floating-point traps:
// a NaN result is an invalid operation, an infinite result of finite operands is an overflow.
// Underflow is silent (0 or a denormal value). Infinite operands (a typed 1e9999) stay infinite.
// A sum or difference whose magnitude is below 2^-58 of its larger operand (about 32 units in the
// last place of the 64-bit significand) is the rounding residue of operands that cancel, and is 0:
// 273.15 kelvin in Celsius and "1 mile - 1760 yard" give 0, not 1E-17.
long double CheckedAdd(long double a, long double b);
long double CheckedSubtract(long double a, long double b);
long double CheckedMultiply(long double a, long double b);
// b == 0 is a division by zero, or an invalid operation when a is 0 as well.
long double CheckedDivide(long double a, long double b);

// base ^ exponent: 1 for a zero exponent, 0 for a zero base and positive exponent, squaring for whole
// exponents up to 2147483647 in magnitude (0 to a negative power is a division by zero), otherwise
// exp(exponent * ln base), so a negative base with a fractional exponent is an invalid operation.
long double Power(long double base, long double exponent);

// Applies one operator code (Add to Power) to two operands with the checks above.
long double ApplyOperator(OperatorCode code, long double left, long double right);

} // namespace mensurio
