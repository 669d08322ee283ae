// The density-only basic calculation against the same calculation with the
// fit written out literally (literal_density_fit.cpp), timed alternately in
// one run so that both meet the same machine. Times are the thread's CPU
// time, which a busy machine disturbs less than the wall clock. Beside
// them, the floor of the fit: a bare loop making as many exp calls as it does.
#include "engine/calc_sequence.h"
#include "engine/oil_calc.h"
#include "literal_density_fit.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <ctime>
#include <memory>
#include <vector>

namespace viskora {
namespace {

double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

// The engine's basic calculation of an oil of `density` kg/m3 at 20 deg.C.
double engineCalculation(COilCalc& calc, double density) {
    calc = COilCalc();
    calc.inputMode = 1;
    calc.densityIn = density;
    benchmark::DoNotOptimize(runBasicCalculation(calc));
    return calc.atReference.vapourPressure;
}

// The same steps with the literal fit. At 20 deg.C and in kg/m3 the entered
// density needs no conversion, and the property steps read nothing else
// that the input step writes.
double literalCalculation(COilCalc& calc, double density) {
    calc = COilCalc();
    calc.density = density;
    fitDensityLiterally(calc);
    calc.computeBaseProperties();
    calc.computeCriticalProperties();
    return calc.atReference.vapourPressure;
}

// Times both calculations of every density in `densities` alternately and
// reports the CPU time of one calculation of each and their ratio.
void timeAgainstLiteralFit(benchmark::State& state, const std::vector<double>& densities) {
    const auto calc = std::make_unique<COilCalc>();
    for (double density : densities) {
        const double engineResult = engineCalculation(*calc, density);
        const double literalResult = literalCalculation(*calc, density);
        if (!(std::fabs(engineResult - literalResult) <= 1e-9 * std::fabs(literalResult))) {
            state.SkipWithError("the engine and the literal fit disagree");
            return;
        }
    }
    double engineTime = 0;
    double literalTime = 0;
    for (auto _ : state) {
        for (double density : densities) {
            double start = threadSeconds();
            benchmark::DoNotOptimize(engineCalculation(*calc, density));
            engineTime += threadSeconds() - start;
            start = threadSeconds();
            benchmark::DoNotOptimize(literalCalculation(*calc, density));
            literalTime += threadSeconds() - start;
        }
    }
    const double calculations = static_cast<double>(state.iterations() * densities.size());
    state.counters["engine_us"] = 1e6 * engineTime / calculations;
    state.counters["literal_us"] = 1e6 * literalTime / calculations;
    state.counters["ratio"] = literalTime / engineTime;
}

void BM_DensityOnlyAgainstLiteralFit(benchmark::State& state) {
    timeAgainstLiteralFit(state, {static_cast<double>(state.range(0))});
}
BENCHMARK(BM_DensityOnlyAgainstLiteralFit)
    ->Arg(700)
    ->Arg(850)
    ->Arg(990)
    ->Unit(benchmark::kMillisecond);

// How many passes the fit may skip depends on the density, so the figure
// that stands for the range is taken over the range: 600 to 990 kg/m3 in
// steps of 15.
void BM_DensityOnlyRangeAgainstLiteralFit(benchmark::State& state) {
    std::vector<double> densities;
    for (double density = 600; density <= 990; density += 15) {
        densities.push_back(density);
    }
    timeAgainstLiteralFit(state, densities);
}
BENCHMARK(BM_DensityOnlyRangeAgainstLiteralFit)->Unit(benchmark::kMillisecond);

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
