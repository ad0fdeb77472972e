// SPDX-License-Identifier: MIT
// The export of the shipped default.dat, read back by a reader of the Palm database layout that
// shares nothing with the writer, so that a slip in the layout cannot pass unseen.
#include "core/export/HandheldExport.h"

#include "core/db/DatabaseFile.h"
#include "core/db/UnitDatabase.h"
#include "support/ScratchDir.h"
#include "support/TestDatabases.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace mensurio::test {
namespace {

unsigned byteAt(const std::string &file, std::size_t at) {
    return static_cast<unsigned char>(file.at(at));
}

std::uint32_t readBig(const std::string &file, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i)
        value = (value << 8) | byteAt(file, at + i);
    return value;
}

double readDouble(const std::string &file, std::size_t at) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits = (bits << 8) | byteAt(file, at + i);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

struct PalmDatabase {
    std::string name, type, creator;
    unsigned attributes = 0, version = 0;
    std::uint32_t created = 0, modified = 0, backedUp = 0, modificationNumber = 0;
    std::uint32_t appInfo = 0, sortInfo = 0, seed = 0, nextList = 0;
    std::vector<std::uint32_t> offsets;
    std::vector<unsigned> recordAttributes;
    std::vector<std::string> records;
};

PalmDatabase readPalmDatabase(const std::string &file) {
    PalmDatabase db;
    db.name = file.substr(0, 32).c_str();
    db.attributes = readBig(file, 32, 2);
    db.version = readBig(file, 34, 2);
    db.created = readBig(file, 36, 4);
    db.modified = readBig(file, 40, 4);
    db.backedUp = readBig(file, 44, 4);
    db.modificationNumber = readBig(file, 48, 4);
    db.appInfo = readBig(file, 52, 4);
    db.sortInfo = readBig(file, 56, 4);
    db.type = file.substr(60, 4);
    db.creator = file.substr(64, 4);
    db.seed = readBig(file, 68, 4);
    db.nextList = readBig(file, 72, 4);
    const unsigned count = readBig(file, 76, 2);
    for (unsigned i = 0; i < count; ++i) {
        db.offsets.push_back(readBig(file, 78 + 8 * i, 4));
        db.recordAttributes.push_back(readBig(file, 82 + 8 * i, 4)); // attributes and unique ID
    }
    for (unsigned i = 0; i < count; ++i) {
        const std::size_t end = i + 1 < count ? db.offsets[i + 1] : file.size();
        db.records.push_back(file.substr(db.offsets[i], end - db.offsets[i]));
    }
    return db;
}

std::vector<std::string> nulTerminated(const std::string &record) {
    std::vector<std::string> names;
    std::size_t start = 0;
    for (std::size_t end; (end = record.find('\0', start)) != std::string::npos; start = end + 1)
        names.push_back(record.substr(start, end - start));
    EXPECT_EQ(start, record.size()) << "text after the last NUL";
    return names;
}

void expectHeader(const PalmDatabase &db, const char *name, const char *type, unsigned version) {
    EXPECT_EQ(db.name, name);
    EXPECT_EQ(db.attributes, 0u);
    EXPECT_EQ(db.version, version);
    EXPECT_EQ(db.created, 0xBEFDA7FFu);
    EXPECT_EQ(db.modified, 0xBEFDA7FFu);
    EXPECT_EQ(db.backedUp + db.modificationNumber + db.appInfo + db.sortInfo + db.seed + db.nextList, 0u);
    EXPECT_EQ(db.type, type);
    EXPECT_EQ(db.creator, "ZIZo");
    ASSERT_FALSE(db.offsets.empty());
    EXPECT_EQ(db.offsets.front(), 78 + 8 * db.offsets.size() + 2); // after the list and the gap
    for (unsigned attributes : db.recordAttributes)
        EXPECT_EQ(attributes, 0u);
}

TEST(HandheldExportDefaultDatabase, ExportedPair_readsBackAsTheDatabase) {
    UnitDatabase db = test::ShippedDatabase();
    ScratchDir dir;
    ExportHandheldDatabases(db, dir.file("values.pdb"), dir.file("names.pdb"), 12345);
    const std::string valuesFile = dir.read("values.pdb");
    const std::string namesFile = dir.read("names.pdb");
    ASSERT_EQ(valuesFile.substr(86, 2), std::string(2, '\0')) << "gap";

    std::vector<const CategoryRecord *> exported;
    for (const CategoryRecord &category : db.Categories()) {
        if (!category.Units.empty() && category.Name != "Thermal Resistivity")
            exported.push_back(&category);
    }
    ASSERT_GT(exported.size(), 20u);
    ASSERT_LT(exported.size(), db.Categories().size()); // "Thermal Resistivity" is left out

    const PalmDatabase values = readPalmDatabase(valuesFile);
    const PalmDatabase names = readPalmDatabase(namesFile);
    expectHeader(values, "ZIZo-values", "valu", 12345);
    expectHeader(names, "ZIZo-names", "name", 12345);
    const std::size_t k = exported.size();
    ASSERT_EQ(values.records.size(), k + 1);
    ASSERT_EQ(names.records.size(), k + 1);

    const std::string &table = values.records[0];
    ASSERT_EQ(table.size(), 2 + 6 * k);
    EXPECT_EQ(readBig(table, 0, 2), k);
    std::vector<std::string> categoryNames;
    for (const CategoryRecord *category : exported)
        categoryNames.push_back(category->Name);
    EXPECT_EQ(nulTerminated(names.records[0]), categoryNames);

    for (std::size_t i = 1; i <= k; ++i) {
        const CategoryRecord &category = *exported[i - 1];
        const std::size_t n = category.Units.size();
        SCOPED_TRACE(category.Name);
        EXPECT_EQ(readBig(table, 2 + 6 * (i - 1), 2), i);
        EXPECT_EQ(readBig(table, 4 + 6 * (i - 1), 2), n);
        EXPECT_EQ(byteAt(table, 6 + 6 * (i - 1)), category.Custom);
        EXPECT_EQ(byteAt(table, 7 + 6 * (i - 1)), category.Hidden);
        ASSERT_EQ(values.records[i].size(), 12 * n);
        std::vector<std::string> unitNames;
        std::vector<bool> orderSeen(n + 1, false);
        for (std::size_t u = 0; u < n; ++u) {
            const UnitRecord &unit = category.Units[u];
            const std::size_t order = readBig(values.records[i], 12 * u, 2);
            ASSERT_TRUE(order >= 1 && order <= n && !orderSeen[order]) << unit.Name;
            orderSeen[order] = true;
            EXPECT_EQ(order, static_cast<std::size_t>(unit.DefaultOrder)) << unit.Name;
            EXPECT_EQ(byteAt(values.records[i], 12 * u + 2), unit.Custom) << unit.Name;
            EXPECT_EQ(readDouble(values.records[i], 12 * u + 4), static_cast<double>(unit.Factor))
                << unit.Name;
            unitNames.push_back(unit.Name);
        }
        EXPECT_EQ(nulTerminated(names.records[i]), unitNames);
    }
}

} // namespace
} // namespace mensurio::test
