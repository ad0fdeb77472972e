// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/DatabaseFile.h"
#include "core/db/UnitDatabase.h"

#include <exception>
#include <string>
#include <vector>

// Databases for the core tests: built in memory from a short description, written as the bytes
// of a units file, and read back from a scratch folder.

namespace mensurio::test {

/// A unit as the program adds it: name, factor (base units per unit), origin unit and flags.
struct TestUnit {
    std::string name;
    long double factor = 1.0L;
    bool custom = false;
    bool hidden = false;
    std::string origin = {};
};

struct TestCategory {
    std::string name;
    std::vector<TestUnit> units;
    bool custom = false;
    bool hidden = false;
};

/// Adds the category and its units as the program adds them (AddCategory, AddUnit), then sets
/// the hidden flags.
inline void AddTestCategory(UnitDatabase &db, const TestCategory &category) {
    db.AddCategory(category.name, category.custom);
    for (const TestUnit &unit : category.units)
        db.AddUnit(category.name, unit.name, unit.origin, unit.factor, unit.custom);
    db.SelectCategory(category.name);
    for (db.FirstUnit(); db.HasUnit(); db.NextUnit())
        for (const TestUnit &unit : category.units)
            if (unit.hidden && db.UnitName() == unit.name)
                db.SetUnitHidden(true);
    if (category.hidden)
        db.SetCategoryHidden(true);
}

/// A database of exactly these categories and units, in this order.
inline UnitDatabase DatabaseOf(const std::vector<TestCategory> &categories) {
    UnitDatabase db;
    for (const TestCategory &category : categories)
        AddTestCategory(db, category);
    return db;
}

/// The bytes of a units file holding one category with one unit of factor 1, in the form the
/// magic names ("MNSA", "MNS0").
inline std::string OneUnitDatabaseFile(const std::string &category, const std::string &unit = "u",
                                       const char *magic = "MNSA") {
    return DatabaseFile::ToBytes(DatabaseOf({{category, {{unit}}}}), magic);
}

/// The bytes of a legacy-form units file (no magic): `count` unit records "unit0", "unit1"...
/// of the category "Old", each of factor 1.
inline std::string LegacyDatabaseFile(int count) {
    std::string f(4, '\0');
    f[0] = static_cast<char>(count & 0xFF);
    f[1] = static_cast<char>(count >> 8);
    for (int i = 0; i < count; ++i) {
        const std::string unit = "unit" + std::to_string(i);
        f += std::string("\x04\x03Old", 5);
        f += static_cast<char>(unit.size() + 1);
        f += static_cast<char>(unit.size());
        f += unit;
        f += std::string("\x01\x00\x00", 3);
        f += std::string("\x00\x00\x00\x00\x00\x00\x00\x80\xFF\x3F", 10);
    }
    return f;
}

/// The database in the units file at `path`; throws what the reader throws.
inline UnitDatabase LoadedDatabase(const std::string &path) {
    UnitDatabase db;
    DatabaseFile::LoadFromPath(db, path);
    return db;
}

/// Whether the file at `path` reads as a units database.
inline bool LoadsAsDatabase(const std::string &path) {
    try {
        LoadedDatabase(path);
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

/// The database the program ships, as the build wrote it.
inline UnitDatabase ShippedDatabase() {
    return LoadedDatabase(MENSURIO_BIN_DIR "/default.dat");
}

/// The category of that exact name, or nullptr.
inline const CategoryRecord *CategoryOf(const UnitDatabase &db, const std::string &name) {
    for (const CategoryRecord &category : db.Categories())
        if (category.Name == name)
            return &category;
    return nullptr;
}

/// The unit of that exact name in the category, or nullptr.
inline const UnitRecord *UnitOf(const UnitDatabase &db, const std::string &category,
                                const std::string &name) {
    if (const CategoryRecord *found = CategoryOf(db, category))
        for (const UnitRecord &unit : found->Units)
            if (unit.Name == name)
                return &unit;
    return nullptr;
}

/// The names of the category's units in database order; empty for a category it does not hold.
inline std::vector<std::string> UnitNamesOf(const UnitDatabase &db, const std::string &category) {
    std::vector<std::string> names;
    if (const CategoryRecord *found = CategoryOf(db, category))
        for (const UnitRecord &unit : found->Units)
            names.push_back(unit.Name);
    return names;
}

} // namespace mensurio::test
