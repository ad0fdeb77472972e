// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/CategoryKind.h"
#include "core/engine/CheckedArithmetic.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The arithmetic of the categories that do not convert by factors alone: temperature scales,
// inverse units (efficiency, wavelength, conductivity) and the absolute/gauge pressure offset.
// Everything here works on plain values; the engine reads the request and writes the result.
// Functions that compute may throw ArithmeticError (core/engine/CheckedArithmetic.h) on an
// overflow, a division by zero or an invalid operation of finite operands; infinite operands
// (a typed 1e9999) pass through.

namespace mensurio {

// ---- Messages ---------------------------------------------------------------------------------

inline constexpr std::string_view kIllegalInverseUnitsMessage = "illegal use of inverse units";
inline constexpr std::string_view kIllegalInverseMixMessage =
    "illegal use of inverse units, select only 1 input or 1 output unit";
inline constexpr std::string_view kInvalidExpressionMessage = "invalid or incomplete expression";
inline constexpr std::string_view kNoFiniteValueMessage = "no finite value";
inline constexpr std::string_view kBelowAbsoluteZeroMessage = "below absolute zero";
inline constexpr std::string_view kBelowPerfectVacuumMessage = "below a perfect vacuum";

// The refusal for an arithmetic fault of a conversion: "result too large" for an overflow,
// "no finite value" for the reciprocal of zero, else "invalid or incomplete expression".
std::string_view ArithmeticFaultMessage(ArithmeticFault fault);

// ---- Inverse units (Efficiency and Reciprocal kinds) ------------------------------------------

// The inverse unit names of a kind in their fixed order: 7 for Efficiency, 29 for Reciprocal,
// none for every other kind. Windows-1252 bytes (the superscript two is 178, the degree sign 176).
const std::vector<std::string> &InverseUnitNames(CategoryKind kind);

// Exact comparison: is the unit with this name an inverse unit? Used when the engine tests a
// selected unit by its name (input unit of a plain number, output unit of a single result,
// every unit of the all-results column).
bool IsInverseUnit(CategoryKind kind, std::string_view unitName);

// Marks the inverse units of a freshly listed category: for each inverse name of the kind, the
// first listed name equal to it ignoring letter case (A to Z only) is marked. The result has one
// flag per listed name, in list order; all false for kinds without inverse units. The engine
// copies these flags into its unit list, which the unit-aware parse reads as each known unit's
// inverse flag.
std::vector<bool> MarkInverseUnits(CategoryKind kind, std::span<const std::string> listedNames);

// Equality ignoring letter case over A to Z only (other bytes must match exactly).
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);

// 1 / x. Zero (an input of 0 in an inverse unit, or a result of 0 shown in one) has no finite
// reciprocal: throws ArithmeticError with ArithmeticFault::NoFiniteValue.
long double FiniteReciprocal(long double x);

// The base value of a plain number typed for the input unit with this factor.
struct InverseInput {
    long double base = 0;        // value in base units
    long double inverseForm = 0; // value / factor: the value in inverse form, for compound output ("w")
    bool inputInverse = false;   // the input unit is an inverse unit
};
// Normal unit: base = value × factor. Inverse unit: inverseForm = value / factor and
// base = (1 / value) × factor; a value of 0 has no finite value (FiniteReciprocal).
InverseInput InverseInputBase(long double value, long double inputFactor, bool inputIsInverse);

// The base value of a compound input: the parse's total, or its FiniteReciprocal when the
// units named in the input are inverse units.
long double BaseFromCompoundTotal(long double total, bool inverseUnits);

// One unit's result of a base value: base / factor, replaced by its FiniteReciprocal when
// the unit is an inverse unit. Serves the single output, the all-results column and collect mode.
long double InverseAwareResult(long double base, long double factor, bool unitIsInverse);

// For more than one selected output unit: the refusal to show instead of a compound output, or
// nothing when CompoundOutput may run. mixedOutputs comes from SelectOutputs; inputUnitCount is
// the number of units the input names (usedCount; a plain number counts as one unit).
std::optional<std::string> InverseOutputRefusal(bool mixedOutputs, bool inputInverse, bool outputInverse,
                                                int selectedOutputCount, int inputUnitCount);

// ---- Temperature ------------------------------------------------------------------------------

// Degree size relative to the Fahrenheit degree, by exact name: "Celsius", "Kelvin" 1.8;
// "Réaumur" 2.25; "Fahrenheit", "Rankine" 1. Nothing for any other name.
std::optional<long double> DegreeSize(std::string_view unitName);

// A temperature in one unit expressed in another. The factors are zero points in Fahrenheit-sized
// degrees from a common reference: result = (value × size(in) + inFactor − outFactor) / size(out).
// A unit name without a degree size (only in a damaged database) yields nothing; the engine shows
// kInvalidExpressionMessage then.
std::optional<long double> ConvertTemperatureValue(long double value, std::string_view inputName,
                                                   long double inputFactor, std::string_view outputName,
                                                   long double outputFactor);

// Whether a temperature lies below absolute zero, the reference of the zero points (the
// database's Kelvin and Rankine units have factor 0). A unit without a degree size is not judged.
bool BelowAbsoluteZero(long double value, std::string_view unitName, long double unitFactor);

// ---- Pressure ---------------------------------------------------------------------------------

// One standard atmosphere (101325 Pa) in the Pressure category's base unit of 0.1 Pa.
inline constexpr std::int32_t kStandardAtmosphereInBaseUnits = 1013250;

// The offset, in base units, to add to the base value: 0 unless the category is exactly
// "Pressure"; there 0 for equal selectors, +1 atmosphere from gauge input to absolute output,
// −1 atmosphere from absolute input to gauge output.
std::int32_t PressureOffset(std::string_view categoryName, bool inputPressureAbsolute,
                            bool outputPressureAbsolute);

// Whether an input of the "Pressure" category (its base value, taken as absolute or gauge
// pressure) lies below a perfect vacuum; false in every other category.
bool BelowPerfectVacuum(std::string_view categoryName, long double base, bool inputPressureAbsolute);

} // namespace mensurio
