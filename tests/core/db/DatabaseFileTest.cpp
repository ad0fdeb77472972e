// SPDX-License-Identifier: MIT
#include "core/db/DatabaseFile.h"

#include "core/db/DatabaseFileError.h"
#include "core/db/Extended80.h"

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>

using namespace mensurio;

namespace {

std::string bytes(std::initializer_list<int> list) {
    std::string s;
    for (int b : list)
        s += static_cast<char>(b);
    return s;
}

std::string str(const std::string &text) {
    return static_cast<char>(text.size()) + text;
}

std::string int32(int v) {
    return bytes({v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF, (v >> 24) & 0xFF});
}

std::string factor(long double v) {
    const auto e = Extended80::Encode(v);
    return std::string(reinterpret_cast<const char *>(e.data()), e.size());
}

std::string record(int order, long double f, int custom, int hidden, const std::string &s1,
                   const std::string &s2, const std::string &s3) {
    return int32(order) + factor(f) +
           bytes({custom, hidden, static_cast<int>(s1.size() + 1), static_cast<int>(s2.size() + 1),
                  static_cast<int>(s3.size() + 1), 0}) +
           str(s1) + str(s2) + str(s3);
}

std::string legacyRecord(const std::string &s1, const std::string &s2, const std::string &s3, int custom,
                         long double f) {
    return bytes({static_cast<int>(s1.size() + 1)}) + str(s1) + bytes({static_cast<int>(s2.size() + 1)}) +
           str(s2) + bytes({static_cast<int>(s3.size() + 1)}) + str(s3) + bytes({custom}) + factor(f);
}

UnitDatabase load(const std::string &file) {
    UnitDatabase db;
    std::istringstream in(file);
    DatabaseFile::LoadFromFile(db, in);
    return db;
}

std::string loadError(const std::string &file) {
    try {
        load(file);
    } catch (const DatabaseFileError &e) {
        return e.what();
    }
    return "no error";
}

std::string save(const UnitDatabase &db) {
    std::ostringstream out;
    DatabaseFile::SaveToFile(db, out);
    return out.str();
}

// A stream buffer that accepts `limit` bytes and then refuses.
class FailingBuffer : public std::streambuf {
  public:
    explicit FailingBuffer(std::size_t limit) : m_limit(limit) {}

  protected:
    int_type overflow(int_type c) override {
        if (m_written >= m_limit)
            return traits_type::eof();
        ++m_written;
        return c;
    }

  private:
    std::size_t m_limit;
    std::size_t m_written = 0;
};

} // namespace

TEST(DatabaseFile, SaveToFile_emptyDatabase_isEightBytes) {
    EXPECT_EQ(save(UnitDatabase{}), bytes({0x4D, 0x4E, 0x53, 0x41, 0, 0, 0, 0}));
    EXPECT_EQ(load(save(UnitDatabase{})).Categories().size(), 0u);
}

TEST(DatabaseFile, SaveToFile_lengthAndMeter_matchesKnownBytes) {
    UnitDatabase db;
    db.AddCategory("Length", false);
    db.AddUnit("Length", "meter", "", 1.0L, false);
    const std::string expected =
        bytes({0x4D, 0x4E, 0x53, 0x41, 2, 0, 0, 0}) +
        bytes({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xBF, 0, 0, 9, 7, 10, 0}) + str("Category") +
        str("Length") + str("0 puvodce") +
        bytes({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F, 0, 0, 7, 6, 1, 0}) + str("Length") +
        str("meter") + bytes({0});
    EXPECT_EQ(save(db), expected);
}

TEST(DatabaseFile, RoundTrip_keepsFlagsOrdersAndFactors) {
    UnitDatabase db;
    db.AddCategory("Volume", true);
    db.AddUnit("Volume", "liter", "", 1.0L, false);
    db.AddUnit("Volume", "cup", "liter", 0.2365882365L, true);
    db.SelectCategory("Volume");
    db.FirstUnit();
    db.NextUnit();
    db.SetUnitHidden(true);
    db.SetCategoryHidden(true);
    const UnitDatabase back = load(save(db));
    ASSERT_EQ(back.Categories().size(), 1u);
    const auto &c = back.Categories()[0];
    EXPECT_EQ(c.Name, "Volume");
    EXPECT_EQ(c.Custom, 1);
    EXPECT_EQ(c.Hidden, 1);
    ASSERT_EQ(c.Units.size(), 2u);
    EXPECT_EQ(c.Units[1].Name, "cup");
    EXPECT_EQ(c.Units[1].OriginUnit, "liter");
    EXPECT_EQ(c.Units[1].Factor, 0.2365882365L);
    EXPECT_EQ(c.Units[1].Custom, 1);
    EXPECT_EQ(c.Units[1].Hidden, 1);
    EXPECT_EQ(c.Units[1].DefaultOrder, 2);
}

TEST(DatabaseFile, Magic_setsFlagsAndWriterKeepsSimplifiedChoice) {
    const std::string body = int32(0);
    const UnitDatabase fresh = load("MNS0" + body);
    EXPECT_TRUE(fresh.LoadedFresh);
    EXPECT_FALSE(fresh.NamesSimplified);
    EXPECT_EQ(save(fresh).substr(0, 4), "MNSA");
    const UnitDatabase simplified = load("MNSS" + body);
    EXPECT_TRUE(simplified.NamesSimplified);
    EXPECT_EQ(save(simplified).substr(0, 4), "MNSS");
    EXPECT_FALSE(load("MNSA" + body).LoadedLegacy);
}

