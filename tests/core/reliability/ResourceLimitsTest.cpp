// SPDX-License-Identifier: MIT
// The sizes the program promises to handle: each case ends with its result or its message,
// with memory bounded by the input. Elapsed times are recorded (the 1 s targets are measured
// by bench_limits); the bound checked here only catches a hang.
#include "AllocationProbe.h"

#include "core/db/DatabaseFile.h"
#include "core/db/FindEntry.h"
#include "core/db/UnitDatabase.h"
#include "core/engine/Engine.h"
#include "core/engine/ExpressionTree.h"
#include "core/record/ConversionRecord.h"
#include "core/settings/IniFile.h"
#include "core/settings/ProgramSettings.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <sstream>
#include <string>

namespace mensurio {
namespace {

using test::AllocationProbe;
using test::ScratchDir;

// Far above the 1 s target, so that a slow machine or a sanitizer build (several times slower)
// passes, while a quadratic step over these sizes still fails.
#if defined(__SANITIZE_ADDRESS__)
constexpr double kHangSeconds = 30.0;
#else
constexpr double kHangSeconds = 10.0;
#endif

double SecondsOf(const std::function<void()> &work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void ExpectNoHang(const char *what, const std::function<void()> &work) {
    const double seconds = SecondsOf(work);
    ::testing::Test::RecordProperty(what, std::to_string(seconds));
    EXPECT_LT(seconds, kHangSeconds) << what;
}

constexpr int kBigCategory = 20000;

UnitDatabase BigCategoryDatabase() {
    UnitDatabase db;
    db.AddCategory("Length", false);
    for (int i = 0; i < kBigCategory; ++i)
        db.AddUnit("Length", "unit " + std::to_string(kBigCategory - i), "", 1.0L + i, false);
    return db;
}

ConversionRequest RequestFor(std::string text, int rows, bool split) {
    ConversionRequest request;
    request.inputText = std::move(text);
    request.input = ListSelection::Single(rows, 0);
    request.output = ListSelection::Single(rows, rows - 1);
    request.split = split;
    return request;
}

TEST(ResourceLimits, inputText_upToTheLimitConverts_longerGivesItsMessage) {
    UnitDatabase db = BigCategoryDatabase();
    Engine engine(db);
    const int rows = static_cast<int>(engine.LoadCategoryUnits("Length", {}).size());

    // The longest text the parsers take: kMaxExpressionLength characters, with no more than
    // kMaxTreeDepth operators in a row.
    std::string sum = "1." + std::string(kMaxExpressionLength - 2 - 900 * 11, '0');
    for (int i = 0; i < 900; ++i)
        sum += "+1.00000000";
    ASSERT_EQ(sum.size(), kMaxExpressionLength);
    ConversionResult atLimit;
    ExpectNoHang("atLimitSeconds", [&] { atLimit = engine.Convert(RequestFor(sum, rows, false)); });
    EXPECT_TRUE(atLimit.resultValid) << atLimit.outputText.value_or("");

    const std::string nested =
        std::string(kMaxExpressionLength / 2, '(') + "1" + std::string(kMaxExpressionLength / 2, ')');
    for (const std::string &text : {sum + "+1", std::string(100000, '1'), std::string(100000, '('), nested,
                                    std::string(50000, '-') + "1"}) {
        ConversionResult refused;
        ExpectNoHang("overLimitSeconds", [&] { refused = engine.Convert(RequestFor(text, rows, false)); });
        EXPECT_FALSE(refused.resultValid) << text.size();
        EXPECT_FALSE(refused.outputText.value_or("").empty());
    }
}

TEST(ResourceLimits, unitNamesInALongInput_areFoundInBoundedTime) {
    UnitDatabase db = BigCategoryDatabase();
    Engine engine(db);
    const int rows = static_cast<int>(engine.LoadCategoryUnits("Length", {}).size());
    std::string text = "1 unit 7";
    while (text.size() + 11 <= kMaxExpressionLength)
        text += " + 1 unit 7";
    ConversionResult result;
    ExpectNoHang("unitTermsSeconds", [&] { result = engine.Convert(RequestFor(text, rows, false)); });
    EXPECT_TRUE(result.resultValid) << result.outputText.value_or("");
}

TEST(ResourceLimits, categoryOf20000Units_listsSortsConvertsAndFinds) {
    UnitDatabase db = BigCategoryDatabase();
    Engine engine(db);
    int rows = 0;
    ExpectNoHang("sortSeconds", [&] {
        rows = static_cast<int>(
            engine.LoadCategoryUnits("Length", {.sortByName = true, .showHidden = true}).size());
    });
    ASSERT_EQ(rows, kBigCategory);
    EXPECT_EQ(engine.Rows().front().Name, "unit 1");

    ConversionResult all;
    ExpectNoHang("allResultsSeconds", [&] { all = engine.Convert(RequestFor("12.5", rows, true)); });
    ASSERT_TRUE(all.allResults.has_value());
    EXPECT_EQ(all.allResults->size(), static_cast<std::size_t>(kBigCategory));

    std::vector<FindEntry> entries;
    ExpectNoHang("findSeconds", [&] {
        entries = BuildFindEntries(db);
        SortFindEntries(
            entries, [](const std::string &a, const std::string &b) { return UnitDatabase::NameLess(a, b); });
    });
    EXPECT_EQ(entries.size(), static_cast<std::size_t>(kBigCategory + 1));
    std::size_t matches = 0;
    for (const FindEntry &entry : entries)
        matches += FindEntryMatches(entry.display, "unit 1999", false) ? 1 : 0;
    EXPECT_EQ(matches, 11u); // unit 1999 and unit 19990 to 19999
}

TEST(ResourceLimits, unitsFileOf20000Units_writesAndReadsBack) {
    const UnitDatabase db = BigCategoryDatabase();
    std::string bytes;
    UnitDatabase read;
    ExpectNoHang("fileSeconds", [&] {
        bytes = DatabaseFile::ToBytes(db, "MNSA");
        std::istringstream in(bytes);
        DatabaseFile::LoadFromFile(read, in);
    });
    EXPECT_EQ(DatabaseFile::ToBytes(read, "MNSA"), bytes);
}

// Unit records that alternate between the last two of 100,000 categories: the reader finds a
// unit's category without walking all categories for every record.
TEST(ResourceLimits, unitsFileOf100000Categories_readsInBoundedTime) {
    constexpr int kCategories = 100000;
    constexpr int kUnits = 20000;
    UnitDatabase db;
    for (int i = 0; i < kCategories; ++i)
        db.AddCategory("c" + std::to_string(i), false);
    std::string bytes = DatabaseFile::ToBytes(db, "MNSA");
    for (int i = 0; i < kUnits; ++i) {
        const std::string category = "c" + std::to_string(kCategories - 1 - i % 2);
        UnitDatabase one;
        one.AddCategory(category, false);
        const std::size_t categoryRecord = DatabaseFile::ToBytes(one, "MNSA").size() - 8;
        one.AddUnit(category, "u", "", 1.0L, false);
        bytes += DatabaseFile::ToBytes(one, "MNSA").substr(8 + categoryRecord);
    }
    const std::int32_t count = kCategories + kUnits;
    for (int i = 0; i < 4; ++i)
        bytes[4 + i] = static_cast<char>((count >> (8 * i)) & 0xFF);
    UnitDatabase read;
    ExpectNoHang("manyCategoriesSeconds", [&] {
        std::istringstream in(bytes);
        DatabaseFile::LoadFromFile(read, in);
    });
    ASSERT_EQ(read.Categories().size(), static_cast<std::size_t>(kCategories));
    EXPECT_EQ(read.Categories()[kCategories - 1].Units.size(), static_cast<std::size_t>(kUnits / 2));
    EXPECT_EQ(read.Categories()[kCategories - 2].Units.size(), static_cast<std::size_t>(kUnits / 2));
}

TEST(ResourceLimits, recordOf100000Items_addsRemovesAndCopies) {
    ConversionRecord record;
    for (int i = 0; i < 100000; ++i)
        record.AddItem("5 foot = 1.524 meter (" + std::to_string(i) + ")");
    std::size_t hintSize = 0;
    record.SetHintListener([&](const std::string &hint) { hintSize = hint.size(); });
    ExpectNoHang("recordSeconds", [&] {
        for (int i = 0; i < 100; ++i) {
            record.AddItem("one more");
            record.RemoveLastItem();
        }
        EXPECT_TRUE(record.CopyRecord().has_value());
    });
    EXPECT_GT(hintSize, record.RecordText().size());
    EXPECT_NE(record.RecordText().find("(99999)"), std::string::npos);
}

TEST(ResourceLimits, settingsFileOf10Megabytes_readsAndWritesInBoundedTime) {
    ScratchDir dir;
    std::string content = "[general]\nAktualCate=Length\ntop=7\n";
    for (int i = 0; content.size() < 10 * 1024 * 1024; ++i)
        content +=
            "[Category " + std::to_string(i) + "]\nhodnota=" + std::string(200, 'v') + "\nvstupy=1,2,3\n";
    content += "[Toolbar971]\nVisible=0\n";
    dir.write("mensurio.ini", content);
    IniFile file(dir.file("mensurio.ini"));
    ProgramSettings settings;
    ExpectNoHang("settingsReadSeconds", [&] { settings = ReadSettings(file); });
    EXPECT_EQ(settings.AktualCate, "Length");
    EXPECT_EQ(settings.top, 7);
    EXPECT_FALSE(settings.Toolbar971Visible);
    ExpectNoHang("settingsWriteSeconds", [&] { file.WriteString("general", "AktualCate", "Mass"); });
    EXPECT_EQ(file.ReadString("general", "AktualCate", ""), "Mass");
    EXPECT_EQ(dir.read("mensurio.ini").size(), content.size() - 2);
}

TEST(ResourceLimits, settingsValue_isCutAndAValueLineOf10MegabytesStaysBounded) {
    ScratchDir dir;
    dir.write("mensurio.ini", "[general]\nAktualCate=" + std::string(10 * 1024 * 1024, 'x') + "\n");
    IniFile file(dir.file("mensurio.ini"));
    std::string value;
    ExpectNoHang("longValueSeconds", [&] { value = file.ReadString("general", "AktualCate", ""); });
    EXPECT_EQ(value.size(), IniFile::kMaxValueLength);
}

TEST(ResourceLimits, unitNameOf10000Characters_isCutTo50) {
    UnitDatabase db;
    const std::string longName(10000, 'n');
    db.AddCategory(longName, true);
    db.AddUnit(longName, longName, longName, 2.0L, true);
    ASSERT_EQ(db.Categories().at(0).Name.size(), UnitDatabase::MaxNameLength);
    EXPECT_EQ(db.Categories().at(0).Units.at(0).Name.size(), UnitDatabase::MaxNameLength);
    const std::string bytes = DatabaseFile::ToBytes(db, "MNSA");
    UnitDatabase read;
    std::istringstream in(bytes);
    DatabaseFile::LoadFromFile(read, in);
    EXPECT_EQ(DatabaseFile::ToBytes(read, "MNSA"), bytes);

    Engine engine(read);
    const int rows = static_cast<int>(engine.LoadCategoryUnits(read.Categories().at(0).Name, {}).size());
    ASSERT_EQ(rows, 1);
    const ConversionResult typedName = engine.Convert(RequestFor("3 " + longName, rows, false));
    EXPECT_TRUE(typedName.outputText.has_value());
}

TEST(ResourceLimits, readingAHostileFile_allocatesNoMoreThanItsBytesAllow) {
    // A file that claims two billion records holds one: nothing is reserved for the claim.
    UnitDatabase db;
    db.AddCategory("Length", false);
    std::string bytes = DatabaseFile::ToBytes(db, "MNSA");
    bytes[7] = 0x7F;
    bytes[4] = bytes[5] = bytes[6] = static_cast<char>(0xFF);
    AllocationProbe probe;
    UnitDatabase read;
    std::istringstream in(bytes);
    EXPECT_ANY_THROW(DatabaseFile::LoadFromFile(read, in));
    EXPECT_LT(probe.PeakBytes(), 64u * 1024u);
}

} // namespace
} // namespace mensurio
