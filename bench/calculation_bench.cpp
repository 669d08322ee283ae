// The basic and the additional calculation of the worked examples' oils, in
// both input modes and by both viscosity methods: the additional one
// repeats the characterisation for the gas and liquid parts, but the density
// fit, which dominates both, runs once; by narrow cuts each cut's viscosity
// line is drawn once more.
#include "engine/calc_sequence.h"
#include "engine/oil_calc.h"
#include "tests/engine/example_oils.h"

#include <benchmark/benchmark.h>

namespace viskora {
namespace {

// A design state where both phases exist: about a third of the oil boils off.
constexpr double kDesignTemp = 200;
constexpr double kDesignPressure = 0.05;

CalcOutcome runBasic(COilCalc& calc) {
    return runBasicCalculation(calc);
}

CalcOutcome runAdditional(COilCalc& calc) {
    calc.designTempIn = kDesignTemp;
    calc.designPressureIn = kDesignPressure;
    return runAdditionalCalculation(calc);
}

struct CalculationCase {
    const char* name;
    void (*fill)(COilCalc&);
    CalcOutcome (*run)(COilCalc&);
    ViscosityMethod method = ViscosityMethod::WholeOil;
};

constexpr auto kByCuts = ViscosityMethod::NarrowCuts;

constexpr CalculationCase kCases[] = {
    {"BM_BasicDensityOnly", testing::fillDensityExample, runBasic},
    {"BM_BasicFractionMode", testing::fillFractionExample, runBasic},
    {"BM_AdditionalDensityOnly", testing::fillDensityExample, runAdditional},
    {"BM_AdditionalFractionMode", testing::fillFractionExample, runAdditional},
    {"BM_BasicDensityOnlyByCuts", testing::fillDensityExample, runBasic, kByCuts},
    {"BM_BasicFractionModeByCuts", testing::fillFractionExample, runBasic, kByCuts},
    {"BM_AdditionalDensityOnlyByCuts", testing::fillDensityExample, runAdditional, kByCuts},
    {"BM_AdditionalFractionModeByCuts", testing::fillFractionExample, runAdditional, kByCuts},
};

// The table registered before main() runs, as BENCHMARK does.
const bool registered = [] {
    for (const CalculationCase& c : kCases) {
        benchmark::RegisterBenchmark(c.name, [c](benchmark::State& state) {
            for (auto _ : state) {
                COilCalc calc;
                c.fill(calc);
                calc.viscosityMethod = c.method;
                benchmark::DoNotOptimize(c.run(calc));
                benchmark::DoNotOptimize(calc);
            }
        })->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

} // namespace
} // namespace viskora
