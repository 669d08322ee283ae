#include "engine/calc_sequence.h"
#include "engine/message_texts.h"
#include "engine/oil_calc.h"
#include "scripted_messages.h"
#include "worked_examples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace viskora {
namespace {

using testing::ScriptedMessages;

COilCalc densityOnly(CalcMessages* messages, double density, double designTemp,
                     double designPressure) {
    COilCalc calc(messages);
    calc.inputMode = 1;
    calc.densityIn = density;
    calc.densityTempIn = 20;
    calc.designTempIn = designTemp;
    calc.designPressureIn = designPressure;
    return calc;
}

void expectPhaseSound(double density, double heat, double conductivity, double viscosity,
                      double prandtl) {
    for (double value : {density, heat, conductivity, viscosity, prandtl}) {
        EXPECT_TRUE(std::isfinite(value));
        EXPECT_GT(value, 0);
    }
}

TEST(AdditionalCalculation, DefaultFormInputsEndToEnd) {
    // A new form: 702.7 kg/m3 at 20 deg.C, 50 deg.C and 0.3 MPa.
    ScriptedMessages messages;
    COilCalc calc = densityOnly(&messages, 702.7, 50, 0.3);
    ASSERT_EQ(runAdditionalCalculation(calc), CalcOutcome::Completed);
    EXPECT_TRUE(messages.shown().empty());
    const AdditionalResults r = additionalResults(calc);
    // Nothing boils off at 50 deg.C under 0.3 MPa: every cut is liquid.
    EXPECT_EQ(r.gasShareText, " 0.0");
    EXPECT_EQ(r.liquidShareText, "100.0");
    EXPECT_EQ(r.gas.density, 0);
    EXPECT_EQ(r.gasPrandtlText, "0");
    expectPhaseSound(r.liquid.density, r.liquid.specificHeat, r.liquid.conductivity,
                     r.liquid.viscosity, r.liquid.prandtl);
    // Warmer than 20 deg.C, so lighter than the given 702.7 kg/m3 and a
    // little compressed by 0.3 MPa.
    EXPECT_NEAR(r.liquid.density, 675.8, 0.1);
    EXPECT_GT(r.liquid.surfaceTension, 0);
    EXPECT_EQ(r.liquidPrandtlText, "7.86");
}

TEST(AdditionalCalculation, SmallRoundedGasShareConvergesToARealGasDensity) {
    // 880 kg/m3, 157.5 deg.C, 1.0 MPa: about 1 % boils off. The gas part used
    // to be rescaled with the rounded share, got a density of 386 kg/m3 and
    // left the gas-phase volume iteration cycling for ever.
    ScriptedMessages messages;
    COilCalc calc = densityOnly(&messages, 880, 157.5, 1.0);
    ASSERT_EQ(runAdditionalCalculation(calc), CalcOutcome::Completed) << messages.texts().size();
    const AdditionalResults r = additionalResults(calc);
    EXPECT_EQ(r.gasShareText, " 1.0");
    EXPECT_EQ(r.liquidShareText, "99.0");
    EXPECT_NEAR(r.gas.density, 28, 1);
    expectPhaseSound(r.gas.density, r.gas.specificHeat, r.gas.conductivity, r.gas.viscosity,
                     r.gas.prandtl);
    expectPhaseSound(r.liquid.density, r.liquid.specificHeat, r.liquid.conductivity,
                     r.liquid.viscosity, r.liquid.prandtl);
}

TEST(AdditionalCalculation, EverythingBoiledOffLeavesNoLiquidPart) {
    ScriptedMessages messages(true);
    COilCalc calc = densityOnly(&messages, 700, 600, 0.1);
    Characterisation wholeOil;
    ASSERT_EQ(runAdditionalCalculation(calc, &wholeOil), CalcOutcome::Completed);
    // 600 deg.C is above the oil's pseudocritical temperature: one question.
    ASSERT_EQ(messages.texts(), std::vector<std::string>{texts::kAbovePseudoCritical});
    const AdditionalResults r = additionalResults(calc);
    EXPECT_EQ(r.gasShareText, "100.0");
    EXPECT_EQ(r.liquidShareText, " 0.0");
    EXPECT_EQ(calc.phaseState, PhaseState::GasOnly);
    expectPhaseSound(r.gas.density, r.gas.specificHeat, r.gas.conductivity, r.gas.viscosity,
                     r.gas.prandtl);
    EXPECT_GT(r.gas.vaporisationEnthalpy, 0);
    EXPECT_EQ(r.liquid.density, 0);
    EXPECT_EQ(r.liquid.surfaceTension, 0);
    EXPECT_EQ(r.liquid.prandtl, 0);
    EXPECT_EQ(r.liquidPrandtlText, "0");
    // The oil last described is the gas part, which is the whole oil.
    EXPECT_NEAR(characterisationOf(calc).tvAvg, wholeOil.tvAvg, 1e-9);
}

TEST(AdditionalCalculation, HighDesignPressureCompressesTheLiquid) {
    // 850 kg/m3 at 100 deg.C and 10 MPa: nothing boils off, and the liquid's
    // density worked out by hand from d20 = 0.85 is
    // (0.85 - (0.001825 - 0.0013167 x 0.85) x 80) x 1000 = 793.5356 kg/m3 at
    // atmospheric pressure, over kP = 1 - (10 - 0.101) x 0.000741 = 0.99266484.
    ScriptedMessages messages;
    COilCalc calc = densityOnly(&messages, 850, 100, 10);
    ASSERT_EQ(runAdditionalCalculation(calc), CalcOutcome::Completed);
    const AdditionalResults r = additionalResults(calc);
    EXPECT_EQ(r.gasShareText, " 0.0");
    EXPECT_TRUE(testing::roundsTo(r.liquid.density, "799.3993"));
}

TEST(AdditionalCalculation, NoAnswerToAQuestionStopsWithoutResults) {
    ScriptedMessages messages(false);
    COilCalc calc = densityOnly(&messages, 700, 600, 0.1);
    EXPECT_EQ(runAdditionalCalculation(calc), CalcOutcome::Stopped);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{texts::kAbovePseudoCritical});
    EXPECT_EQ(calc.gas.density, 0);
    EXPECT_EQ(calc.liquid.density, 0);
}

