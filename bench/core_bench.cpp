// The number-text conversions every command step goes through. The commands themselves, their
// stat table included, are measured on their real code in ui_bench.cpp.

#include "core/number_text.h"

#include <array>
#include <benchmark/benchmark.h>
#include <string>

namespace {

using namespace vexlet;

void formatNumberBench(benchmark::State &state)
{
    const std::array values = {640.0, 64.0 * 50.0 / 7.0, 187.8, 0.1 * 3.0, 1e15, -53.8};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatNumber(values[i++ % values.size()]));
    }
}
BENCHMARK(formatNumberBench);

void parseLenientBench(benchmark::State &state)
{
    const std::array<std::string_view, 5> texts
        = {"70", "187.8", "457.142857142857", " 7 0 ", "44.1"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseLenient(texts[i++ % texts.size()]));
    }
}
BENCHMARK(parseLenientBench);

void parseStrictBench(benchmark::State &state)
{
    const std::array<std::string_view, 5> texts = {"70", "187", "45", " 100 ", "abc"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseStrict(texts[i++ % texts.size()]));
    }
}
BENCHMARK(parseStrictBench);

} // namespace
