// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/UnitDatabase.h"
#include "core/engine/Engine.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace mensurio::testing {

// A small database with one category of each kind, built in memory.
inline void BuildFixtureDatabase(UnitDatabase &db) {
    const auto add = [&db](std::string_view category,
                           std::initializer_list<std::pair<const char *, long double>> units) {
        db.AddCategory(category, false);
        for (const auto &[name, factor] : units)
            db.AddUnit(category, name, "", factor, false);
    };
    add("Length", {{"meter", 1.0L},
                   {"kilometer", 1000.0L},
                   {"foot", 0.3048L},
                   {"inch", 0.0254L},
                   {"yard", 0.9144L},
                   {"mile", 1609.344L},
                   {"survey foot", 1200.0L / 3937.0L}});
    add("Pressure",
        {{"dyne/square centimeter", 1.0L}, {"pascal", 10.0L}, {"bar", 1e6L}, {"atmosphere", 1013250.0L}});
    // Zero points in Fahrenheit-sized degrees above absolute zero.
    add("Temperature", {{"Celsius", 491.67L},
                        {"Fahrenheit", 459.67L},
                        {"Kelvin", 0.0L},
                        {"Rankine", 0.0L},
                        {"R\xE9"
                         "aumur",
                         491.67L}});
    add("Fuel Efficiency", {{"kilometer/liter", 1.0L},
                            {"liter/100 km", 100.0L},
                            {"miles/gallon (US)", 1.609344L / 3.785411784L},
                            {"liter/meter", 0.001L}});
    add("Numbers", {{"decimal", 10.0L}, {"hexadecimal", 16.0L}, {"binary", 2.0L}, {"Roman numerals", 0.0L}});
    // Fractions: the factor is the denominator (1 decimal, 0 fraction, n nearest 1/n).
    add("Fractions", {{"as decimal", 1.0L},
                      {"as fraction", 0.0L},
                      {"nearest 1/2", 2.0L},
                      {"nearest 1/8", 8.0L},
                      {"nearest 1/16", 16.0L},
                      {"nearest 1/3", 3.0L}});
}

// An engine over the fixture database with helpers that build requests by unit name.
class ConversionFixture : public ::testing::Test {
  protected:
    ConversionFixture() { BuildFixtureDatabase(m_db); }

    void Load(std::string_view category, UnitListOptions options = {}) {
        m_engine.LoadCategoryUnits(category, options);
    }

    int Row(std::string_view name) const {
        const auto &rows = m_engine.Rows();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].Name == name)
                return static_cast<int>(i);
        }
        ADD_FAILURE() << "no row named " << name;
        return -1;
    }

    ListSelection Select(std::initializer_list<std::string_view> names) const {
        ListSelection selection;
        selection.selected.assign(m_engine.Rows().size(), false);
        for (std::string_view name : names)
            selection.Select(Row(name), true);
        if (names.size() > 0)
            selection.current = Row(*names.begin());
        return selection;
    }

    ConversionRequest Request(std::string_view text, std::initializer_list<std::string_view> inputs,
                              std::initializer_list<std::string_view> outputs) const {
        ConversionRequest request;
        request.inputText = std::string(text);
        request.input = Select(inputs);
        request.output = Select(outputs);
        return request;
    }

    std::string Output(std::string_view text, std::initializer_list<std::string_view> inputs,
                       std::initializer_list<std::string_view> outputs) {
        return m_engine.Convert(Request(text, inputs, outputs)).outputText.value_or("<unchanged>");
    }

    UnitDatabase m_db;
    Engine m_engine{m_db};
};

} // namespace mensurio::testing
