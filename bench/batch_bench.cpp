// Batch throughput as `viskora-calc batch` runs: 20,000 rows streamed from
// CSV text to CSV text, a quarter each basic and additional, density only
// and with a fraction table, on one and on two threads, in rows per second
// (items_per_second). Two threads should give at least 1.8 times one.
#include "cli/batch_stream.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <streambuf>
#include <string>

namespace viskora {
namespace {

constexpr int kRows = 20000;

std::string mixedRows() {
    std::string text = "kind,density,design_temp,design_pressure,fractions\n";
    for (int i = 0; i < kRows; ++i) {
        const std::string kind = i % 2 == 0 ? "basic" : "additional";
        const std::string fractions = i % 4 < 2 ? "" : "\"0:300:60;300:400:30;400:500:10\"";
        text += kind + "," + std::to_string(650 + i % 300) + "," + std::to_string(20 + i % 200) +
                ",0." + std::to_string(1 + i % 9) + "," + fractions + "\n";
    }
    return text;
}

// Takes the output and forgets it.
class DiscardingBuffer : public std::streambuf {
  protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

void BM_BatchMixed(benchmark::State& state) {
    const std::string text = mixedRows();
    const auto threads = static_cast<unsigned>(state.range(0));
    DiscardingBuffer discarded;
    std::ostream out(&discarded);
    for (auto _ : state) {
        std::istringstream in(text);
        const auto problem = streamBatch(in, out, true, threads);
        if (problem) {
            state.SkipWithError(problem->c_str());
        }
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

BENCHMARK(BM_BatchMixed)->Arg(1)->Arg(2)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

} // namespace
} // namespace viskora
