// Property curves: a 300-point temperature sweep of a density-only oil and
// of a 20-row fraction table, each point with the liquid's viscosity by both
// methods, beside the same 300 states calculated one by one, which repeat
// the cut distribution (for a density-only oil the density fit) at every
// state. The oils' own method is the whole oil's; "ByCuts" sweeps take the
// narrow cuts' for their Prandtl numbers.
#include "engine/calculation.h"
#include "property_curves/property_sweep.h"
#include "tests/engine/example_oils.h"

#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

namespace viskora {
namespace {

// 1 to 300 deg.C by 1 K at 0.3 MPa: liquid at first, part gas at the top.
constexpr double kFrom = 1;
constexpr double kTo = 300;
constexpr double kPressure = 0.3;

// Twenty fractions of 5 % each, 40 to 440 deg.C, density 850 kg/m3.
OilInputs twentyFractions() {
    return testing::twentyFractionsInputs(850);
}

OilInputs byCuts(OilInputs oil) {
    oil.viscosityMethod = ViscosityMethod::NarrowCuts;
    return oil;
}

OilInputs densityByCuts() {
    return byCuts(testing::densityExampleInputs());
}

OilInputs twentyFractionsByCuts() {
    return byCuts(twentyFractions());
}

void sweep300(benchmark::State& state, OilInputs (*oil)()) {
    SweepSettings settings;
    settings.range = {kFrom, kTo, 1, 0};
    settings.designPressure = kPressure;
    const OilInputs inputs = oil();
    for (auto _ : state) {
        const SweepResult sweep = runSweep(inputs, settings, {}, AcceptedWarnings::all());
        benchmark::DoNotOptimize(sweep.points.back().results.liquid.density);
    }
}

// The 10,000 temperatures of the Python module's benchmark
// (bench/python_bench.py): 1 to 300 deg.C evenly spaced, as numpy's
// linspace spaces them, at 0.3 MPa.
constexpr int kManyPoints = 10000;

void sweep10000(benchmark::State& state, OilInputs (*oil)()) {
    SweepSettings settings;
    settings.designPressure = kPressure;
    std::vector<double> temperatures;
    const double step = (kTo - kFrom) / (kManyPoints - 1);
    for (int i = 0; i < kManyPoints - 1; ++i) {
        temperatures.push_back(kFrom + i * step);
    }
    temperatures.push_back(kTo);
    const OilInputs inputs = oil();
    for (auto _ : state) {
        const SweepResult sweep = runSweepAt(inputs, settings, temperatures, {}, AcceptedWarnings::all());
        benchmark::DoNotOptimize(sweep.points.back().results.liquid.density);
    }
}

void oneByOne300(benchmark::State& state, OilInputs (*oil)()) {
    OilInputs inputs = oil();
    inputs.designPressure = kPressure;
    for (auto _ : state) {
        for (double t = kFrom; t <= kTo; t += 1) {
            inputs.designTemp = t;
            benchmark::DoNotOptimize(calculateAdditional(inputs, AcceptedWarnings::all()).status);
        }
    }
}

struct Oil {
    const char* name;
    OilInputs (*inputs)();
};

constexpr Oil kOils[] = {{"DensityOnly", testing::densityExampleInputs},
                         {"TwentyFractions", twentyFractions},
                         {"DensityOnlyByCuts", densityByCuts},
                         {"TwentyFractionsByCuts", twentyFractionsByCuts}};

// Each way for each oil ("BM_Sweep300DensityOnly" ...), registered before
// main() runs, as BENCHMARK does.
const bool registered = [] {
    const std::pair<const char*, void (*)(benchmark::State&, OilInputs(*)())> ways[] = {
        {"BM_Sweep300", sweep300}, {"BM_OneByOne300", oneByOne300}};
    for (const auto& [prefix, run] : ways) {
        for (const Oil& oil : kOils) {
            const std::string name = std::string(prefix) + oil.name;
            benchmark::RegisterBenchmark(name.c_str(), run, oil.inputs)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::RegisterBenchmark("BM_Sweep10000TwentyFractions", sweep10000, twentyFractions)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
} // namespace viskora
