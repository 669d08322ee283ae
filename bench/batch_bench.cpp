// Batch throughput: 10,000 density-only calculations, basic and additional,
// on one and on two threads, in rows per second (items_per_second).
#include "cli/batch_command.h"

#include <benchmark/benchmark.h>

#include <string>

namespace viskora {
namespace {

constexpr int kRows = 10000;

std::vector<BatchRow> densityOnlyRows(const std::string& kind) {
    std::string text = "kind,density,design_temp,design_pressure\n";
    for (int i = 0; i < kRows; ++i) {
        text += kind + "," + std::to_string(650 + i % 300) + "," + std::to_string(20 + i % 200) +
                ",0." + std::to_string(1 + i % 9) + "\n";
    }
    return readBatch(text).rows;
}

void runBatch(benchmark::State& state, const std::string& kind) {
    const std::vector<BatchRow> rows = densityOnlyRows(kind);
    const auto threads = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculateBatch(rows, true, threads));
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_BatchDensityOnlyBasic(benchmark::State& state) {
    runBatch(state, "basic");
}

void BM_BatchDensityOnly(benchmark::State& state) {
    runBatch(state, "additional");
}

BENCHMARK(BM_BatchDensityOnlyBasic)
    ->Arg(1)
    ->Arg(2)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);
BENCHMARK(BM_BatchDensityOnly)
    ->Arg(1)
    ->Arg(2)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);

} // namespace
} // namespace viskora
