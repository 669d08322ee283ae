#include "property_curves/property_sweep.h"

#include "engine/calculation.h"
#include "engine/message_texts.h"
#include "engine/prepared_oil.h"
#include "example_oils.h"
#include "scripted_messages.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <ostream>

#include <cmath>

namespace viskora {
namespace {

OilInputs densityOnly(double density, int tempUnit = unit::kCelsius, double densityTemp = 20) {
    OilInputs oil;
    oil.density = density;
    oil.tempUnit = tempUnit;
    oil.densityTemp = densityTemp;
    return oil;
}

// Three fractions up to 300 deg.C and a remainder, density 850 kg/m3.
OilInputs fractionTable(ViscosityMethod method = ViscosityMethod::WholeOil) {
    OilInputs oil;
    oil.density = 850;
    oil.useFractions = true;
    oil.fractions = {{50, 100, 10}, {100, 200, 20}, {200, 300, 40}};
    oil.viscosityMethod = method;
    return oil;
}

struct SweepCase {
    const char* name;
    OilInputs oil;
    SweepSettings settings;
};

void PrintTo(const SweepCase& c, std::ostream* out) {
    *out << c.name;
}

class SweepPointsEqualSingleCalculations : public ::testing::TestWithParam<SweepCase> {};

void expectSameResults(const AdditionalResults& a, const AdditionalResults& b) {
    EXPECT_EQ(a.gasMassShare, b.gasMassShare);
    EXPECT_EQ(a.liquidMassShare, b.liquidMassShare);
    EXPECT_EQ(a.gas.density, b.gas.density);
    EXPECT_EQ(a.gas.specificHeat, b.gas.specificHeat);
    EXPECT_EQ(a.gas.conductivity, b.gas.conductivity);
    EXPECT_EQ(a.gas.viscosity, b.gas.viscosity);
    EXPECT_EQ(a.gas.vaporisationEnthalpy, b.gas.vaporisationEnthalpy);
    EXPECT_EQ(a.gas.prandtl, b.gas.prandtl);
    EXPECT_EQ(a.liquid.density, b.liquid.density);
    EXPECT_EQ(a.liquid.specificHeat, b.liquid.specificHeat);
    EXPECT_EQ(a.liquid.conductivity, b.liquid.conductivity);
    EXPECT_EQ(a.liquid.viscosity, b.liquid.viscosity);
    EXPECT_EQ(a.liquid.surfaceTension, b.liquid.surfaceTension);
    EXPECT_EQ(a.liquid.prandtl, b.liquid.prandtl);
    EXPECT_EQ(a.gasShareText, b.gasShareText);
    EXPECT_EQ(a.liquidPrandtlText, b.liquidPrandtlText);
}

TEST_P(SweepPointsEqualSingleCalculations, ToTheBit) {
    const SweepCase& c = GetParam();
    const AcceptedWarnings answersYes = AcceptedWarnings::all();
    const SweepResult sweep = runSweep(c.oil, c.settings, {}, answersYes);
    ASSERT_TRUE(sweep.problem.empty()) << sweep.problem;
    ASSERT_FALSE(sweep.points.empty());
    int completed = 0;
    for (const SweepPoint& point : sweep.points) {
        OilInputs oil = c.oil;
        oil.pressureUnit = c.settings.pressureUnit;
        oil.designTemp = point.temperature;
        oil.designPressure = point.pressure;
        const AdditionalOutcome outcome = calculateAdditional(oil, AcceptedWarnings::all());
        ASSERT_EQ(point.outcome, outcome.status) << point.temperature << " " << point.pressure;
        if (outcome.status == CalcOutcome::Completed) {
            ++completed;
            expectSameResults(point.results, outcome.results);
        } else {
            EXPECT_EQ(point.message, outcome.messages.back().text);
        }
    }
    EXPECT_GT(completed, 0);
}

// A caller's own values, here the range's backwards, give each point as the
// range does: no point depends on the ones calculated before it.
TEST_P(SweepPointsEqualSingleCalculations, AtGivenValuesInAnyOrderAsOverTheRange) {
    const SweepCase& c = GetParam();
    const SweepResult overRange = runSweep(c.oil, c.settings, {}, AcceptedWarnings::all());
    std::string problem;
    std::vector<double> values = *sweepValues(c.settings.range, problem);
    std::ranges::reverse(values);
    const SweepResult atValues =
        runSweepAt(c.oil, c.settings, values, {}, AcceptedWarnings::all());
    ASSERT_EQ(atValues.points.size(), overRange.points.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const SweepPoint& a = atValues.points[values.size() - 1 - i];
        const SweepPoint& b = overRange.points[i];
        ASSERT_EQ(a.outcome, b.outcome) << values[values.size() - 1 - i];
        EXPECT_EQ(a.message, b.message);
        expectSameResults(a.results, b.results);
        EXPECT_EQ(a.liquidViscosityByCuts, b.liquidViscosityByCuts);
        EXPECT_EQ(a.vapourPressure, b.vapourPressure);
    }
}

SweepSettings overTemperature(double from, double to, double step, double pressure,
                              int pressureUnit = unit::kMPa) {
    SweepSettings settings;
    settings.range = {from, to, step, 0};
    settings.designPressure = pressure;
    settings.pressureUnit = pressureUnit;
    return settings;
}

SweepSettings overPressure(double from, double to, double step, double temperature) {
    SweepSettings settings;
    settings.variable = SweepVariable::Pressure;
    settings.range = {from, to, step, 0};
    settings.designTemp = temperature;
    return settings;
}

INSTANTIATE_TEST_SUITE_P(
    Oils, SweepPointsEqualSingleCalculations,
    ::testing::Values(
        // Below 0 deg.C (a question) up to where much of the oil boils off.
        SweepCase{"DensityOnlyOverTemperature", densityOnly(850),
                  overTemperature(-20, 400, 20, 0.3)},
        SweepCase{"FractionTableOverTemperature", fractionTable(),
                  overTemperature(0, 350, 25, 1.5)},
        SweepCase{"TwentyFractionsOverPressure", testing::twentyFractionsInputs(0),
                  overPressure(0.05, 3, 0.25, 250)},
        // Temperatures in deg.F and pressures in another unit take the same
        // conversions as a single calculation; 0 is refused at its point.
        SweepCase{"FahrenheitAndOtherPressureUnit", densityOnly(800, unit::kFahrenheit, 68),
                  overTemperature(32, 572, 60, 3, 1)},
        SweepCase{"ZeroPressureIsRefusedAtItsPoint", densityOnly(760),
                  overPressure(0, 1, 0.5, 120)},
        // Below absolute zero the input check refuses the point, before the
        // question of a temperature below 0 deg.C.
        SweepCase{"BelowAbsoluteZeroIsRefusedAtItsPoint", densityOnly(850),
                  overTemperature(-300, 30, 30, 0.3)},
        SweepCase{"BelowAbsoluteZeroInFahrenheit", densityOnly(850, unit::kFahrenheit, 68),
                  overTemperature(-500, 100, 40, 0.3)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PropertySweep, StoppedPointsCarryTheirMessageAndQuestionsAreAskedOnce) {
    // No to "design temperature below 0": those points stop, the others are
    // computed, and the question was put once.
    const SweepResult sweep =
        runSweep(densityOnly(850), overTemperature(-30, 30, 10, 0.3), {}, AcceptedWarnings());
    ASSERT_EQ(sweep.points.size(), 7u);
    for (const SweepPoint& point : sweep.points) {
        if (point.temperature < 0) {
            EXPECT_EQ(point.outcome, CalcOutcome::Stopped);
            EXPECT_EQ(point.message, texts::kDesignTempBelowZero);
        } else {
            EXPECT_EQ(point.outcome, CalcOutcome::Completed);
            EXPECT_TRUE(point.message.empty());
        }
    }
    EXPECT_EQ(testing::textsOf(sweep.messages),
              std::vector<std::string>{texts::kDesignTempBelowZero});
}

TEST(PropertySweep, TheOilsWarningIsAskedOnceAndItsErrorStopsEveryPoint) {
    const AcceptedWarnings answersYes = AcceptedWarnings::all();
    const SweepResult heavy =
        runSweep(densityOnly(1000), overTemperature(20, 200, 20, 0.3), {}, answersYes);
    EXPECT_EQ(testing::textsOf(heavy.messages),
              std::vector<std::string>{texts::kDensityOutOfRange});
    for (const SweepPoint& point : heavy.points) {
        EXPECT_EQ(point.outcome, CalcOutcome::Completed);
    }

    const SweepResult none =
        runSweep(densityOnly(0), overTemperature(20, 60, 20, 0.3), {}, answersYes);
    EXPECT_EQ(testing::textsOf(none.messages), std::vector<std::string>{texts::kDensityNotGiven});
    ASSERT_EQ(none.points.size(), 3u);
    for (const SweepPoint& point : none.points) {
        EXPECT_EQ(point.outcome, CalcOutcome::Stopped);
        EXPECT_EQ(point.message, texts::kDensityNotGiven);
    }
}

TEST(PropertySweep, CancelStopsAfterThePointInHand) {
    int calls = 0;
    const SweepResult sweep = runSweep(densityOnly(850), overTemperature(0, 100, 10, 0.3), {}, {},
                                       [&calls](int done, int total) {
                                           ++calls;
                                           EXPECT_EQ(total, 11);
                                           return done < 3;
                                       });
    EXPECT_TRUE(sweep.cancelled);
    EXPECT_EQ(sweep.points.size(), 3u);
    EXPECT_EQ(calls, 3);
}

// The vapour pressure curve passes through the basic calculation's
// saturated vapour pressure at 20 deg.C, to the bit, and rises with the
// temperature.
TEST(PropertySweep, VapourPressureCurveMeetsTheBasicCalculationAt20) {
    for (const OilInputs& oil : {densityOnly(850), fractionTable()}) {
        const BasicOutcome basic = calculateBasic(oil);
        ASSERT_EQ(basic.status, CalcOutcome::Completed);
        const SweepResult sweep = runSweep(oil, overTemperature(0, 100, 20, 0.3), {}, {});
        ASSERT_EQ(sweep.points.size(), 6u);
        ASSERT_TRUE(sweep.points[1].vapourPressure);
        EXPECT_EQ(*sweep.points[1].vapourPressure, basic.results.atReference.vapourPressure);
        for (std::size_t i = 1; i < sweep.points.size(); ++i) {
            EXPECT_GT(*sweep.points[i].vapourPressure, *sweep.points[i - 1].vapourPressure);
        }
    }
}

TEST(PropertySweep, TwoMeasuredViscositiesGiveThePublishedValue) {
    // The published example, with temperatures in deg.C on the sweep.
    const SweepResult sweep =
        runSweep(densityOnly(850), overTemperature(0, 40, 20, 0.3), {{1.644, 0}, {0.925, 40}}, {});
    ASSERT_EQ(sweep.points.size(), 3u);
    ASSERT_TRUE(sweep.points[1].anchoredViscosity);
    EXPECT_NEAR(*sweep.points[1].anchoredViscosity, 1.201, 0.002);
    EXPECT_NEAR(*sweep.points[0].anchoredViscosity, 1.644, 1e-9);
    EXPECT_NEAR(*sweep.points[2].anchoredViscosity, 0.925, 1e-9);
}

TEST(PropertySweep, OneMeasuredViscosityAnchorsThroughItsPoint) {
    // 12 mm2/s at 104 deg.F on a sweep in deg.F: the anchored curve passes
    // through the point and rises as the temperature falls.
    const SweepResult sweep = runSweep(densityOnly(870, unit::kFahrenheit, 68),
                                       overTemperature(32, 302, 18, 0.5), {{12, 104}}, {});
    ASSERT_TRUE(sweep.anchor) << sweep.anchorNote;
    double previous = INFINITY;
    for (const SweepPoint& point : sweep.points) {
        ASSERT_TRUE(point.anchoredViscosity);
        if (point.temperature == 104) {
            EXPECT_NEAR(*point.anchoredViscosity, 12, 1e-9);
        }
        EXPECT_LT(*point.anchoredViscosity, previous) << point.temperature;
        previous = *point.anchoredViscosity;
    }
}

struct MeasuredCase {
    const char* name;
    std::vector<MeasuredViscosity> measured;
};

void PrintTo(const MeasuredCase& row, std::ostream* out) {
    *out << row.name;
}

// The ends of a viscometer's range anchor a curve; a point with a liquid
// where the line runs out of the numbers (far below the heavy oil's measured
// temperature) says so in its message instead of an empty cell that would
// read as "no liquid". The steepest line a viscometer's range allows, from
// 300 000 mm2/s at 0 deg.C to 0.2 at 100, runs out of the numbers by -200.
TEST(PropertySweep, AViscometersRangeAnchorsAndAFigureOutOfReachIsSaid) {
    const AcceptedWarnings answersYes = AcceptedWarnings::all();
    for (const double viscosity : {kLowestMeasuredViscosity, kHighestMeasuredViscosity}) {
        const SweepResult sweep = runSweep(densityOnly(850), overTemperature(0, 40, 20, 0.3),
                                           {{viscosity, 20}}, answersYes);
        EXPECT_TRUE(sweep.problem.empty()) << viscosity << ": " << sweep.problem;
    }
    const SweepResult far =
        runSweep(densityOnly(850), overTemperature(-200, 100, 100, 0.3),
                 {{kHighestMeasuredViscosity, 0}, {kLowestMeasuredViscosity, 100}}, answersYes);
    ASSERT_TRUE(far.problem.empty()) << far.problem;
    bool said = false;
    for (const SweepPoint& point : far.points) {
        if (point.outcome == CalcOutcome::Completed && point.results.liquidMassShare > 0) {
            EXPECT_TRUE(point.anchoredViscosity || point.message == kNoAnchoredViscosityHere)
                << point.temperature;
            said = said || !point.anchoredViscosity;
        }
    }
    EXPECT_TRUE(said);
}

class RefusedMeasuredViscosities : public ::testing::TestWithParam<MeasuredCase> {};

TEST_P(RefusedMeasuredViscosities, StopTheSweepWithAReason) {
    const SweepResult sweep =
        runSweep(densityOnly(850), overTemperature(0, 40, 20, 0.3), GetParam().measured, {});
    EXPECT_FALSE(sweep.problem.empty());
    EXPECT_TRUE(sweep.points.empty());
}

INSTANTIATE_TEST_SUITE_P(Measured, RefusedMeasuredViscosities,
                         ::testing::Values(MeasuredCase{"ThreePoints", {{5, 20}, {3, 40}, {2, 60}}},
                                           MeasuredCase{"RisingWithTemperature",
                                                        {{3, 20}, {5, 40}}},
                                           MeasuredCase{"SameTemperature", {{5, 20}, {3, 20}}},
                                           MeasuredCase{"ZeroViscosity", {{0, 20}}},
                                           MeasuredCase{"BelowAViscometer", {{0.19, 20}}},
                                           MeasuredCase{"BeyondAViscometer", {{1e300, 0}}},
                                           MeasuredCase{"BelowAbsoluteZero", {{5, -300}}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace viskora

namespace viskora {
namespace {

// Alaska North Slope crude from a published assay: density 864.42 kg/m3 at
// 15.6 deg.C, its TBP cuts as the fraction table, the light ends (36 deg.C
// and below) in the first row. Measured: 11.083 mm2/s at 20 deg.C and
// 6.419 mm2/s at 40 deg.C.
OilInputs alaskaNorthSlope(ViscosityMethod method) {
    OilInputs oil;
    oil.density = 864.42;
    oil.densityTemp = 15.6;
    oil.viscosityMethod = method;
    oil.useFractions = true;
    oil.fractions = {{0, 74, 8.271},     {74, 166, 15.089}, {166, 249, 12.531},
                     {249, 343, 15.653}, {343, 538, 28.66}, {538, 835, 19.796}};
    return oil;
}

struct AnchorCase {
    const char* name;
    ViscosityMethod method;
    double at20; // mm2/s, the anchored whole oil at 20 deg.C from 40 deg.C
};

void PrintTo(const AnchorCase& row, std::ostream* out) {
    *out << row.name;
}

class AnchorWhereLightEndsBoil : public ::testing::TestWithParam<AnchorCase> {};

// At atmospheric pressure the crude's light ends boil off at 40 deg.C, but
// a viscometer holds them in: the slope is the whole oil's, and the liquid
// left at each point is more viscous than the measured oil by the computed
// ratio.
TEST_P(AnchorWhereLightEndsBoil, SlopeOfTheWholeOilRatioOfTheLiquid) {
    const AnchorCase& c = GetParam();
    const AcceptedWarnings answersYes = AcceptedWarnings::all();
    OilInputs oil = alaskaNorthSlope(c.method);
    const SweepResult sweep =
        runSweep(oil, overTemperature(20, 50, 10, 0.101325), {{6.419, 40}}, answersYes);
    ASSERT_TRUE(sweep.anchor) << sweep.anchorNote;
    // The measured 11.083 mm2/s at 20 deg.C, within a fifth.
    const double at20 = *sweep.anchor->viscosityAt(293.15);
    EXPECT_NEAR(at20, c.at20, 0.01);
    EXPECT_NEAR(at20, 11.083, 11.083 / 5);

    const SweepPoint& at40 = sweep.points[2];
    ASSERT_EQ(at40.outcome, CalcOutcome::Completed);
    ASSERT_GT(at40.results.gasMassShare, 0);
    oil.designTemp = 40;
    oil.designPressure = 0.101325;
    const AdditionalOutcome single = calculateAdditional(oil, answersYes);
    ASSERT_EQ(single.status, CalcOutcome::Completed);
    const auto whole = PreparedOil(oil, answersYes).wholeOilViscosity(c.method, {40, 0.101325});
    ASSERT_TRUE(whole);
    const double ratio = single.results.liquid.viscosity / *whole;
    EXPECT_GT(ratio, 1);
    ASSERT_TRUE(at40.anchoredViscosity);
    EXPECT_NEAR(*at40.anchoredViscosity, 6.419 * ratio, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Methods, AnchorWhereLightEndsBoil,
                         ::testing::Values(AnchorCase{"WholeOil", ViscosityMethod::WholeOil, 9.938},
                                           AnchorCase{"NarrowCuts", ViscosityMethod::NarrowCuts,
                                                      12.428}),
                         [](const auto& info) { return std::string(info.param.name); });

// Both viscosities of the liquid at every point, whatever the oil's method;
// the point's own results (and its Prandtl number) are those of the method.
TEST(PropertySweep, GivesTheLiquidViscosityByBothMethods) {
    const auto sweepBy = [](ViscosityMethod method) {
        return runSweep(fractionTable(method), overTemperature(50, 250, 50, 0.3), {}, {});
    };
    const SweepResult whole = sweepBy(ViscosityMethod::WholeOil);
    const SweepResult cuts = sweepBy(ViscosityMethod::NarrowCuts);
    ASSERT_EQ(whole.points.size(), cuts.points.size());
    for (std::size_t i = 0; i < whole.points.size(); ++i) {
        const SweepPoint& w = whole.points[i];
        const SweepPoint& c = cuts.points[i];
        ASSERT_EQ(w.outcome, CalcOutcome::Completed);
        EXPECT_EQ(w.liquidViscosityWholeOil, w.results.liquid.viscosity);
        EXPECT_EQ(c.liquidViscosityByCuts, c.results.liquid.viscosity);
        EXPECT_EQ(w.liquidViscosityByCuts, c.liquidViscosityByCuts);
        EXPECT_EQ(w.liquidViscosityWholeOil, c.liquidViscosityWholeOil);
        EXPECT_NE(w.results.liquid.prandtl, c.results.liquid.prandtl);
    }
}

} // namespace
} // namespace viskora
