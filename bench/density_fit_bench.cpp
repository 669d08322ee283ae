// The density-only basic calculation against the same calculation with the
// fit written out literally (literal_density_fit.cpp), timed alternately in
// one run so that both meet the same machine. Times are the thread's CPU
// time, which a busy machine disturbs less than the wall clock.
#include "engine/calc_sequence.h"
#include "engine/oil_calc.h"
#include "literal_density_fit.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <ctime>
#include <memory>

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
    return calc.vapourPressure;
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
    return calc.vapourPressure;
}

void BM_DensityOnlyAgainstLiteralFit(benchmark::State& state) {
    const double density = static_cast<double>(state.range(0));
    const auto calc = std::make_unique<COilCalc>();
    const double engineResult = engineCalculation(*calc, density);
    const double literalResult = literalCalculation(*calc, density);
    if (!(std::fabs(engineResult - literalResult) <= 1e-9 * std::fabs(literalResult))) {
        state.SkipWithError("the engine and the literal fit disagree");
        return;
    }
    double engineTime = 0;
    double literalTime = 0;
    for (auto _ : state) {
        double start = threadSeconds();
        benchmark::DoNotOptimize(engineCalculation(*calc, density));
        engineTime += threadSeconds() - start;
        start = threadSeconds();
        benchmark::DoNotOptimize(literalCalculation(*calc, density));
        literalTime += threadSeconds() - start;
    }
    const auto perCalculation = [&](double seconds) {
        return 1e6 * seconds / static_cast<double>(state.iterations());
    };
    state.counters["engine_us"] = perCalculation(engineTime);
    state.counters["literal_us"] = perCalculation(literalTime);
    state.counters["ratio"] = literalTime / engineTime;
}
BENCHMARK(BM_DensityOnlyAgainstLiteralFit)
    ->Arg(700)
    ->Arg(850)
    ->Arg(990)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace viskora
