// SPDX-License-Identifier: MIT
// Number-system conversions: writing digits, reading digits back and writing Roman numerals,
// including the longest inputs a paste can bring.
#include "core/engine/NumberSystems.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

using namespace mensurio;

constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();

void BM_ToBase(benchmark::State &state) {
    const int base = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(ToBase(kLargest, base));
}
BENCHMARK(BM_ToBase)->Arg(2)->Arg(10)->Arg(16)->Arg(36);

void BM_ParseInBase(benchmark::State &state) {
    const int base = static_cast<int>(state.range(0));
    const std::string digits = ToBase(kLargest, base);
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseInBase(digits, base));
}
BENCHMARK(BM_ParseInBase)->Arg(2)->Arg(10)->Arg(16)->Arg(36);

// A pasted 100,000-digit number: every place past the 64-bit limit is refused, none may hang.
void BM_ParseInBase_hugeInput(benchmark::State &state) {
    const std::string digits(100000, 'F');
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseInBase(digits, 16));
}
BENCHMARK(BM_ParseInBase_hugeInput);

void BM_ToRoman(benchmark::State &state) {
    const std::int64_t value = state.range(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(ToRoman(value));
}
BENCHMARK(BM_ToRoman)->Arg(1994)->Arg(3888)->Arg(1234567)->Arg(3999999);

void BM_ConvertNumberText_romanToHex(benchmark::State &state) {
    const NumberSystemUnit roman{"Roman numerals", 0};
    const NumberSystemUnit hex{"hexadecimal", 16};
    for (auto _ : state)
        benchmark::DoNotOptimize(ConvertNumberText("OVERLINE(MMMCMXCIX)CMXCIX", roman, hex, {}));
}
BENCHMARK(BM_ConvertNumberText_romanToHex);

} // namespace