TEST(AdditionalCalculation, WholeOilCharacterisationIsTheBasicOne) {
    COilCalc basic = testing::densityExampleOil();
    ASSERT_EQ(runBasicCalculation(basic), CalcOutcome::Completed);
    COilCalc additional = densityOnly(nullptr, 850, 200, 0.05);
    Characterisation wholeOil;
    ASSERT_EQ(runAdditionalCalculation(additional, &wholeOil), CalcOutcome::Completed);
    EXPECT_EQ(wholeOil.tvAvg, basic.wholeOil.tvAvg);
    EXPECT_EQ(wholeOil.molarMass, basic.wholeOil.molarMass);
    EXPECT_EQ(wholeOil.critTemp, basic.wholeOil.critTemp);
    EXPECT_EQ(wholeOil.acentric, basic.wholeOil.acentric);
    // The gas part is lighter than the whole oil, the liquid part heavier.
    EXPECT_GT(additional.gasMassShare, 1);
    EXPECT_GT(additional.gasPart.tvAvg, 0);
    // The record still holds the whole oil's own.
    EXPECT_EQ(additional.wholeOil.tvAvg, wholeOil.tvAvg);
    EXPECT_LT(additional.gasPart.tvAvg, wholeOil.tvAvg);
    EXPECT_GT(additional.liquidPart.tvAvg, wholeOil.tvAvg);
    EXPECT_EQ(characterisationOf(additional).tvAvg, additional.liquidPart.tvAvg);
}

// Design states far outside the correlations' range: a calculation either
// fails with a message or gives physically possible results.
struct ExtremeState {
    double density;
    double designTemp;
    double designPressure;
};

void PrintTo(const ExtremeState& c, std::ostream* out) {
    *out << c.density << " kg/m3 at " << c.designTemp << " deg.C, " << c.designPressure << " MPa";
}

class ExtremeDesignStates : public ::testing::TestWithParam<ExtremeState> {};

TEST_P(ExtremeDesignStates, NeverShowImpossibleResults) {
    const ExtremeState& c = GetParam();
    ScriptedMessages messages(true);
    COilCalc calc = densityOnly(&messages, c.density, c.designTemp, c.designPressure);
    const CalcOutcome outcome = runAdditionalCalculation(calc);
    if (outcome == CalcOutcome::Failed) {
        ASSERT_FALSE(messages.shown().empty());
        EXPECT_EQ(messages.shown().back().kind, ScriptedMessages::Kind::Failure);
        return;
    }
    ASSERT_EQ(outcome, CalcOutcome::Completed);
    const AdditionalResults r = additionalResults(calc);
    if (r.gasMassShare > 0) {
        expectPhaseSound(r.gas.density, r.gas.specificHeat, r.gas.conductivity, r.gas.viscosity,
                         r.gas.prandtl);
    }
    if (r.liquidMassShare > 0) {
        expectPhaseSound(r.liquid.density, r.liquid.specificHeat, r.liquid.conductivity,
                         r.liquid.viscosity, r.liquid.prandtl);
    }
}

