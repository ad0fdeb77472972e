// SPDX-License-Identifier: MIT
// The conversion that runs on every keystroke: Convert on a 100-unit category.
#include "core/db/UnitDatabase.h"
#include "core/engine/Engine.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace mensurio {
namespace {

constexpr int kUnits = 100;

// A category of kUnits units with names of varied length and factors spread over many decades.
void BuildCategory(UnitDatabase &db) {
    db.AddCategory("Bench", false);
    for (int i = 0; i < kUnits; ++i) {
        const std::string name =
            "unit " + std::string(static_cast<std::size_t>(i % 17), 'x') + std::to_string(i);
        db.AddUnit("Bench", name, "", std::pow(10.0L, (i % 25) - 12) * (1 + i / 7.0L), false);
    }
}

struct Setup {
    UnitDatabase db;
    Engine engine{db};
    ConversionRequest request;
    Setup(const char *text, bool allResults, int outputs) {
        BuildCategory(db);
        const auto &rows = engine.LoadCategoryUnits("Bench", {});
        request.inputText = text;
        request.input = ListSelection::Single(static_cast<int>(rows.size()), 10);
        request.output = ListSelection::Single(static_cast<int>(rows.size()), 50);
        for (int extra = 1; extra < outputs; ++extra)
            request.output.Select(50 + extra * 3, true);
        request.split = allResults;
    }
};

void Run(benchmark::State &state, const char *text, bool allResults, int outputs) {
    Setup setup(text, allResults, outputs);
    for (auto _ : state) {
        ConversionResult result = setup.engine.Convert(setup.request);
        benchmark::DoNotOptimize(result);
    }
}

void BM_Convert_number_allResults(benchmark::State &state) {
    Run(state, "1234.5", true, 1);
}
void BM_Convert_number(benchmark::State &state) {
    Run(state, "1234.5", false, 1);
}
void BM_Convert_expression_allResults(benchmark::State &state) {
    Run(state, "2*(3+4)/5", true, 1);
}
void BM_Convert_compoundInput_allResults(benchmark::State &state) {
    Run(state, "5 unit xxxxx5 + 3 unit xxxxxxxxxxxxxxxx16", true, 1);
}
void BM_Convert_compoundOutput_allResults(benchmark::State &state) {
    Run(state, "1234.5", true, 3);
}

BENCHMARK(BM_Convert_number_allResults);
BENCHMARK(BM_Convert_number);
BENCHMARK(BM_Convert_expression_allResults);
BENCHMARK(BM_Convert_compoundInput_allResults);
BENCHMARK(BM_Convert_compoundOutput_allResults);

} // namespace
} // namespace mensurio