TEST(DatabaseFile, UnitRecordsBeforeTheirCategory_createItAndDuplicatesStay) {
    const std::string file = "MNSA" + int32(3) + record(1, 1.0L, 0, 0, "Volume", "liter", "") +
                             record(0, -1.0L, 1, 1, "Category", "Volume", "0 puvodce") +
                             record(1, 2.0L, 0, 0, "Volume", "pint", "");
    const UnitDatabase db = load(file);
    ASSERT_EQ(db.Categories().size(), 2u);
    EXPECT_EQ(db.Categories()[0].Custom, 0);
    EXPECT_EQ(db.Categories()[0].Hidden, 0);
    EXPECT_EQ(db.Categories()[0].Units.size(), 1u);
    EXPECT_EQ(db.Categories()[1].Hidden, 1);
    ASSERT_EQ(db.Categories()[1].Units.size(), 1u);
    EXPECT_EQ(db.Categories()[1].Units[0].Name, "pint");
}

TEST(DatabaseFile, Legacy_readsFromOffsetZeroAndNumbersPerCategory) {
    const std::string file =
        int32(5) + legacyRecord("Category", "Mass", "", 0, 0) + legacyRecord("Length", "meter", "", 0, 1.0L) +
        legacyRecord("Mass", "gram", "", 0, 1.0L) + legacyRecord("Length", "foot", "meter", 1, 0.3048L) +
        legacyRecord("Mass", "pound", "gram", 0, 453.59237L);
    const UnitDatabase db = load(file);
    EXPECT_TRUE(db.LoadedLegacy);
    ASSERT_EQ(db.Categories().size(), 2u);
    const auto &length = db.Categories()[1];
    EXPECT_EQ(length.Name, "Length");
    ASSERT_EQ(length.Units.size(), 2u);
    EXPECT_EQ(length.Units[0].DefaultOrder, 1);
    EXPECT_EQ(length.Units[1].DefaultOrder, 2);
    EXPECT_EQ(length.Units[1].Custom, 1);
    EXPECT_EQ(length.Units[1].Factor, 0.3048L);
    EXPECT_EQ(db.Categories()[0].Units[1].DefaultOrder, 2);
}

struct BadFile {
    const char *what;
    std::string file;
    const char *error;
};

class DatabaseFileBad : public ::testing::TestWithParam<BadFile> {};

TEST_P(DatabaseFileBad, LoadFromFile_throws) {
    EXPECT_EQ(loadError(GetParam().file), GetParam().error) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Files, DatabaseFileBad,
    ::testing::Values(
        BadFile{"three bytes", "MNS", "precteno malo bytu"},
        BadFile{"magic without count", "MNSA\x01", "precteno malo bytu"},
        BadFile{"count 3, two records",
                "MNSA" + int32(3) + record(0, -1, 0, 0, "Category", "A", "0 puvodce") +
                    record(1, 1, 0, 0, "A", "u", ""),
                "pocutadla nesouhlasi"},
        BadFile{"count 2, two records and a short header",
                "MNSA" + int32(2) + record(0, -1, 0, 0, "Category", "A", "0 puvodce") +
                    record(1, 1, 0, 0, "A", "u", "") + std::string(19, '\0'),
                "precteno malo bytu"},
        BadFile{"string size above 51",
                "MNSA" + int32(1) + int32(1) + factor(1) + bytes({0, 0, 60, 2, 1, 0}) + std::string(70, 'a'),
                "precteno malo bytu"},
        BadFile{"length byte larger than its size",
                "MNSA" + int32(1) + int32(1) + factor(1) + bytes({0, 0, 3, 2, 1, 0}) + bytes({40, 'a', 'b'}) +
                    str("u") + str(""),
                "precteno malo bytu"},
        BadFile{"zero string size",
                "MNSA" + int32(1) + int32(1) + factor(1) + bytes({0, 0, 0, 2, 1, 0}) + str("u"),
                "precteno malo bytu"},
        BadFile{"legacy record cut in its factor", int32(1) + legacyRecord("A", "u", "", 0, 1).substr(0, 12),
                "precteno malo bytu"}));

TEST(DatabaseFile, SaveToFile_refusingStream_throwsShortWrite) {
    UnitDatabase db;
    db.AddCategory("Length", false);
    db.AddUnit("Length", "meter", "", 1.0L, false);
    for (std::size_t limit : {0u, 4u, 30u, 70u}) {
        FailingBuffer buffer(limit);
        std::ostream out(&buffer);
        try {
            DatabaseFile::SaveToFile(db, out);
            ADD_FAILURE() << "no error at limit " << limit;
        } catch (const DatabaseFileError &e) {
            EXPECT_STREQ(e.what(), "malo zapsano");
        }
    }
}

TEST(DatabaseFile, LoadFromFile_randomBytes_neverCrashes) {
    unsigned state = 12345;
    for (int round = 0; round < 2000; ++round) {
        std::string file = round % 2 ? "MNSA" : "";
        const int size = static_cast<int>(state % 300);
        for (int i = 0; i < size; ++i) {
            state = state * 1103515245u + 12345u;
            file += static_cast<char>((state >> 16) & 0xFF);
        }
        UnitDatabase db;
        std::istringstream in(file);
        try {
            DatabaseFile::LoadFromFile(db, in);
        } catch (const DatabaseFileError &) {
        }
    }
}
