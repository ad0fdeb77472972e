// SPDX-License-Identifier: MIT
// A conversion table of 1,000 rows and 10 columns: laid out, and laid out and written as PDF.
// Target: under 1 s for the whole PDF.
#include "core/db/UnitDatabase.h"
#include "core/tables/TableBuilder.h"
#include "ui/tables/TableReport.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <cstdlib>
#include <string>

namespace {

using namespace mensurio;

UnitDatabase ThousandUnits() {
    UnitDatabase db;
    db.AddCategory("Counts", false);
    for (int i = 1; i <= 1000; ++i)
        db.AddUnit("Counts", "unit number " + std::to_string(i), "", 1.0L + i / 7.0L, false);
    return db;
}

TableChoices ThousandByTen() {
    TableChoices choices;
    choices.category = "Counts";
    for (int i = 1; i <= 1000; ++i)
        choices.rowUnits.push_back("unit number " + std::to_string(i));
    for (int i = 1; i <= kLandscapeTableColumns; ++i)
        choices.columnUnits.push_back("unit number " + std::to_string(i * 97));
    return choices;
}

void BM_TableLayout_1000x10(benchmark::State &state) {
    UnitDatabase db = ThousandUnits();
    const TableChoices choices = ThousandByTen();
    const TextMeasure measure{[](const std::string &text) { return static_cast<int>(text.size()) * 6; }, 13};
    for (auto _ : state) {
        TableBuilder builder(db, choices, measure);
        benchmark::DoNotOptimize(builder.BuildPages());
    }
}
BENCHMARK(BM_TableLayout_1000x10)->Unit(benchmark::kMillisecond);

void BM_TablePdf_1000x10(benchmark::State &state) {
    UnitDatabase db = ThousandUnits();
    const TableReport report(db, ThousandByTen());
    std::size_t bytes = 0;
    for (auto _ : state) {
        const QByteArray pdf = report.Pdf();
        bytes = static_cast<std::size_t>(pdf.size());
        benchmark::DoNotOptimize(pdf.constData());
    }
    state.counters["pdf_kB"] = static_cast<double>(bytes) / 1024.0;
}
BENCHMARK(BM_TablePdf_1000x10)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
