// The basic calculation in both input modes, and beside it the floor of the
// density-only mode: a bare loop making as many exp calls as its fit does.
#include "engine/calc_sequence.h"
#include "engine/oil_calc.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace viskora {
namespace {

void BM_BasicDensityOnly(benchmark::State& state) {
    for (auto _ : state) {
        COilCalc calc;
        calc.inputMode = 1;
        calc.densityIn = 850;
        benchmark::DoNotOptimize(runBasicCalculation(calc));
        benchmark::DoNotOptimize(calc.prandtl);
    }
}
BENCHMARK(BM_BasicDensityOnly)->Unit(benchmark::kMicrosecond);

void BM_BasicFractionMode(benchmark::State& state) {
    for (auto _ : state) {
        COilCalc calc;
        calc.inputMode = 2;
        calc.densityIn = 0;
        calc.fracCountIn = 1;
        calc.fracStartIn[1] = 0;
        calc.fracEndIn[1] = 300;
        calc.fracShare[1] = 100;
        benchmark::DoNotOptimize(runBasicCalculation(calc));
        benchmark::DoNotOptimize(calc.prandtl);
    }
}
BENCHMARK(BM_BasicFractionMode)->Unit(benchmark::kMicrosecond);

// The fit of the 850 kg/m3 oil calls exp 500 x 515 times to tilt the cuts
// and 896 times more for its renormalising rounds (counted once).
void BM_DensityOnlyExpFloor(benchmark::State& state) {
    constexpr int kPasses = 500;
    constexpr int kTiltsPerPass = 515;
    constexpr int kRenormalisingRounds = 896;
    for (auto _ : state) {
        double sum = 0;
        for (int pass = 0; pass < kPasses; ++pass) {
            for (int i = 0; i < kTiltsPerPass; ++i) {
                sum += std::exp(1e-6 * i + 1e-9 * pass);
            }
        }
        for (int round = 0; round < kRenormalisingRounds; ++round) {
            sum += std::exp(1e-9 * round);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_DensityOnlyExpFloor)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace viskora
