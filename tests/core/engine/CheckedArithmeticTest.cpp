// SPDX-License-Identifier: MIT
#include "core/engine/CheckedArithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace mensurio {
namespace {

constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kMax = std::numeric_limits<long double>::max();

struct PowerCase {
    long double base;
    long double exponent;
    long double expected;
};

std::ostream &operator<<(std::ostream &os, const PowerCase &c) {
    return os << c.base << " ^ " << c.exponent;
}

class PowerValue : public ::testing::TestWithParam<PowerCase> {};

TEST_P(PowerValue, Power_validOperands_givesValue) {
    EXPECT_EQ(Power(GetParam().base, GetParam().exponent), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PowerValue,
                         ::testing::Values(PowerCase{2, 10, 1024}, PowerCase{2, -1, 0.5L},
                                           PowerCase{2, -2, 0.25L}, PowerCase{0, 0, 1}, PowerCase{-5, 0, 1},
                                           PowerCase{kInf, 0, 1}, PowerCase{0, 3, 0}, PowerCase{0, 0.5L, 0},
                                           PowerCase{-2, 3, -8}, PowerCase{-2, -3, -0.125L},
                                           PowerCase{4, 0.5L, 2}, PowerCase{2, 0.5L, std::sqrt(2.0L)},
                                           PowerCase{2, 16000, std::ldexp(1.0L, 16000)},
                                           // The true value underflows: 0 instead of a failure.
                                           PowerCase{2, -20000, 0}, PowerCase{10, -6000, 0},
                                           PowerCase{1.5L, -2147483647, 0},
                                           // Infinite operands stay infinite.
                                           PowerCase{kInf, 2, kInf}, PowerCase{kInf, -1, 0}));

struct FaultCase {
    long double a;
    long double b;
    ArithmeticFault fault;
};

std::ostream &operator<<(std::ostream &os, const FaultCase &c) {
    return os << c.a << " , " << c.b;
}

class PowerFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(PowerFault, Power_badOperands_throwsFault) {
    try {
        const long double result = Power(GetParam().a, GetParam().b);
        ADD_FAILURE() << "no fault, result " << result;
    } catch (const ArithmeticError &error) {
        EXPECT_EQ(error.fault(), GetParam().fault);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PowerFault,
                         ::testing::Values(FaultCase{0, -1, ArithmeticFault::DivisionByZero},
                                           FaultCase{0, -0.5L, ArithmeticFault::DivisionByZero},
                                           FaultCase{-8, 1.0L / 3, ArithmeticFault::InvalidOperation},
                                           FaultCase{-2, 1e10L, ArithmeticFault::InvalidOperation},
                                           FaultCase{1, kInf, ArithmeticFault::InvalidOperation},
                                           FaultCase{10, 5000, ArithmeticFault::Overflow},
                                           FaultCase{2, 1e10L, ArithmeticFault::Overflow},
                                           FaultCase{3, 2147483647, ArithmeticFault::Overflow},
                                           FaultCase{2, 2147483648.0L, ArithmeticFault::Overflow},
                                           FaultCase{0.5L, -20000, ArithmeticFault::Overflow},
                                           FaultCase{1e-4000L, -2, ArithmeticFault::Overflow}));

TEST(CheckedArithmetic, CheckedOperations_faultsOfFiniteOperands_throw) {
    const auto faultOf = [](auto operation) {
        try {
            operation();
        } catch (const ArithmeticError &error) {
            return static_cast<int>(error.fault());
        }
        return -1;
    };
    const int divisionByZero = static_cast<int>(ArithmeticFault::DivisionByZero);
    const int overflow = static_cast<int>(ArithmeticFault::Overflow);
    const int invalid = static_cast<int>(ArithmeticFault::InvalidOperation);
    EXPECT_EQ(faultOf([] { return CheckedDivide(1, 0); }), divisionByZero);
    EXPECT_EQ(faultOf([] { return CheckedDivide(kInf, 0); }), divisionByZero);
    EXPECT_EQ(faultOf([] { return CheckedDivide(0, 0); }), invalid);
    EXPECT_EQ(faultOf([] { return CheckedDivide(kMax, 0.5L); }), overflow);
    EXPECT_EQ(faultOf([] { return CheckedMultiply(kMax, 2); }), overflow);
    EXPECT_EQ(faultOf([] { return CheckedAdd(kMax, kMax); }), overflow);
    EXPECT_EQ(faultOf([] { return CheckedSubtract(-kMax, kMax); }), overflow);
    EXPECT_EQ(faultOf([] { return CheckedSubtract(kInf, kInf); }), invalid);
    EXPECT_EQ(faultOf([] { return CheckedMultiply(kInf, 0); }), invalid);
    EXPECT_EQ(faultOf([] { return ApplyOperator(OperatorCode::None, 1, 1); }), invalid);
}

TEST(CheckedArithmetic, CheckedOperations_infiniteOperandsAndUnderflow_passSilently) {
    const long double tiny = std::numeric_limits<long double>::min();
    EXPECT_EQ(CheckedAdd(kInf, 1), kInf);
    EXPECT_EQ(CheckedMultiply(-kInf, 2), -kInf);
    EXPECT_EQ(CheckedDivide(1, kInf), 0.0L);
    EXPECT_EQ(CheckedMultiply(tiny, tiny), 0.0L);
    EXPECT_GT(CheckedDivide(tiny, 4), 0.0L); // denormal
}

struct ResidueCase {
    long double a;
    long double b;
    bool subtract;
    long double expected;
};

// A sum below 2^-58 of its larger operand is the residue of cancelling operands and is 0; a result
// just above that bound, and an exact small difference, stay.
TEST(CheckedArithmetic, CheckedAddSubtract_residueOfCancellingOperands_isZero) {
    const long double kelvinInDegrees = 273.15L * 1.8L; // 491.67 rounded apart from the literal
    const long double bound = std::ldexp(1.0L, -58);
    const ResidueCase cases[] = {
        {kelvinInDegrees, 491.67L, true, 0},
        {1760 * 0.9144L, 1609.344L, true, 0},
        {1609.344L, -(1760 * 0.9144L), false, 0},
        {1, 1 - std::ldexp(1.0L, -63), true, 0},                     // one unit in the last place
        {1, -(1 - 31 * std::ldexp(1.0L, -64)), false, 0},            // 31 units: still a residue
        {1, 1 - std::ldexp(1.0L, -57), true, std::ldexp(1.0L, -57)}, // above the bound: kept
        {1e-30L, 1e-30L * (1 - bound / 2), true, 0},                 // the bound scales with the terms
        {1, 0.999999L, true, 1 - 0.999999L},                         // an ordinary small result
        {0, 1e-4000L, false, 1e-4000L},                              // one term alone is no residue
        {5, 5, true, 0},
    };
    for (const ResidueCase &c : cases) {
        const long double result = c.subtract ? CheckedSubtract(c.a, c.b) : CheckedAdd(c.a, c.b);
        EXPECT_EQ(result, c.expected)
            << static_cast<double>(c.a) << (c.subtract ? " - " : " + ") << static_cast<double>(c.b);
        EXPECT_FALSE(std::signbit(result) && result == 0); // never a negative zero from a residue
    }
}

TEST(CheckedArithmetic, ApplyOperator_codes_mapToOperations) {
    EXPECT_EQ(ApplyOperator(OperatorCode::Add, 6, 3), 9);
    EXPECT_EQ(ApplyOperator(OperatorCode::Subtract, 6, 3), 3);
    EXPECT_EQ(ApplyOperator(OperatorCode::Multiply, 6, 3), 18);
    EXPECT_EQ(ApplyOperator(OperatorCode::Divide, 6, 3), 2);
    EXPECT_EQ(ApplyOperator(OperatorCode::Power, 6, 3), 216);
}

} // namespace
} // namespace mensurio
