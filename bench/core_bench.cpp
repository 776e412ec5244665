#include "core/number_text.h"
#include "core/species_catalogue.h"
#include "core/stat_ranges.h"

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

// One whole stat table as Calculate builds it: each of the 24 values parses its base caption
// and the level text afresh, computes, formats, and keeps three characters.
void statTableBench(benchmark::State &state)
{
    const auto record = std::get<Found>(lookup(150)).record;
    std::array<std::string, 6> captions;
    const auto stats = statisticsOf(record);
    for (std::size_t i = 0; i < stats.size(); ++i)
        captions[i] = formatInteger(stats[i]);
    const std::string level = "70";
    std::array<std::string, 24> boxes;
    for (auto _ : state) {
        for (Statistic statistic : kStatistics) {
            for (StatBand band : kStatBands) {
                const double base = *parseStrict(captions[static_cast<std::size_t>(statistic)]);
                const double value = rangeValue(base, *parseStrict(level), statistic, band);
                auto &box = boxes[static_cast<std::size_t>(gridBoxNumber(statistic, band) - 1)];
                box = formatNumber(value).substr(0, 3);
            }
        }
        benchmark::DoNotOptimize(boxes);
    }
}
BENCHMARK(statTableBench);

} // namespace
