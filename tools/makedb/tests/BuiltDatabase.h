// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/DatabaseFile.h"
#include "core/db/UnitDatabase.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace mensurio {

/// The default.dat the build produced, read once with the program's own reader.
class BuiltDatabase {
  public:
    static std::string Path() { return std::string(MENSURIO_BIN_DIR) + "/default.dat"; }

    static const UnitDatabase &Get() {
        static const UnitDatabase db = [] {
            UnitDatabase loaded;
            DatabaseFile::LoadFromPath(loaded, Path());
            return loaded;
        }();
        return db;
    }

    static const CategoryRecord *Category(const std::string &name) {
        for (const CategoryRecord &category : Get().Categories()) {
            if (category.Name == name)
                return &category;
        }
        return nullptr;
    }

    static const UnitRecord *Unit(const std::string &category, const std::string &unit) {
        const CategoryRecord *record = Category(category);
        if (record == nullptr)
            return nullptr;
        for (const UnitRecord &candidate : record->Units) {
            if (candidate.Name == unit)
                return &candidate;
        }
        return nullptr;
    }

    /// The factor of a unit that must exist; a missing unit fails the calling test.
    static long double Factor(const std::string &category, const std::string &unit) {
        const UnitRecord *record = Unit(category, unit);
        EXPECT_NE(record, nullptr) << "missing unit: " << category << " / " << unit;
        return record == nullptr ? std::nanl("") : record->Factor;
    }
};

} // namespace mensurio