INSTANTIATE_TEST_SUITE_P(AdditionalCalculation, ExtremeDesignStates,
                         ::testing::Values(ExtremeState{850, 20, 2000}, // kP below 0
                                           ExtremeState{850, 1000, 1e5},
                                           ExtremeState{850, -273.15, 0.3}, // absolute zero
                                           ExtremeState{850, 350, 1e-9},
                                           ExtremeState{990, 800, 0.5}, ExtremeState{600, 20, 1e-6},
                                           ExtremeState{850, 400, 5},
                                           ExtremeState{700, 100, 0.00001}));

TEST(AdditionalCalculation, NegativeCompressionFactorFailsAsOutOfRange) {
    // A pressure so high that the liquid's compression factor turns negative.
    ScriptedMessages messages(true);
    COilCalc calc = densityOnly(&messages, 850, 20, 2000);
    EXPECT_EQ(runAdditionalCalculation(calc), CalcOutcome::Failed);
    EXPECT_EQ(messages.texts().back(), texts::kResultOutOfRange);
}

// Near vacuum the boiling temperatures at the design pressure fall; below
// about 1e-19 MPa the shift has no value any more, and the calculation must
// fail rather than report the oil as all liquid.
struct LowPressure {
    double designPressure;
    double minGasShare; // < 0: the calculation fails as out of range
};

void PrintTo(const LowPressure& c, std::ostream* out) {
    *out << c.designPressure << " MPa";
}

class ExtremelyLowPressures : public ::testing::TestWithParam<LowPressure> {};

TEST_P(ExtremelyLowPressures, BoilOffOrFail) {
    const LowPressure& c = GetParam();
    ScriptedMessages messages(true);
    COilCalc calc = densityOnly(&messages, 850, 20, c.designPressure);
    const CalcOutcome outcome = runAdditionalCalculation(calc);
    if (c.minGasShare < 0) {
        EXPECT_EQ(outcome, CalcOutcome::Failed);
        ASSERT_FALSE(messages.texts().empty());
        EXPECT_EQ(messages.texts().back(), texts::kResultOutOfRange);
        return;
    }
    ASSERT_EQ(outcome, CalcOutcome::Completed);
    EXPECT_GE(additionalResults(calc).gasMassShare, c.minGasShare);
}

INSTANTIATE_TEST_SUITE_P(AdditionalCalculation, ExtremelyLowPressures,
                         ::testing::Values(LowPressure{1e-12, 50}, LowPressure{1e-15, 80},
                                           // No boiling temperature has a value any more.
                                           LowPressure{1e-20, -1}, LowPressure{1e-30, -1}));

struct ShownShares {
    double gasShare;
    const char* gasText;
    const char* liquidText;
};

void PrintTo(const ShownShares& c, std::ostream* out) {
    *out << c.gasShare << " %";
}

class SharesAsShown : public ::testing::TestWithParam<ShownShares> {};

TEST_P(SharesAsShown, AddUpToOneHundred) {
    const ShownShares& c = GetParam();
    COilCalc calc;
    calc.gasMassShare = c.gasShare;
    calc.liquidMassShare = 100 - c.gasShare;
    const AdditionalResults r = additionalResults(calc);
    EXPECT_EQ(r.gasShareText, c.gasText);
    EXPECT_EQ(r.liquidShareText, c.liquidText);
}

INSTANTIATE_TEST_SUITE_P(
    AdditionalResults, SharesAsShown,
    ::testing::Values(ShownShares{5, " 5.0", "95.0"}, ShownShares{33.36, "33.4", "66.6"},
                      ShownShares{0, " 0.0", "100.0"}, ShownShares{100, "100.0", " 0.0"},
                      ShownShares{99, "99.0", " 1.0"}, ShownShares{12.25, "12.2", "87.8"},
                      // A share on a half: 100 minus it rounds the other way than the
                      // shown share does, and the two texts would add up to 99.9 or 100.1.
                      ShownShares{1.05, " 1.1", "98.9"}, ShownShares{2.35, " 2.4", "97.6"},
                      ShownShares{12.45, "12.4", "87.6"},
                      // 2.45 summed from cut shares, a hair low.
                      ShownShares{2.4499999999999997, " 2.4", "97.6"}));

} // namespace
} // namespace viskora
