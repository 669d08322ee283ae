// The additional calculation in both input modes, beside the basic
// calculation of the same oils: the additional one repeats the
// characterisation for the gas and liquid parts, but the density fit, which
// dominates both, runs once.
#include "engine/calc_sequence.h"
#include "engine/oil_calc.h"

#include <benchmark/benchmark.h>

namespace viskora {
namespace {

// A design state where both phases exist: about a third of the oil boils off.
constexpr double kDesignTemp = 200;
constexpr double kDesignPressure = 0.05;

void fillDensityOnly(COilCalc& calc) {
    calc.inputMode = 1;
    calc.densityIn = 850;
}

void fillFractions(COilCalc& calc) {
    calc.inputMode = 2;
    calc.densityIn = 0;
    calc.fracCountIn = 1;
    calc.fracStartIn[1] = 0;
    calc.fracEndIn[1] = 300;
    calc.fracShare[1] = 100;
}

template <void (*Fill)(COilCalc&)> void BM_Additional(benchmark::State& state) {
    for (auto _ : state) {
        COilCalc calc;
        Fill(calc);
        calc.designTempIn = kDesignTemp;
        calc.designPressureIn = kDesignPressure;
        benchmark::DoNotOptimize(runAdditionalCalculation(calc));
        benchmark::DoNotOptimize(calc.gasDensity);
    }
}
BENCHMARK(BM_Additional<fillDensityOnly>)
    ->Name("BM_AdditionalDensityOnly")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Additional<fillFractions>)
    ->Name("BM_AdditionalFractionMode")
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace viskora
