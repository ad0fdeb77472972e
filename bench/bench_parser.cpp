// SPDX-License-Identifier: MIT
// Timing of the typed-input parsers on inputs a user types, with a category of about 100 units.
#include "core/engine/ExpressionTree.h"
#include "core/engine/NumberParser.h"
#include "core/engine/UnitExpression.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using mensurio::KnownUnit;

// A length-like category: real names plus generated ones, longest name first as the engine lists them.
std::vector<KnownUnit> makeUnits() {
    std::vector<KnownUnit> units = {
        {"foot", 0.3048L, false},
        {"inch", 0.0254L, false},
        {"yard", 0.9144L, false},
        {"mile", 1609.344L, false},
        {"meter", 1.0L, false},
        {"kilometer", 1000.0L, false},
        {"centimeter", 0.01L, false},
        {"millimeter", 0.001L, false},
        {"micrometer", 1e-6L, false},
        {"nanometer", 1e-9L, false},
        {"nautical mile", 1852.0L, false},
        {"fathom", 1.8288L, false},
        {"furlong", 201.168L, false},
        {"chain", 20.1168L, false},
        {"rod", 5.0292L, false},
        {"link", 0.201168L, false},
        {"league", 4828.032L, false},
        {"angstrom", 1e-10L, false},
        {"light year", 9.4607304725808e15L, false},
        {"parsec", 3.0856775814913673e16L, false},
        {"astronomical unit", 149597870700.0L, false},
        {"foot (US survey)", 1200.0L / 3937.0L, false},
        {"mil", 2.54e-5L, false},
        {"point", 0.0254L / 72, false},
        {"pica", 0.0254L / 6, false},
    };
    for (int i = static_cast<int>(units.size()); i < 100; ++i)
        units.push_back({"custom length " + std::to_string(i), 1.0L + i, false});
    std::stable_sort(units.begin(), units.end(),
                     [](const KnownUnit &a, const KnownUnit &b) { return a.name.size() > b.name.size(); });
    return units;
}

const std::vector<KnownUnit> &units() {
    static const std::vector<KnownUnit> list = makeUnits();
    return list;
}

void BM_ParseNumber(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(mensurio::ParseNumber("1234.5678"));
}
BENCHMARK(BM_ParseNumber);

void BM_EvaluateExpression_simple(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(mensurio::EvaluateExpression("2+3*4"));
}
BENCHMARK(BM_EvaluateExpression_simple);

void BM_EvaluateExpression_nested(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(mensurio::EvaluateExpression("(1.5e3/4)^2-7*(3+2)/0.25"));
}
BENCHMARK(BM_EvaluateExpression_nested);

void BM_ParseUnitExpression_footAndInch(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(mensurio::ParseUnitExpression("5 foot + 3 inch", units(), false, true));
}
BENCHMARK(BM_ParseUnitExpression_footAndInch);

void BM_ParseUnitExpression_fourTerms(benchmark::State &state) {
    const std::string text = "2 mile + 300 yard + 5 foot (US survey) + 3,5 inch";
    for (auto _ : state)
        benchmark::DoNotOptimize(mensurio::ParseUnitExpression(text, units(), false, true));
}
BENCHMARK(BM_ParseUnitExpression_fourTerms);

// The longest input the parsers accept: bounded time, not a hang.
void BM_EvaluateExpression_longestInput(benchmark::State &state) {
    std::string text;
    while (text.size() + 5 <= mensurio::kMaxExpressionLength)
        text += "(1)+";
    text += "1";
    for (auto _ : state)
        benchmark::DoNotOptimize(mensurio::EvaluateExpression(text));
}
BENCHMARK(BM_EvaluateExpression_longestInput);

void BM_ParseUnitExpression_longestInput(benchmark::State &state) {
    std::string text;
    while (text.size() + 16 <= mensurio::kMaxExpressionLength)
        text += "foot+inch+";
    text += "1 mile";
    for (auto _ : state)
        benchmark::DoNotOptimize(mensurio::ParseUnitExpression(text, units(), false, true));
}
BENCHMARK(BM_ParseUnitExpression_longestInput);

} // namespace
