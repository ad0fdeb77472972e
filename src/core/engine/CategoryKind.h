// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace mensurio {

// How the engine converts in a category. The database carries no flag for it: the kind follows
// from the category's name alone.
enum class CategoryKind {
    Ordinary,    // factors alone (plus the pressure offset in "Pressure")
    Fractions,   // "Fractions": the value written as a decimal, a fraction or to the nearest 1/n
    Numbers,     // "Numbers": number systems and Roman numerals
    Temperature, // "Temperature": zero points and degree sizes
    Efficiency,  // "Fuel Efficiency", "HVAC Efficiency": some units are reciprocal to the others
    Reciprocal,  // "Frequency Wavelength", "Thermal Resistivity": likewise, with a longer name list
};

// The kind of the category with this name. Exact, case-sensitive comparison, tested in the order
// Reciprocal, Efficiency, Temperature, Numbers, Fractions; every other name is Ordinary.
CategoryKind CategoryKindOf(std::string_view categoryName);

} // namespace mensurio
