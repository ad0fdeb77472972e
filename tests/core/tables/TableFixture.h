// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/UnitDatabase.h"
#include "core/tables/TableText.h"

#include <string>

namespace mensurio::test {

/// A fixed-width font for table tests: every character 7 pixels wide, lines 13 pixels high.
inline TextMeasure FixedMeasure() {
    return TextMeasure{[](const std::string &text) { return static_cast<int>(text.size()) * 7; }, 13};
}

/// Time (second, minute, hour, day), Length (meter, kilometer, foot, inch, and two units named
/// "league" with different factors around "mile"), and the special category Temperature.
inline UnitDatabase TableDatabase() {
    UnitDatabase db;
    db.AddCategory("Time", false);
    db.AddUnit("Time", "second", "second", 1, false);
    db.AddUnit("Time", "minute", "second", 60, false);
    db.AddUnit("Time", "hour", "second", 3600, false);
    db.AddUnit("Time", "day", "second", 86400, false);
    db.AddCategory("Length", false);
    db.AddUnit("Length", "meter", "meter", 1, false);
    db.AddUnit("Length", "league", "meter", 4828.032L, false);
    db.AddUnit("Length", "kilometer", "meter", 1000, false);
    db.AddUnit("Length", "mile", "meter", 1609.344L, false);
    db.AddUnit("Length", "league", "meter", 5556, false);
    db.AddUnit("Length", "foot", "meter", 0.3048L, false);
    db.AddUnit("Length", "inch", "meter", 0.0254L, false);
    db.AddCategory("Temperature", false);
    db.AddUnit("Temperature", "Celsius", "Celsius", 1, false);
    return db;
}

} // namespace mensurio::test
