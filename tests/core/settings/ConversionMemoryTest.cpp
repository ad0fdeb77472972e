// SPDX-License-Identifier: MIT
#include "core/settings/ConversionMemory.h"

#include "core/db/UnitDatabase.h"
#include "core/engine/Engine.h"
#include "support/ScratchDir.h"
#include "support/SettingsFiles.h"
#include "support/TestDatabases.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace mensurio {
namespace {

using test::ScratchDir;

ListSelection Rows(int count, std::vector<int> selected, int current = -1) {
    ListSelection selection;
    selection.selected.assign(static_cast<std::size_t>(count), false);
    for (const int row : selected)
        selection.Select(row, true);
    selection.current = current;
    return selection;
}

// ---- Unit codes -----------------------------------------------------------------------------

TEST(ConversionMemoryTest, EncodeUnitCode_positions_giveTwoBase36Digits) {
    const struct {
        int position;
        std::optional<std::string> code;
    } cases[] = {
        {0, "00"}, {5, "05"}, {35, "0Z"}, {36, "10"}, {1295, "ZZ"}, {1296, std::nullopt}, {-1, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(EncodeUnitCode(c.position), c.code) << c.position;
}

TEST(ConversionMemoryTest, DecodeUnitCode_onlyTwoUpperCaseDigitsAreValid) {
    const struct {
        const char *code;
        std::optional<int> position;
    } cases[] = {
        {"00", 0},
        {"05", 5},
        {"10", 36},
        {"ZZ", 1295},
        {"A0", 360},
        {"0a", std::nullopt},
        {"0", std::nullopt},
        {"", std::nullopt},
        {"000", std::nullopt},
        {"0@", std::nullopt},
        {"0[", std::nullopt},
        {"/0", std::nullopt},
        {":0", std::nullopt},
        {" 1", std::nullopt},
        {"-1", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DecodeUnitCode(c.code), c.position) << c.code;
}

TEST(ConversionMemoryTest, UnitCode_everyPositionWithACode_roundTrips) {
    for (int position = 0; position <= kMaxUnitCodePosition; ++position) {
        const auto code = EncodeUnitCode(position);
        ASSERT_TRUE(code.has_value()) << position;
        EXPECT_EQ(DecodeUnitCode(*code), position) << *code;
    }
}

// ---- Output codes ---------------------------------------------------------------------------

TEST(ConversionMemoryTest, EncodeOutputCodes_followsDefaultOrderNotRows) {
    // Rows sorted by name: position 0 sits in row 2, position 3 in row 0, position 5 in row 4.
    const std::vector<int> orderView{2, 5, 1, 0, 3, 4};
    EXPECT_EQ(EncodeOutputCodes(orderView, Rows(6, {0, 2, 4})), "000305");
    EXPECT_EQ(EncodeOutputCodes(orderView, Rows(6, {})), "");
    EXPECT_EQ(EncodeOutputCodes(orderView, Rows(6, {0, 1, 2, 3, 4, 5})), "000102030405");
}

TEST(ConversionMemoryTest, EncodeOutputCodes_positionsAboveZZ_areLeftOut) {
    std::vector<int> orderView;
    for (int row = 0; row < 1300; ++row)
        orderView.push_back(row);
    EXPECT_EQ(EncodeOutputCodes(orderView, Rows(1300, {1, 1295, 1296, 1299})), "01ZZ");
}

TEST(ConversionMemoryTest, DecodeOutputCodes_skipsWhatCannotBeRestored) {
    const std::vector<int> orderView{2, 5, 1, 0, 3, 4};
    const struct {
        const char *codes;
        std::vector<int> rows;
    } cases[] = {
        {"000305", {2, 0, 4}},
        {"050300", {4, 0, 2}}, // rows in the order of the codes
        {"0a", {}},            // lower case is no code
        {"0", {}},             // a single character is ignored
        {"00Z", {2}},          // ... also after a whole pair
        {"0a03", {0}},         // a bad pair does not spoil the next one
        {"0006", {2}},         // position 6 lies beyond the six units shown
        {"ZZ10", {}},
        {"x0003", {2}}, // pairs are taken from the start: "x0", "00", "3"
        {"", {}},
        {"0000", {2, 2}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DecodeOutputCodes(c.codes, orderView), c.rows) << c.codes;
    EXPECT_TRUE(DecodeOutputCodes("0001", {}).empty());
}

// Three output units stored while the units are listed in default order come back as the same
// three units after the lists were sorted by name (the setting GeSoUnit), through the engine's
// real order view and the settings file.
TEST(ConversionMemoryTest, OutputCodes_surviveSortingTheUnitsByName) {
    UnitDatabase database = test::DatabaseOf(
        {{"Length", {{"meter"}, {"foot"}, {"yard"}, {"inch"}, {"mile"}, {"angstrom"}, {"cubit"}}}});
    Engine engine(database);
    const std::vector<std::string> chosen{"foot", "mile", "angstrom"};

    auto rowsFor = [&](bool sorted) { return engine.LoadCategoryUnits("Length", {.sortByName = sorted}); };
    auto selectionOf = [&](const std::vector<UnitRecord> &rows) {
        ListSelection selection = Rows(static_cast<int>(rows.size()), {});
        for (std::size_t row = 0; row < rows.size(); ++row)
            for (const std::string &name : chosen)
                if (rows[row].Name == name)
                    selection.Select(static_cast<int>(row), true);
        return selection;
    };

    ScratchDir dir;
    IniFile file(dir.file("mensurio.ini"));
    for (const bool sortedFirst : {false, true}) {
        const std::vector<UnitRecord> first = rowsFor(sortedFirst);
        const std::string codes = EncodeOutputCodes(engine.OrderView(), selectionOf(first));
        EXPECT_EQ(codes, "010405");
        ASSERT_TRUE(WriteConversionMemory(file, "Length", {{"foot", "", codes}, "3"}));

        const std::vector<UnitRecord> second = rowsFor(!sortedFirst);
        const ConversionMemory stored = ReadConversionMemory(file, "Length");
        std::vector<std::string> restored;
        for (const int row : DecodeOutputCodes(stored.selection.outputCodes, engine.OrderView()))
            restored.push_back(second[static_cast<std::size_t>(row)].Name);
        EXPECT_EQ(restored, chosen) << "sorted first: " << sortedFirst;
    }
}

// ---- Capture and the rows a remembered selection selects -------------------------------------

TEST(ConversionMemoryTest, CaptureSelectionOf_followsTheCategoryRules) {
    const std::vector<std::string> names{"kelvin", "Celsius", "Fahrenheit"};
    const std::vector<int> orderView{1, 2, 0};
    const struct {
        const char *category;
        ListSelection input;
        ListSelection output;
        CapturedSelection expected;
    } cases[] = {
        {"", Rows(3, {0}, 0), Rows(3, {1}, 1), {}},
        {"Temperature", Rows(3, {1}, 1), Rows(3, {2}, 2), {"Celsius", "Fahrenheit", ""}},
        {"Numbers", Rows(3, {}, -1), Rows(3, {0, 2}, 0), {"", "kelvin", ""}},
        {"Temperature", Rows(3, {}, 7), Rows(3, {}, 2), {"", "Fahrenheit", ""}},
        {"Length", Rows(3, {2}, 0), Rows(3, {0, 1}, 1), {"Fahrenheit", "", "0002"}},
        {"Length", Rows(3, {0, 2}, 0), Rows(3, {}, -1), {"[more]", "", ""}},
        {"Length", Rows(3, {}, 1), Rows(3, {0, 1, 2}, 1), {"", "", "000102"}},
        {"temperature", Rows(3, {1}, 2), Rows(3, {}, 2), {"Celsius", "", ""}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CaptureSelectionOf(c.category, names, c.input, c.output, orderView), c.expected)
            << c.category << " / " << c.expected.input;
}

TEST(ConversionMemoryTest, RememberedRows_matchNamesIgnoringCaseElseFallBack) {
    const std::vector<std::string> names{"meter", "Foot", "[more]x", "\xB5m"};
    const std::vector<std::string> withMore{"meter", "[more]"};
    const struct {
        const std::vector<std::string> *rows;
        const char *name;
        int input;  // RememberedInputRow
        int single; // RememberedSingleRow
    } cases[] = {
        {&names, "FOOT", 1, 1},      {&names, "foot", 1, 1}, {&names, "\xB5m", 3, 3},
        {&names, "\xB5M", 3, 3}, // only A to Z fold: "M" against "m" does, the byte 0xB5 stays itself
        {&names, "yard", 0, 0},      {&names, "", 0, 0},     {&names, "[more]", -1, 0},
        {&withMore, "[MORE]", 1, 1},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(RememberedInputRow(*c.rows, c.name), c.input) << c.name;
        EXPECT_EQ(RememberedSingleRow(*c.rows, c.name), c.single) << c.name;
    }
    EXPECT_EQ(RememberedInputRow({}, "meter"), -1);
    EXPECT_EQ(RememberedSingleRow({}, "meter"), -1);
    EXPECT_EQ(RowNamed(names, "METER "), -1);
}

// ---- The settings section ---------------------------------------------------------------------

using ConversionMemoryFileTest = test::SettingsFileTest;

TEST_F(ConversionMemoryFileTest, WriteThenRead_roundTripsPerCategoryKind) {
    const ConversionMemory linear{{"[more]", "", "000305"}, "5 foot + 3 inch"};
    const ConversionMemory temperature{{"Celsius", "kelvin", ""}, "-40"};
    ASSERT_TRUE(WriteConversionMemory(m_file, "Length", linear));
    ASSERT_TRUE(WriteConversionMemory(m_file, "Temperature", temperature));
    EXPECT_EQ(ReadConversionMemory(m_file, "Length"), linear);
    EXPECT_EQ(ReadConversionMemory(m_file, "LENGTH"), linear); // sections ignore letter case
    EXPECT_EQ(ReadConversionMemory(m_file, "Temperature"), temperature);
    EXPECT_FALSE(m_file.ValueExists("Length", "list2"));
    EXPECT_FALSE(m_file.ValueExists("Temperature", "list2m"));
    EXPECT_EQ(ReadConversionMemory(m_file, "Area"), ConversionMemory{});
}

TEST_F(ConversionMemoryFileTest, Write_emptyValues_keepNamesOnlyInSingleSelectionCategories) {
    ASSERT_TRUE(WriteConversionMemory(m_file, "Numbers", {{"decimal", "hexadecimal", ""}, "255"}));
    ASSERT_TRUE(WriteConversionMemory(m_file, "Length", {{"foot", "", "01"}, "1"}));
    ASSERT_TRUE(WriteConversionMemory(m_file, "Numbers", {{"", "", ""}, ""}));
    ASSERT_TRUE(WriteConversionMemory(m_file, "Length", {{"", "", ""}, ""}));
    EXPECT_EQ(ReadConversionMemory(m_file, "Numbers"),
              (ConversionMemory{{"decimal", "hexadecimal", ""}, ""}));
    EXPECT_EQ(ReadConversionMemory(m_file, "Length"), ConversionMemory{});
    EXPECT_TRUE(m_file.ValueExists("Length", "list1"));
    EXPECT_TRUE(m_file.ValueExists("Length", "list2m"));
}

TEST_F(ConversionMemoryFileTest, Write_withoutCategory_writesNothing) {
    EXPECT_TRUE(WriteConversionMemory(m_file, "", {{"foot", "", "01"}, "1"}));
    EXPECT_FALSE(m_dir.exists("mensurio.ini"));
    EXPECT_EQ(ReadConversionMemory(m_file, ""), ConversionMemory{});
}

TEST_F(ConversionMemoryFileTest, Write_categoryNamedGeneral_leavesTheSettingsAlone) {
    m_file.WriteString("general", "AktualCate", "general");
    m_file.WriteInteger("general", "ReDeciPlace", 4);
    ASSERT_TRUE(WriteConversionMemory(m_file, "general", {{"a", "", "00"}, "7"}));
    EXPECT_EQ(m_file.ReadString("general", "AktualCate", ""), "general");
    EXPECT_EQ(m_file.ReadInteger("general", "ReDeciPlace", 9), 4);
    EXPECT_EQ(ReadConversionMemory(m_file, "general"), (ConversionMemory{{"a", "", "00"}, "7"}));
}

TEST_F(ConversionMemoryFileTest, Read_malformedStoredValues_restoreNothingFromCodes) {
    m_dir.write("mensurio.ini", "[Length]\r\nlist1=\r\nlist2m=0a0\r\n[Area]\r\nlist2m=zz\r\n"
                                "[Mass]\r\nlist2m=" +
                                    std::string(2000, '0') + "\r\n");
    const std::vector<int> orderView{0, 1, 2};
    EXPECT_TRUE(
        DecodeOutputCodes(ReadConversionMemory(m_file, "Length").selection.outputCodes, orderView).empty());
    EXPECT_TRUE(
        DecodeOutputCodes(ReadConversionMemory(m_file, "Area").selection.outputCodes, orderView).empty());
    // A value longer than the file allows is cut to 1023 characters: 511 whole codes.
    EXPECT_EQ(DecodeOutputCodes(ReadConversionMemory(m_file, "Mass").selection.outputCodes, orderView).size(),
              511u);
}

TEST_F(ConversionMemoryFileTest, ClearCategoryMemory_emptiesTheKeysOfItsKind) {
    m_dir.write("mensurio.ini", "[Length]\nlist1=foot\nlist2=stale\nlist2m=0102\nhodnota=3\n"
                                "[Area]\nlist1=acre\nlist2m=00\nhodnota=1\n"
                                "[Temperature]\nlist1=kelvin\nlist2m=00\nhodnota=0\n");
    for (const char *category : {"Length", "Area", "Temperature"})
        EXPECT_TRUE(ClearCategoryMemory(m_file, category));
    EXPECT_EQ(ReadConversionMemory(m_file, "Length"), ConversionMemory{});
    EXPECT_EQ(ReadConversionMemory(m_file, "Area"), ConversionMemory{});
    EXPECT_FALSE(m_file.ValueExists("Area", "list2")); // an absent list2 is not added
    EXPECT_TRUE(m_file.ValueExists("Temperature", "list2"));
    EXPECT_EQ(m_file.ReadString("Temperature", "list2m", ""), "00"); // not a key of this category
    EXPECT_EQ(m_file.ReadString("Temperature", "list1", "?"), "");
}

TEST_F(ConversionMemoryFileTest, ClearAllCategoryMemory_includesHiddenCategories) {
    UnitDatabase database;
    database.AddCategory("Length", false);
    database.AddCategory("Secret", true);
    database.SelectCategory("Secret");
    database.SetCategoryHidden(true);
    for (const char *category : {"Length", "Secret", "Gone"})
        ASSERT_TRUE(WriteConversionMemory(m_file, category, {{"x", "", "00"}, "1"}));
    ClearAllCategoryMemory(m_file, database);
    EXPECT_EQ(ReadConversionMemory(m_file, "Length"), ConversionMemory{});
    EXPECT_EQ(ReadConversionMemory(m_file, "Secret"), ConversionMemory{});
    EXPECT_EQ(ReadConversionMemory(m_file, "Gone").inputText, "1");
}

TEST(ConversionMemoryRefusedTest, WritesToAnUnwritableFile_endQuietly) {
    IniFile file("/nonexistent-mensurio-dir/mensurio.ini");
    EXPECT_FALSE(WriteConversionMemory(file, "Length", {{"foot", "", "00"}, "1"}));
    EXPECT_FALSE(ClearCategoryMemory(file, "Temperature"));
    UnitDatabase database;
    database.AddCategory("Length", false);
    database.AddCategory("Mass", false);
    EXPECT_NO_THROW(ClearAllCategoryMemory(file, database));
}

} // namespace
} // namespace mensurio
