// SPDX-License-Identifier: MIT
#include "core/engine/SpecialCategories.h"

#include "core/engine/CheckedArithmetic.h"
#include "core/engine/NumberSystems.h"

namespace mensurio {

namespace {

// Names are Windows-1252 bytes: \xB2 is the superscript two, \xB0 the degree sign. Literals are
// split after an escape so that a following hex letter is not taken into it.
const std::vector<std::string> kEfficiencyInverseNames = {
    "liter/meter",        "liter/100 km",       "gallons (US)/mile", "gallons (UK)/mile",
    "gallons (US)/100mi", "gallons (UK)/100mi", "kilowatt/ton",
};

const std::vector<std::string> kReciprocalInverseNames = {
    "wavelength in exametres",
    "wavelength in petametres",
    "wavelength in terametres",
    "wavelength in gigametres",
    "wavelength in megametres",
    "wavelength in kilometres",
    "wavelength in hectometres",
    "wavelength in decametres",
    "wavelength in metres",
    "wavelength in decimetres",
    "wavelength in centimetres",
    "wavelength in millimetres",
    "wavelength in micrometres",
    "BTU (thermochem)-inch/hour-foot\xB2-\xB0"
    "F",
    "BTU (int)-inch/hour-foot\xB2-\xB0"
    "F",
    "BTU (themochem)/hour-foot-\xB0"
    "F",
    "BTU (int)/hour-foot-\xB0"
    "F",
    "calorie (thermoch.)/second-centimeter-\xB0"
    "C",
    "calorie (int)/second-centimeter-\xB0"
    "C",
    "kilowatt/meter-K",
    "watt/meter-K",
    "watt/centimeter-\xB0"
    "C",
    "BTU (thermochem)-inch/hour-square foot-degree F",
    "BTU (int)-inch/hour-square foot-degree F",
    "BTU (themochem)/hour-foot-degree F",
    "BTU (int)/hour-foot-degree F",
    "calorie (thermoch.)/second-centimeter-degree C",
    "calorie (int)/second-centimeter-degree C",
    "watt/centimeter-degree C",
};

char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

const std::vector<std::string> &InverseUnitNames(CategoryKind kind) {
    static const std::vector<std::string> none;
    switch (kind) {
    case CategoryKind::Efficiency:
        return kEfficiencyInverseNames;
    case CategoryKind::Reciprocal:
        return kReciprocalInverseNames;
    default:
        return none;
    }
}

bool IsInverseUnit(CategoryKind kind, std::string_view unitName) {
    for (const std::string &name : InverseUnitNames(kind))
        if (name == unitName)
            return true;
    return false;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i]))
            return false;
    return true;
}

std::vector<bool> MarkInverseUnits(CategoryKind kind, std::span<const std::string> listedNames) {
    std::vector<bool> inverse(listedNames.size(), false);
    for (const std::string &name : InverseUnitNames(kind)) {
        for (std::size_t i = 0; i < listedNames.size(); ++i) {
            if (EqualIgnoringAsciiCase(listedNames[i], name)) {
                inverse[i] = true;
                break;
            }
        }
    }
    return inverse;
}

std::string_view ArithmeticFaultMessage(ArithmeticFault fault) {
    switch (fault) {
    case ArithmeticFault::Overflow:
        return kResultTooLargeMessage;
    case ArithmeticFault::NoFiniteValue:
        return kNoFiniteValueMessage;
    default:
        return kInvalidExpressionMessage;
    }
}

long double FiniteReciprocal(long double x) {
    if (x == 0)
        throw ArithmeticError(ArithmeticFault::NoFiniteValue);
    return CheckedDivide(1.0L, x);
}

InverseInput InverseInputBase(long double value, long double inputFactor, bool inputIsInverse) {
    InverseInput input;
    input.inputInverse = inputIsInverse;
    if (inputIsInverse) {
        input.inverseForm = CheckedDivide(value, inputFactor);
        value = FiniteReciprocal(value);
    }
    input.base = CheckedMultiply(value, inputFactor);
    return input;
}

long double BaseFromCompoundTotal(long double total, bool inverseUnits) {
    return inverseUnits ? FiniteReciprocal(total) : total;
}

long double InverseAwareResult(long double base, long double factor, bool unitIsInverse) {
    const long double result = CheckedDivide(base, factor);
    return unitIsInverse ? FiniteReciprocal(result) : result;
}

std::optional<std::string> InverseOutputRefusal(bool mixedOutputs, bool inputInverse, bool outputInverse,
                                                int selectedOutputCount, int inputUnitCount) {
    if (mixedOutputs)
        return std::string(kIllegalInverseUnitsMessage);
    if (inputInverse == outputInverse || selectedOutputCount < 2 || inputUnitCount < 2)
        return std::nullopt;
    return std::string(kIllegalInverseMixMessage);
}

std::optional<long double> DegreeSize(std::string_view unitName) {
    if (unitName == "Celsius" || unitName == "Kelvin")
        return 1.8L;
    if (unitName == "R\xE9"
                    "aumur")
        return 2.25L;
    if (unitName == "Fahrenheit" || unitName == "Rankine")
        return 1.0L;
    return std::nullopt;
}

std::optional<long double> ConvertTemperatureValue(long double value, std::string_view inputName,
                                                   long double inputFactor, std::string_view outputName,
                                                   long double outputFactor) {
    const std::optional<long double> inputSize = DegreeSize(inputName);
    const std::optional<long double> outputSize = DegreeSize(outputName);
    if (!inputSize || !outputSize)
        return std::nullopt;
    const long double degrees = CheckedAdd(CheckedMultiply(value, *inputSize), inputFactor);
    return CheckedDivide(CheckedSubtract(degrees, outputFactor), *outputSize);
}

bool BelowAbsoluteZero(long double value, std::string_view unitName, long double unitFactor) {
    const std::optional<long double> size = DegreeSize(unitName);
    return size && CheckedAdd(CheckedMultiply(value, *size), unitFactor) < 0;
}

std::int32_t PressureOffset(std::string_view categoryName, bool inputPressureAbsolute,
                            bool outputPressureAbsolute) {
    if (categoryName != "Pressure" || inputPressureAbsolute == outputPressureAbsolute)
        return 0;
    return outputPressureAbsolute ? kStandardAtmosphereInBaseUnits : -kStandardAtmosphereInBaseUnits;
}

bool BelowPerfectVacuum(std::string_view categoryName, long double base, bool inputPressureAbsolute) {
    if (categoryName != "Pressure")
        return false;
    const long double absolute =
        inputPressureAbsolute ? base : CheckedAdd(base, kStandardAtmosphereInBaseUnits);
    return absolute < 0;
}

} // namespace mensurio
