// SPDX-License-Identifier: MIT
#include "core/export/HandheldExport.h"

#include "core/db/UnitDatabase.h"
#include "core/export/PdbImage.h"
#include "core/platform/FileOps.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <numeric>
#include <optional>
#include <random>
#include <system_error>
#include <vector>

namespace mensurio {

namespace {

// The handheld program has no use for this category; it is left out by its exact name.
constexpr std::string_view kSkippedCategory = "Thermal Resistivity";

bool isExported(const CategoryRecord &category) {
    return !category.Units.empty() && category.Name != kSkippedCategory;
}

std::uint16_t count16(std::size_t count, const char *what) {
    if (count > 0xFFFF)
        throw HandheldExportError(std::string("The handheld database cannot hold so many ") + what + ".");
    return static_cast<std::uint16_t>(count);
}

// Each unit's default order as CheckDefaultOrder leaves it: its rank by the present value. For
// orders that are already 1 to n this is the value itself; it also covers a second category
// whose name differs from an earlier one only in letter case, which the lookup by name misses.
std::vector<std::size_t> defaultOrders(const std::vector<UnitRecord> &units) {
    std::vector<std::size_t> byOrder(units.size());
    std::iota(byOrder.begin(), byOrder.end(), std::size_t{0});
    std::stable_sort(byOrder.begin(), byOrder.end(), [&units](std::size_t a, std::size_t b) {
        return units[a].DefaultOrder < units[b].DefaultOrder;
    });
    std::vector<std::size_t> rank(units.size());
    for (std::size_t r = 0; r < byOrder.size(); ++r)
        rank[byOrder[r]] = r + 1;
    return rank;
}

std::string categoryTable(const std::vector<const CategoryRecord *> &categories) {
    std::string record;
    PdbImage::AppendUint16(record, count16(categories.size(), "categories"));
    for (std::size_t i = 0; i < categories.size(); ++i) {
        PdbImage::AppendUint16(record, static_cast<std::uint16_t>(i + 1));
        PdbImage::AppendUint16(record, count16(categories[i]->Units.size(), "units in one category"));
        record.push_back(categories[i]->Custom ? 1 : 0);
        record.push_back(categories[i]->Hidden ? 1 : 0);
    }
    return record;
}

std::string unitValues(const CategoryRecord &category) {
    const auto &units = category.Units;
    // A category whose units are all hidden still shows its first unit on the handheld.
    const bool allHidden =
        std::all_of(units.begin(), units.end(), [](const UnitRecord &u) { return u.Hidden; });
    const std::vector<std::size_t> orders = defaultOrders(units);
    std::string record;
    for (std::size_t i = 0; i < units.size(); ++i) {
        PdbImage::AppendUint16(record, static_cast<std::uint16_t>(orders[i] & 0xFFFF));
        record.push_back(units[i].Custom ? 1 : 0);
        record.push_back(units[i].Hidden && !(allHidden && i == 0) ? 1 : 0);
        PdbImage::AppendDouble(record, units[i].Factor);
    }
    return record;
}

void appendName(std::string &record, const std::string &name) {
    record += name;
    record.push_back('\0');
}

std::string pdb(const char *name, const char (&type)[5], int exportNumber,
                const std::vector<std::string> &records) {
    try {
        return PdbImage::Build(name, type, "ZIZo", static_cast<std::uint16_t>(exportNumber), records);
    } catch (const std::length_error &) {
        throw HandheldExportError("The units database is too large for the handheld database.");
    }
}

} // namespace

HandheldDatabaseImages HandheldExport::Build(UnitDatabase &database, int exportNumber) {
    if (exportNumber < MinExportNumber || exportNumber > MaxExportNumber)
        throw HandheldExportError("The export number must be from 2 to 32767.");
    std::vector<std::string> names;
    for (const CategoryRecord &category : database.Categories())
        names.push_back(category.Name);
    for (const std::string &name : names)
        database.CheckDefaultOrder(name);

    std::vector<const CategoryRecord *> exported;
    for (const CategoryRecord &category : database.Categories()) {
        if (isExported(category))
            exported.push_back(&category);
    }
    count16(exported.size() + 1, "categories");
    std::vector<std::string> valueRecords{categoryTable(exported)};
    std::vector<std::string> nameRecords(1);
    for (const CategoryRecord *category : exported) {
        valueRecords.push_back(unitValues(*category));
        appendName(nameRecords.front(), category->Name);
        std::string unitNames;
        for (const UnitRecord &unit : category->Units)
            appendName(unitNames, unit.Name);
        nameRecords.push_back(std::move(unitNames));
    }
    return {pdb("ZIZo-values", "valu", exportNumber, valueRecords),
            pdb("ZIZo-names", "name", exportNumber, nameRecords)};
}

HandheldExport::NumberSource HandheldExport::ClockSeededSource() {
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    auto engine = std::make_shared<std::mt19937>(static_cast<std::uint32_t>(now ^ (now >> 32)));
    return [engine] { return std::uniform_int_distribution<int>(MinExportNumber, MaxExportNumber)(*engine); };
}

int HandheldExport::DrawExportNumber(int previous, const NumberSource &source) {
    int number = source();
    while (number == previous)
        number = source();
    return number;
}

bool HandheldExport::SameFile(const std::string &first, const std::string &second) {
    if (UnitDatabase::FoldCase(first) == UnitDatabase::FoldCase(second))
        return true;
    std::error_code error;
    if (std::filesystem::equivalent(first, second, error))
        return true;
    // Absolute first: a relative path whose first part does not exist yet ("pair.pdb") is left
    // relative by weakly_canonical, while "./pair.pdb" is resolved.
    std::error_code firstError, secondError;
    const auto a =
        std::filesystem::weakly_canonical(std::filesystem::absolute(first, firstError), firstError);
    const auto b =
        std::filesystem::weakly_canonical(std::filesystem::absolute(second, secondError), secondError);
    return !firstError && !secondError &&
           UnitDatabase::FoldCase(a.string()) == UnitDatabase::FoldCase(b.string());
}

std::string HandheldExport::WithDefaultExtension(const std::string &path) {
    const auto slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty() || name.find('.', 1) != std::string::npos)
        return path;
    return path + ".pdb";
}

