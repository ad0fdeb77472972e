// SPDX-License-Identifier: MIT
// Cost of writing one result in each result format, over a spread of magnitudes.
#include "core/engine/ResultFormatter.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

using mensurio::FormatResult;
using mensurio::ResultFormatOptions;

constexpr std::array<long double, 8> kValues = {
    1234.5678L, 0.00009L, 1.5e20L, -0.004L, 9999999999.5L, 1.0L / 3.0L, 1234567.89987654321L, 0.0L,
};

void FormatEach(benchmark::State &state, mensurio::ResultFormat resultFormat, int decimalPlaces,
                bool forceGeneral) {
    const ResultFormatOptions options{resultFormat, decimalPlaces, {'.', ','}};
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatResult(kValues[i], forceGeneral, options));
        i = (i + 1) % kValues.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_FormatResult_AutoFormat(benchmark::State &state) {
    FormatEach(state, mensurio::ResultFormat::Auto, 9, false);
}
void BM_FormatResult_Scientific9(benchmark::State &state) {
    FormatEach(state, mensurio::ResultFormat::Scientific, 9, false);
}
void BM_FormatResult_Fixed2(benchmark::State &state) {
    FormatEach(state, mensurio::ResultFormat::Fixed, 2, false);
}
void BM_FormatResult_Fixed12(benchmark::State &state) {
    FormatEach(state, mensurio::ResultFormat::Fixed, 12, false);
}
void BM_FormatResult_Thousands2(benchmark::State &state) {
    FormatEach(state, mensurio::ResultFormat::FixedThousands, 2, false);
}
void BM_FormatResult_ForcedGeneral(benchmark::State &state) {
    FormatEach(state, mensurio::ResultFormat::FixedThousands, 2, true);
}

} // namespace

BENCHMARK(BM_FormatResult_AutoFormat);
BENCHMARK(BM_FormatResult_Scientific9);
BENCHMARK(BM_FormatResult_Fixed2);
BENCHMARK(BM_FormatResult_Fixed12);
BENCHMARK(BM_FormatResult_Thousands2);
BENCHMARK(BM_FormatResult_ForcedGeneral);
