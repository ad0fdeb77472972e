// SPDX-License-Identifier: MIT
// Timing of the largest inputs the program promises to handle; each should stay under 1 s.
#include "core/db/DatabaseFile.h"
#include "core/db/FindEntry.h"
#include "core/engine/Engine.h"
#include "core/engine/ExpressionTree.h"
#include "core/record/ConversionRecord.h"
#include "core/settings/IniFile.h"
#include "core/settings/ProgramSettings.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

using namespace mensurio;

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

void BM_LongestArithmeticInput(benchmark::State &state) {
    UnitDatabase db = BigCategoryDatabase();
    Engine engine(db);
    const int rows = static_cast<int>(engine.LoadCategoryUnits("Length", {}).size());
    std::string text = "1." + std::string(kMaxExpressionLength - 2 - 900 * 11, '0');
    for (int i = 0; i < 900; ++i)
        text += "+1.00000000";
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.Convert(RequestFor(text, rows, false)));
}
BENCHMARK(BM_LongestArithmeticInput)->Unit(benchmark::kMillisecond);

void BM_LongestUnitInputIn20000Units(benchmark::State &state) {
    UnitDatabase db = BigCategoryDatabase();
    Engine engine(db);
    const int rows = static_cast<int>(engine.LoadCategoryUnits("Length", {}).size());
    std::string text = "1 unit 7";
    while (text.size() + 11 <= kMaxExpressionLength)
        text += " + 1 unit 7";
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.Convert(RequestFor(text, rows, false)));
}
BENCHMARK(BM_LongestUnitInputIn20000Units)->Unit(benchmark::kMillisecond);

void BM_AllResultsOf20000Units(benchmark::State &state) {
    UnitDatabase db = BigCategoryDatabase();
    Engine engine(db);
    for (auto _ : state) {
        const int rows = static_cast<int>(
            engine.LoadCategoryUnits("Length", {.sortByName = true, .showHidden = true}).size());
        benchmark::DoNotOptimize(engine.Convert(RequestFor("12.5", rows, true)));
    }
}
BENCHMARK(BM_AllResultsOf20000Units)->Unit(benchmark::kMillisecond);

void BM_FindIn20000Units(benchmark::State &state) {
    const UnitDatabase db = BigCategoryDatabase();
    for (auto _ : state) {
        auto entries = BuildFindEntries(db);
        SortFindEntries(
            entries, [](const std::string &a, const std::string &b) { return UnitDatabase::NameLess(a, b); });
        int matches = 0;
        for (const FindEntry &entry : entries)
            matches += FindEntryMatches(entry.display, "unit 1999", true) ? 1 : 0;
        benchmark::DoNotOptimize(matches);
    }
}
BENCHMARK(BM_FindIn20000Units)->Unit(benchmark::kMillisecond);

void BM_ReadUnitsFileOf100000Categories(benchmark::State &state) {
    UnitDatabase db;
    for (int i = 0; i < 100000; ++i) {
        db.AddCategory("c" + std::to_string(i), false);
        db.AddUnit("c" + std::to_string(i), "u", "", 1.0L, false);
    }
    const std::string bytes = DatabaseFile::ToBytes(db, "MNSA");
    for (auto _ : state) {
        UnitDatabase read;
        std::istringstream in(bytes);
        DatabaseFile::LoadFromFile(read, in);
    }
}
BENCHMARK(BM_ReadUnitsFileOf100000Categories)->Unit(benchmark::kMillisecond);

void BM_RecordOf100000Items(benchmark::State &state) {
    ConversionRecord record;
    for (int i = 0; i < 100000; ++i)
        record.AddItem("5 foot = 1.524 meter (" + std::to_string(i) + ")");
    std::size_t hint = 0;
    record.SetHintListener([&](const std::string &text) { hint = text.size(); });
    for (auto _ : state) {
        record.AddItem("one more");
        record.RemoveLastItem();
        benchmark::DoNotOptimize(record.CopyRecord());
    }
    benchmark::DoNotOptimize(hint);
}
BENCHMARK(BM_RecordOf100000Items)->Unit(benchmark::kMillisecond);

std::string TenMegabyteSettings() {
    const std::string path = "/tmp/mensurio-bench-" + std::to_string(::getpid()) + ".ini";
    std::string content = "[general]\nAktualCate=Length\ntop=7\n";
    for (int i = 0; content.size() < 10 * 1024 * 1024; ++i)
        content +=
            "[Category " + std::to_string(i) + "]\nhodnota=" + std::string(200, 'v') + "\nvstupy=1,2,3\n";
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

void BM_ReadSettingsOf10Megabytes(benchmark::State &state) {
    const std::string path = TenMegabyteSettings();
    IniFile file(path);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadSettings(file));
    std::remove(path.c_str());
}
BENCHMARK(BM_ReadSettingsOf10Megabytes)->Unit(benchmark::kMillisecond);

void BM_WriteKeyInSettingsOf10Megabytes(benchmark::State &state) {
    const std::string path = TenMegabyteSettings();
    IniFile file(path);
    int i = 0;
    for (auto _ : state)
        file.WriteInteger("general", "top", ++i);
    std::remove(path.c_str());
}
BENCHMARK(BM_WriteKeyInSettingsOf10Megabytes)->Unit(benchmark::kMillisecond);

} // namespace
