// SPDX-License-Identifier: MIT
#include "core/export/HandheldExport.h"

#include "core/db/UnitDatabase.h"
#include "core/export/HandheldExportTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mensurio::test {
namespace {

std::string Zeros(std::size_t n) {
    return std::string(n, '\0');
}

// The 78-byte header as the handheld expects it, written out field by field.
std::string Header(const std::string &name, const char *type, const char *version, const char *recordCount) {
    return name + Zeros(32 - name.size()) + Bytes(std::string("00 00 ") + version) +
           Bytes("BE FD A7 FF BE FD A7 FF") + Zeros(16) + type + "ZIZo" + Zeros(8) + Bytes(recordCount);
}

std::string ValuesHeader(const char *version, const char *recordCount) {
    return Header("ZIZo-values", "valu", version, recordCount);
}

std::string NamesHeader(const char *version, const char *recordCount) {
    return Header("ZIZo-names", "name", version, recordCount);
}

struct EmptyCase {
    const char *name;
    std::vector<ExportCategory> categories;
};

class EmptyExport : public ::testing::TestWithParam<EmptyCase> {};

TEST_P(EmptyExport, Build_noExportableCategory_gives90And88Bytes) {
    UnitDatabase db = DatabaseOf(GetParam().categories);
    const auto images = HandheldExport::Build(db, 1234);
    const std::string entry0 = Bytes("00 00 00 58 00 00 00 00"); // record 0 at offset 88
    EXPECT_EQ(Hex(images.values), Hex(ValuesHeader("04 D2", "00 01") + entry0 + Zeros(2) + Bytes("00 00")));
    EXPECT_EQ(Hex(images.names), Hex(NamesHeader("04 D2", "00 01") + entry0 + Zeros(2)));
    EXPECT_EQ(images.values.size(), 90u);
    EXPECT_EQ(images.names.size(), 88u);
}

INSTANTIATE_TEST_SUITE_P(
    HandheldExport, EmptyExport,
    ::testing::Values(EmptyCase{"NoCategories", {}}, EmptyCase{"EmptyCategory", {{"Length", {}}}},
                      EmptyCase{"ThermalResistivityAndEmpty",
                                {{"Thermal Resistivity", {{"m*K/W", 1.0L, 1}}}, {"Empty", {}, true, true}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(HandheldExport, Build_oneCategory_givesTheExactBytes) {
    UnitDatabase db = DatabaseOf({{"Length", {{"meter", 1.0L, 1}, {"foot", 0.3048L, 2}}}});
    const auto images = HandheldExport::Build(db, 2);
    // Record 0 at 96 (8 bytes), record 1 at 104 (2 units of 12 bytes).
    EXPECT_EQ(Hex(images.values), Hex(ValuesHeader("00 02", "00 02") +
                                      Bytes("00 00 00 60 00 00 00 00  00 00 00 68 00 00 00 00  00 00"
                                            "  00 01  00 01 00 02 00 00"
                                            "  00 01 00 00 3F F0 00 00 00 00 00 00"
                                            "  00 02 00 00 3F D3 81 D7 DB F4 87 FD")));
    // Record 0 at 96 ("Length" and NUL), record 1 at 103.
    EXPECT_EQ(Hex(images.names), Hex(NamesHeader("00 02", "00 02") +
                                     Bytes("00 00 00 60 00 00 00 00  00 00 00 67 00 00 00 00  00 00"
                                           "  'Length' 00  'meter' 00 'foot' 00")));
}

TEST(HandheldExport, Build_skipsOnlyTheExactThermalResistivityAndEmptyCategories) {
    UnitDatabase db = DatabaseOf({{"Area", {{"are", 100.0L, 1}}},
                                  {"Thermal Resistivity", {{"m*K/W", 1.0L, 1}}},
                                  {"Nothing", {}},
                                  {"thermal resistivity", {{"x", 1.0L, 1}, {"y", 2.0L, 2}}, false, true}});
    const auto images = HandheldExport::Build(db, 300);
    // K = 2: record 0 at 88 + 16 = 104; the two exported categories numbered 1 and 2.
    EXPECT_EQ(
        Hex(images.values.substr(76)),
        Hex(Bytes("00 03  00 00 00 68 00 00 00 00  00 00 00 76 00 00 00 00  00 00 00 82 00 00 00 00  00 00"
                  "  00 02  00 01 00 01 00 00  00 02 00 02 01 00"
                  "  00 01 00 00 40 59 00 00 00 00 00 00"
                  "  00 01 00 00 3F F0 00 00 00 00 00 00  00 02 00 00 40 00 00 00 00 00 00 00")));
    EXPECT_EQ(images.names.substr(104), Bytes("'Area' 00 'thermal resistivity' 00 'are' 00 'x' 00 'y' 00"));
}

TEST(HandheldExport, Build_allHiddenCategory_showsItsFirstUnit) {
    UnitDatabase db =
        DatabaseOf({{"Secret", {{"a", 1.0L, 1, true}, {"b", 1.0L, 2, true}, {"c", 1.0L, 3, true}}, true},
                    {"Mixed", {{"a", 1.0L, 1, true}, {"b", 1.0L, 2}, {"c", 1.0L, 3, true, true}}}});
    const auto values = HandheldExport::Build(db, 2).values;
    const std::size_t table = 88 + 16; // K = 2
    EXPECT_EQ(Hex(values.substr(table, 14)), Hex(Bytes("00 02  00 01 00 03 00 01  00 02 00 03 00 00")));
    auto flags = [&values](std::size_t record, std::size_t unit) {
        return Hex(values.substr(table + 14 + 36 * (record - 1) + 12 * unit, 4));
    };
    // The hidden category keeps its own flag; its first unit is shown, the others stay hidden.
    EXPECT_EQ(flags(1, 0), "00 01 00 00 ");
    EXPECT_EQ(flags(1, 1), "00 02 00 01 ");
    EXPECT_EQ(flags(1, 2), "00 03 00 01 ");
    // A category with a visible unit keeps every flag as it is.
    EXPECT_EQ(flags(2, 0), "00 01 00 01 ");
    EXPECT_EQ(flags(2, 1), "00 02 00 00 ");
    EXPECT_EQ(flags(2, 2), "00 03 01 01 ");
}

TEST(HandheldExport, Build_writesWindows1252NamesUnchanged) {
    UnitDatabase db = DatabaseOf({{"Fl\xE4"
                                   "che",
                                   {{"m\xB2", 1.0L, 1}, {"\xB5m\xB2", 1e-12L, 2}}}});
    const auto names = HandheldExport::Build(db, 2).names;
    EXPECT_EQ(Hex(names.substr(96)), Hex(Bytes("46 6C E4 63 68 65 00  6D B2 00  B5 6D B2 00")));
}

TEST(HandheldExport, Build_repairsDefaultOrderBeforeWriting) {
    // 5, 5, 9 become 1, 2, 3; so do those of a second category that differs from the first
    // only in letter case, which a lookup by name does not reach.
    UnitDatabase db = DatabaseOf({{"Speed", {{"a", 1.0L, 5}, {"b", 1.0L, 9}, {"c", 1.0L, 5}}},
                                  {"SPEED", {{"d", 1.0L, 70000}, {"e", 1.0L, -3}}}});
    const auto values = HandheldExport::Build(db, 2).values;
    const std::size_t first = 88 + 16 + 14;
    auto order = [&values](std::size_t at) { return Hex(values.substr(at, 2)); };
    EXPECT_EQ(order(first), "00 01 ");
    EXPECT_EQ(order(first + 12), "00 03 ");
    EXPECT_EQ(order(first + 24), "00 02 ");
    EXPECT_EQ(order(first + 36), "00 02 ");
    EXPECT_EQ(order(first + 48), "00 01 ");
    db.SelectCategory("Speed");
    std::vector<int> repaired;
    for (db.FirstUnit(); db.HasUnit(); db.NextUnit())
        repaired.push_back(db.UnitDefaultOrder());
    EXPECT_EQ(repaired, (std::vector<int>{1, 3, 2}));
}

TEST(HandheldExport, Build_exportNumberOutside2To32767_throws) {
    UnitDatabase db;
    for (int number : {-1, 0, 1, 32768, 65536})
        EXPECT_THROW(HandheldExport::Build(db, number), HandheldExportError) << number;
    EXPECT_EQ(Hex(HandheldExport::Build(db, 32767).values.substr(34, 2)), "7F FF ");
}

TEST(HandheldExport, DrawExportNumber_drawsAgainWhileEqualToThePrevious) {
    std::vector<int> script{77, 77, 77, 4};
    std::size_t next = 0;
    EXPECT_EQ(HandheldExport::DrawExportNumber(77, [&] { return script[next++]; }), 4);
    EXPECT_EQ(next, 4u);
}

TEST(HandheldExport, ClockSeededSource_staysWithin2To32767) {
    const auto source = HandheldExport::ClockSeededSource();
    int low = 40000, high = 0;
    for (int i = 0; i < 20000; ++i) {
        const int n = source();
        low = std::min(low, n);
        high = std::max(high, n);
    }
    EXPECT_GE(low, 2);
    EXPECT_LE(high, 32767);
    EXPECT_LT(low, 100); // the whole range is drawn from, not a corner of it
    EXPECT_GT(high, 32600);
}

TEST(HandheldExport, WithDefaultExtension_appendsPdbOnlyWithoutAnExtension) {
    const std::vector<std::pair<std::string, std::string>> cases = {{"/d/names", "/d/names.pdb"},
                                                                    {"/d/names.pdb", "/d/names.pdb"},
                                                                    {"/d/names.PDB", "/d/names.PDB"},
                                                                    {"/d.x/names", "/d.x/names.pdb"},
                                                                    {"/d/names.txt", "/d/names.txt"},
                                                                    {"/d/.names", "/d/.names.pdb"},
                                                                    {"names", "names.pdb"}};
    for (const auto &[in, out] : cases)
        EXPECT_EQ(HandheldExport::WithDefaultExtension(in), out) << in;
}

} // namespace
} // namespace mensurio::test
