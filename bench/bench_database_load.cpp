// SPDX-License-Identifier: MIT
// Loading a units database whose unit records name their categories out of order: 10,000
// categories of 10 units, every category record first, then the unit records round-robin over
// the categories, so nearly no unit record belongs to the category read just before it.
// Target: under 50 ms for the whole load.
#include "core/db/DatabaseFile.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

namespace {

using namespace mensurio;

void putInt32(std::string &out, std::int32_t value) {
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
}

void putRecord(std::string &out, std::int32_t order, const char *factor, const std::string &s1,
               const std::string &s2, const std::string &s3) {
    putInt32(out, order);
    out.append(factor, 10);
    out += '\0'; // custom
    out += '\0'; // hidden
    for (const std::string *s : {&s1, &s2, &s3})
        out += static_cast<char>(s->size() + 1);
    out += '\0';
    for (const std::string *s : {&s1, &s2, &s3}) {
        out += static_cast<char>(s->size());
        out += *s;
    }
}

std::string outOfOrderFile(int categories, int unitsEach) {
    static const char minusOne[] = "\x00\x00\x00\x00\x00\x00\x00\x80\xFF\xBF";
    static const char one[] = "\x00\x00\x00\x00\x00\x00\x00\x80\xFF\x3F";
    std::string out = "MNSA";
    putInt32(out, categories * (unitsEach + 1));
    for (int c = 0; c < categories; ++c)
        putRecord(out, 0, minusOne, "Category", "category " + std::to_string(c), "0 puvodce");
    for (int u = 0; u < unitsEach; ++u) {
        for (int c = 0; c < categories; ++c)
            putRecord(out, u + 1, one, "category " + std::to_string(c), "unit " + std::to_string(u), "");
    }
    return out;
}

void BM_LoadOutOfOrder(benchmark::State &state) {
    const std::string bytes = outOfOrderFile(static_cast<int>(state.range(0)), 10);
    for (auto _ : state) {
        std::istringstream in(bytes);
        UnitDatabase db;
        benchmark::DoNotOptimize(DatabaseFile::LoadFromFile(db, in));
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_LoadOutOfOrder)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