namespace {

// What stood at a path before the export, so that a half-finished pair can be undone.
struct EarlierFile {
    bool existed = false;
    std::optional<std::string> bytes; // empty when it existed but could not be read
};

EarlierFile earlierFile(const std::string &path) {
    EarlierFile earlier;
    earlier.existed = FileOps::Exists(path);
    if (earlier.existed) {
        try {
            earlier.bytes = FileOps::ReadAll(path);
        } catch (const std::system_error &) {
        }
    }
    return earlier;
}

bool putBack(const std::string &path, const EarlierFile &earlier) {
    if (!earlier.existed) {
        std::error_code error;
        return std::filesystem::remove(path, error) && !error;
    }
    if (!earlier.bytes)
        return false;
    try {
        FileOps::AtomicReplace(path, *earlier.bytes);
        return true;
    } catch (const std::system_error &) {
        return false;
    }
}

std::string cannotWrite(const std::string &path, const std::system_error &error) {
    return "Can not write " + path + ": " + error.code().message() + ".";
}

} // namespace

void ExportHandheldDatabases(UnitDatabase &database, const std::string &valuesPath,
                             const std::string &namesPath, int exportNumber) {
    if (HandheldExport::SameFile(valuesPath, namesPath))
        throw HandheldExportError("You have to enter two different files.");
    const HandheldDatabaseImages images = HandheldExport::Build(database, exportNumber);
    const EarlierFile earlierValues = earlierFile(valuesPath);
    try {
        FileOps::AtomicReplace(valuesPath, images.values);
    } catch (const std::system_error &error) {
        throw HandheldExportError(cannotWrite(valuesPath, error) + " Nothing was exported.");
    }
    try {
        FileOps::AtomicReplace(namesPath, images.names);
    } catch (const std::system_error &error) {
        if (putBack(valuesPath, earlierValues))
            throw HandheldExportError(cannotWrite(namesPath, error) + " Nothing was exported.");
        throw HandheldExportError(cannotWrite(namesPath, error) + " The values file " + valuesPath +
                                  " was written and does not match the names file; export again.");
    }
}

} // namespace mensurio
