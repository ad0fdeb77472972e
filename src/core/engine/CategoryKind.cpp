// SPDX-License-Identifier: MIT
#include "core/engine/CategoryKind.h"

namespace mensurio {

CategoryKind CategoryKindOf(std::string_view categoryName) {
    if (categoryName == "Frequency Wavelength" || categoryName == "Thermal Resistivity")
        return CategoryKind::Reciprocal;
    if (categoryName == "Fuel Efficiency" || categoryName == "HVAC Efficiency")
        return CategoryKind::Efficiency;
    if (categoryName == "Temperature")
        return CategoryKind::Temperature;
    if (categoryName == "Numbers")
        return CategoryKind::Numbers;
    if (categoryName == "Fractions")
        return CategoryKind::Fractions;
    return CategoryKind::Ordinary;
}

} // namespace mensurio
