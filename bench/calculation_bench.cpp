// The basic and the additional calculation of the worked examples' oils, in
// both input modes and by both viscosity methods: the additional one
// repeats the characterisation for the gas and liquid parts, but the density
// fit, which dominates both, runs once; by narrow cuts each cut's viscosity
// line is drawn once more. "AndTrueVapour" adds the vapour pressure by narrow
// cuts: every cut's constants once, then its vapour pressure at each
// temperature asked for.
#include "engine/calculation.h"
#include "tests/engine/example_oils.h"

#include <benchmark/benchmark.h>

namespace viskora {
namespace {

// A design state where both phases exist: about a third of the oil boils off.
constexpr double kDesignTemp = 200;
constexpr double kDesignPressure = 0.05;

CalcOutcome runBasic(OilInputs& oil) {
    return calculateBasic(oil).status;
}

CalcOutcome runAdditional(OilInputs& oil) {
    oil.designTemp = kDesignTemp;
    oil.designPressure = kDesignPressure;
    return calculateAdditional(oil).status;
}

struct CalculationCase {
    const char* name;
    OilInputs (*oil)();
    CalcOutcome (*run)(OilInputs&);
    ViscosityMethod method = ViscosityMethod::WholeOil;
    VapourPressureMethod vapourMethod = VapourPressureMethod::AverageBoilingPoint;
};

constexpr auto kByCuts = ViscosityMethod::NarrowCuts;
constexpr auto kTrueVapour = VapourPressureMethod::NarrowCuts;
constexpr auto kDensityOnly = testing::densityExampleInputs;
constexpr auto kFractionMode = testing::fractionExampleInputs;

constexpr CalculationCase kCases[] = {
    {"BM_BasicDensityOnly", kDensityOnly, runBasic},
    {"BM_BasicFractionMode", kFractionMode, runBasic},
    {"BM_AdditionalDensityOnly", kDensityOnly, runAdditional},
    {"BM_AdditionalFractionMode", kFractionMode, runAdditional},
    {"BM_BasicDensityOnlyByCuts", kDensityOnly, runBasic, kByCuts},
    {"BM_BasicFractionModeByCuts", kFractionMode, runBasic, kByCuts},
    {"BM_AdditionalDensityOnlyByCuts", kDensityOnly, runAdditional, kByCuts},
    {"BM_AdditionalFractionModeByCuts", kFractionMode, runAdditional, kByCuts},
    {"BM_BasicDensityOnlyByCutsAndTrueVapour", kDensityOnly, runBasic, kByCuts, kTrueVapour},
    {"BM_BasicFractionModeByCutsAndTrueVapour", kFractionMode, runBasic, kByCuts, kTrueVapour},
    {"BM_AdditionalDensityOnlyByCutsAndTrueVapour", kDensityOnly, runAdditional, kByCuts,
     kTrueVapour},
    {"BM_AdditionalFractionModeByCutsAndTrueVapour", kFractionMode, runAdditional, kByCuts,
     kTrueVapour},
};

// The table registered before main() runs, as BENCHMARK does.
const bool registered = [] {
    for (const CalculationCase& c : kCases) {
        benchmark::RegisterBenchmark(c.name, [c](benchmark::State& state) {
            OilInputs oil = c.oil();
            oil.viscosityMethod = c.method;
            oil.vapourPressureMethod = c.vapourMethod;
            for (auto _ : state) {
                benchmark::DoNotOptimize(c.run(oil));
            }
        })->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

} // namespace
} // namespace viskora
