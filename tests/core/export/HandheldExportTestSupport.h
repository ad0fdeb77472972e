// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/UnitDatabase.h"

#include <cstdio>
#include <string>
#include <vector>

namespace mensurio::test {

struct ExportUnit {
    const char *name;
    long double factor;
    int defaultOrder;
    bool hidden = false;
    bool custom = false;
};

struct ExportCategory {
    const char *name;
    std::vector<ExportUnit> units;
    bool hidden = false;
    bool custom = false;
};

/// A database holding exactly these categories and units, flags and default orders as given.
inline UnitDatabase DatabaseOf(const std::vector<ExportCategory> &categories) {
    UnitDatabase db;
    for (const ExportCategory &c : categories) {
        db.AppendCategoryRecord(c.name, c.custom, c.hidden);
        for (const ExportUnit &u : c.units) {
            UnitRecord unit;
            unit.Name = u.name;
            unit.Factor = u.factor;
            unit.DefaultOrder = u.defaultOrder;
            unit.Hidden = u.hidden ? 1 : 0;
            unit.Custom = u.custom ? 1 : 0;
            db.AppendUnitRecord(c.name, unit, false);
        }
    }
    return db;
}

/// Bytes from hex pairs separated by spaces ("3F F0 00"); text in quotes is taken as it is
/// ("'valu'" gives the four letters).
inline std::string Bytes(const std::string &spec) {
    std::string out;
    for (std::size_t i = 0; i < spec.size();) {
        if (spec[i] == ' ') {
            ++i;
        } else if (spec[i] == '\'') {
            const auto end = spec.find('\'', i + 1);
            out += spec.substr(i + 1, end - i - 1);
            i = end + 1;
        } else {
            out.push_back(static_cast<char>(std::stoi(spec.substr(i, 2), nullptr, 16)));
            i += 2;
        }
    }
    return out;
}

/// Hex pairs, 16 to a line, so that a failing comparison shows where the bytes differ.
inline std::string Hex(const std::string &bytes) {
    std::string out;
    char pair[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(pair, sizeof pair, "%02X", static_cast<unsigned char>(bytes[i]));
        out += pair;
        out += (i % 16 == 15) ? '\n' : ' ';
    }
    return out;
}

} // namespace mensurio::test
