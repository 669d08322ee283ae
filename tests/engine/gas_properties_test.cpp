#include "engine/calc_steps.h"
#include "engine/lee_kesler.h"
#include "engine/message_texts.h"
#include "engine/oil_calc.h"
#include "scripted_messages.h"

#include <gtest/gtest.h>

#include <chrono>

namespace viskora {
namespace {

using testing::ScriptedMessages;

// A gas part of the given pseudocritical properties.
Characterisation gasPart(double critTemp = 600, double critPressure = 3) {
    Characterisation part;
    part.critTemp = critTemp;
    part.critPressure = critPressure;
    part.acentric = 0.3;
    part.molarMass = 100;
    part.d15 = 0.72;
    part.watsonK = 12;
    return part;
}

double idealGasDensity(const Characterisation& part, const DesignState& state) {
    return part.molarMass * state.pressure * 1000 / (8.315 * (state.temperature + 273.15));
}

TEST(GasProperties, LowReducedPressureGivesTheIdealGasDensity) {
    for (double pressure : {1e-4, 1e-3}) {
        const DesignState state{100, pressure};
        const std::optional<GasProperties> gas = gasPropertiesAt(gasPart(), state);
        ASSERT_TRUE(gas) << pressure;
        // Within the volume iteration's own tolerance (1 % for the reference fluid).
        EXPECT_NEAR(gas->density / idealGasDensity(gasPart(), state), 1, 0.01) << pressure;
    }
}

TEST(GasProperties, RealGasIsDenserThanIdealNearItsCriticalPoint) {
    const DesignState state{250, 1.5};
    const std::optional<GasProperties> gas = gasPropertiesAt(gasPart(), state);
    ASSERT_TRUE(gas);
    EXPECT_GT(gas->density, idealGasDensity(gasPart(), state));
    EXPECT_GT(gas->prandtl, 0);
}

TEST(LeeKesler, FirstEstimateWithinToleranceStaysAtOneHundred) {
    const double tr = 1.2;
    for (const auto* fluid : {&leekesler::kSimpleFluid, &leekesler::kReferenceFluid}) {
        // The pressure at which V = 100 is a fixed point.
        const double pr = tr * leekesler::Compressibility(*fluid, tr)(100) / 100;
        EXPECT_EQ(leekesler::reducedVolume(*fluid, tr, pr), 100.0);
        // Off by less than the tolerance: still 100, not a refined value.
        EXPECT_EQ(leekesler::reducedVolume(*fluid, tr, pr * (1 + fluid->tolerance / 2)), 100.0);
    }
}

TEST(LeeKesler, ZTendsToOneAtLargeVolumes) {
    EXPECT_NEAR(leekesler::Compressibility(leekesler::kSimpleFluid, 1.5)(1e6), 1, 1e-6);
    EXPECT_NEAR(leekesler::Compressibility(leekesler::kReferenceFluid, 1.5)(1e6), 1, 1e-6);
}

TEST(LeeKesler, VolumeIterationGivesUpAfterItsBound) {
    // An ordinary state settles within a few dozen rounds.
    EXPECT_TRUE(leekesler::reducedVolume(leekesler::kReferenceFluid, 1.3, 0.5, 100));
    EXPECT_FALSE(leekesler::reducedVolume(leekesler::kReferenceFluid, 1.3, 0.5, 3));
    // Near the critical point at high pressure the damped step cycles.
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(leekesler::reducedVolume(leekesler::kReferenceFluid, 1.0, 1.6));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST(GasProperties, VolumeIterationAtItsBoundGivesNothing) {
    // Tr = 1.0 and Pr = 1.6: the reference fluid's volume does not settle.
    EXPECT_FALSE(gasPropertiesAt(gasPart(), {600 - 273.15, 4.8}));
}

TEST(GasProperties, AGasPartThatCannotBeEvaluatedStopsWithAMessage) {
    // A gas part of the first 40 cuts, at its own Tr = 1.0 and Pr = 1.6.
    ScriptedMessages messages;
    COilCalc calc(&messages);
    calc.phaseState = PhaseState::GasOnly;
    calc.splitCut = 40;
    for (int i = 0; i < 40; ++i) {
        calc.cutShare[i] = 2.5;
    }
    const Characterisation part = withCriticalProperties(characteriseCuts(
        {calc.cutLow, calc.cutHigh, calc.cutDensity, calc.cutShare, 0, calc.splitCut}));
    calc.designTemp = part.critTemp - 273.15;
    calc.designPressure = 1.6 * part.critPressure;
    EXPECT_FALSE(calc.computeGasProperties());
    EXPECT_TRUE(calc.stepFailed);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, ScriptedMessages::Kind::Failure);
    EXPECT_EQ(messages.shown()[0].text, texts::kGasVolumeNotConverged);
    EXPECT_EQ(calc.gas.density, 0);
}

} // namespace
} // namespace viskora
