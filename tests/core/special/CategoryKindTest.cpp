// SPDX-License-Identifier: MIT
#include "core/engine/CategoryKind.h"

#include <gtest/gtest.h>

#include <string>

namespace mensurio {
namespace {

TEST(CategoryKind, CategoryKindOf_table_exactCaseSensitiveNames) {
    const struct {
        std::string name;
        CategoryKind kind;
    } cases[] = {
        {"Frequency Wavelength", CategoryKind::Reciprocal},
        {"Thermal Resistivity", CategoryKind::Reciprocal},
        {"Fuel Efficiency", CategoryKind::Efficiency},
        {"HVAC Efficiency", CategoryKind::Efficiency},
        {"Temperature", CategoryKind::Temperature},
        {"Numbers", CategoryKind::Numbers},
        {"Fractions", CategoryKind::Fractions},
        {"Pressure", CategoryKind::Ordinary},
        {"Length", CategoryKind::Ordinary},
        {"", CategoryKind::Ordinary},
        {"temperature", CategoryKind::Ordinary},
        {"TEMPERATURE", CategoryKind::Ordinary},
        {"Numbers ", CategoryKind::Ordinary},
        {" Fractions", CategoryKind::Ordinary},
        {"fuel efficiency", CategoryKind::Ordinary},
        {"HVAC efficiency", CategoryKind::Ordinary},
        {"Frequency  Wavelength", CategoryKind::Ordinary},
        {"Thermal Resistivity (custom)", CategoryKind::Ordinary},
        {std::string("Numbers\0", 8), CategoryKind::Ordinary},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CategoryKindOf(c.name), c.kind) << '"' << c.name << '"';
}

} // namespace
} // namespace mensurio
