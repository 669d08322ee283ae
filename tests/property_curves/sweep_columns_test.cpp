#include "property_curves/sweep_columns.h"

#include <gtest/gtest.h>

namespace viskora {
namespace {

// A point of the given phase split, every property of both phases set.
SweepPoint completedPoint(double gasShare) {
    SweepPoint point;
    point.outcome = CalcOutcome::Completed;
    AdditionalResults& r = point.results;
    r.gasMassShare = gasShare;
    r.liquidMassShare = 100 - gasShare;
    r.gas.density = gasShare > 0 ? 3.1 : 0;
    r.gas.prandtl = gasShare > 0 ? 0.8 : 0;
    r.liquid.density = gasShare < 100 ? 790 : 0;
    r.liquid.prandtl = gasShare < 100 ? 12 : 0;
    point.liquidViscosityWholeOil = gasShare < 100 ? 1.2 : 0;
    return point;
}

// The engine gives the properties of a phase a point does not have as 0;
// the table leaves them empty, and keeps a share of 0 %.
struct PhaseCase {
    const char* name;
    double gasShare;
    const char* column;
    std::optional<double> value;
};

void PrintTo(const PhaseCase& c, std::ostream* out) {
    *out << c.name;
}

class AbsentPhases : public ::testing::TestWithParam<PhaseCase> {};

TEST_P(AbsentPhases, HaveNoValues) {
    const PhaseCase& c = GetParam();
    EXPECT_EQ(sweepColumnValue(completedPoint(c.gasShare), *findSweepColumn(c.column)), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, AbsentPhases,
    ::testing::Values(PhaseCase{"AllLiquidGasPrandtl", 0, "gasPrandtl", std::nullopt},
                      PhaseCase{"AllLiquidGasShareIsZero", 0, "gasMassShare", 0.0},
                      PhaseCase{"AllGasLiquidViscosity", 100, "liquidViscosity", std::nullopt},
                      PhaseCase{"TwoPhasesGasDensity", 40, "gasDensity", 3.1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace viskora
