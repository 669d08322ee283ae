#include "engine/calc_sequence.h"
#include "engine/common_correlations.h"
#include "engine/narrow_cut_viscosity.h"
#include "engine/oil_calc.h"
#include "worked_examples.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>

namespace viskora {
namespace {

using testing::roundsTo;

// Twu's own example: Tb 672.3166 K, density at 60 deg.F 895.5189 kg/m3.
constexpr double kTwuBoiling = 672.3166;
constexpr double kTwuGravity = 895.5189 / 999.0171;

TEST(NarrowCutViscosity, TwuPublishedExample) {
    const TwuViscosities twu = twuViscosities(kTwuBoiling, kTwuGravity);
    EXPECT_TRUE(roundsTo(twu.at100F, "24.26"));
    EXPECT_TRUE(roundsTo(twu.at210F, "4.155"));
    const auto line = walther::lineThrough(twu.at100F, 310.92778, twu.at210F, 372.03889);
    ASSERT_TRUE(line);
    EXPECT_TRUE(roundsTo(*line->viscosityAt(338.7055), "9.196"));
}

// The whole chain on one cut of Twu's example: its density at 20 deg.C
// (892.6163 kg/m3 gives SG 0.8964 by the expansion rule) through the cut's
// line and a blend of one.
TEST(NarrowCutViscosity, OneCutBlendIsTwusExample) {
    CutArray low{};
    CutArray high{};
    CutArray density{};
    CutArray share{};
    low[0] = kTwuBoiling - 273.15 - 0.5;
    high[0] = kTwuBoiling - 273.15 + 0.5;
    density[0] = 892.6163;
    share[0] = 100;
    const CutDistribution cut{low, high, density, share, 0, 1};
    ASSERT_NEAR(cutSpecificGravity(892.6163), kTwuGravity, 1e-6);
    CutViscosityLines lines;
    ASSERT_TRUE(drawCutViscosityLines(cut, 892.6163, lines));
    EXPECT_TRUE(roundsTo(blendedCutViscosity(lines, cut, 338.7055 - 273.15), "9.196"));
}

struct RefutasCase {
    const char* name;
    double light;
    double heavy;
    double lightShare; // mass fraction of the light component
    const char* blend;
};

void PrintTo(const RefutasCase& row, std::ostream* out) {
    *out << row.name;
}

class RefutasBlend : public ::testing::TestWithParam<RefutasCase> {};

TEST_P(RefutasBlend, PublishedBlends) {
    const RefutasCase& c = GetParam();
    const double number = c.lightShare * refutasBlendingNumber(c.light) +
                          (1 - c.lightShare) * refutasBlendingNumber(c.heavy);
    EXPECT_TRUE(roundsTo(viscosityOfBlendingNumber(number), c.blend));
}

INSTANTIATE_TEST_SUITE_P(D7152Examples, RefutasBlend,
                         ::testing::Values(RefutasCase{"HalfOf10And1000", 10, 1000, 0.5, "56.86"},
                                           RefutasCase{"HalfOf10And100", 10, 100, 0.5, "26.672"},
                                           RefutasCase{"ThirtySeventyOf10And100", 10, 100, 0.3,
                                                       "43.113"},
                                           // A component blended with itself gives itself back.
                                           RefutasCase{"SameViscosity", 3.5, 3.5, 0.5, "3.500"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NarrowCutViscosity, RefutasBlendingNumbers) {
    EXPECT_TRUE(roundsTo(refutasBlendingNumber(10), "23.5747"));
    EXPECT_TRUE(roundsTo(refutasBlendingNumber(100), "33.1962"));
}

TEST(NarrowCutViscosity, ShiftMakesTheCutsVolumeAdditive) {
    CutArray low{};
    CutArray high{};
    CutArray density{};
    CutArray share{};
    density[0] = 700;
    density[1] = 900;
    share[0] = 50;
    share[1] = 50;
    const CutDistribution cuts{low, high, density, share, 0, 2};
    const auto shift = volumeAdditiveShift(cuts, 800);
    ASSERT_TRUE(shift);
    EXPECT_TRUE(roundsTo(*shift, "12.3106"));
    // Far from the cuts' own mixture the step must not jump past the
    // lightest cut's pole.
    const auto light = volumeAdditiveShift(cuts, 150);
    ASSERT_TRUE(light);
    EXPECT_NEAR(1 / (0.5 / (700 + *light) + 0.5 / (900 + *light)), 150, 1e-9);
}

// By narrow cuts, any oil the engine accepts gives a finite viscosity above 0
// at any temperature a liquid can have, from light naphtha at 300 deg.C
// (its cuts fall below the lines' floor) to a residue far below its pour
// point (blending numbers past a double's range).
struct ExtremeCase {
    const char* name;
    double density; // kg/m3 at 20 deg.C, density only
    double tempC;
};

void PrintTo(const ExtremeCase& row, std::ostream* out) {
    *out << row.name;
}

class NarrowCutExtremes : public ::testing::TestWithParam<ExtremeCase> {};

TEST_P(NarrowCutExtremes, FiniteAndPositive) {
    COilCalc calc;
    calc.inputMode = 1;
    calc.densityIn = GetParam().density;
    calc.viscosityMethod = ViscosityMethod::NarrowCuts;
    ASSERT_TRUE(calc.prepareInputs());
    ASSERT_TRUE(calc.cutViscosityReady);
    calc.computeBaseProperties();
    const double nu =
        calc.wholeOilViscosityBy(ViscosityMethod::NarrowCuts, {GetParam().tempC, 0.101325});
    EXPECT_TRUE(std::isfinite(nu));
    EXPECT_GT(nu, 0);
}

INSTANTIATE_TEST_SUITE_P(OilsAndTemperatures, NarrowCutExtremes,
                         ::testing::Values(ExtremeCase{"LightHot", 620, 300},
                                           ExtremeCase{"LightCold", 620, -60},
                                           ExtremeCase{"MediumAt20", 850, 20},
                                           ExtremeCase{"HeavyCold", 990, -60},
                                           ExtremeCase{"HeavyHot", 990, 400}),
                         [](const auto& info) { return std::string(info.param.name); });

// The figures shown with the viscosity follow it: the Prandtl numbers are
// those of the viscosity by narrow cuts, and the oil's other figures do not
// move.
TEST(NarrowCutViscosity, BasicCalculationPrandtlFollowsTheViscosity) {
    COilCalc whole = testing::densityExampleOil();
    COilCalc cuts = testing::densityExampleOil();
    cuts.viscosityMethod = ViscosityMethod::NarrowCuts;
    ASSERT_EQ(runBasicCalculation(whole), CalcOutcome::Completed);
    ASSERT_EQ(runBasicCalculation(cuts), CalcOutcome::Completed);
    EXPECT_NE(cuts.atReference.kinematicViscosity, whole.atReference.kinematicViscosity);
    EXPECT_EQ(cuts.atReference.specificHeat, whole.atReference.specificHeat);
    EXPECT_EQ(cuts.atReference.thermalConductivity, whole.atReference.thermalConductivity);
    EXPECT_DOUBLE_EQ(cuts.atReference.prandtl,
                     prandtlNumber(cuts.atReference.kinematicViscosity, cuts.wholeOil.density,
                                   cuts.atReference.specificHeat,
                                   cuts.atReference.thermalConductivity));
}

TEST(NarrowCutViscosity, AdditionalCalculationTakesTheLiquidPartsCuts) {
    COilCalc calc = testing::fractionExampleOil();
    calc.viscosityMethod = ViscosityMethod::NarrowCuts;
    calc.designTempIn = 150;
    calc.designPressureIn = 0.1;
    ASSERT_EQ(runAdditionalCalculation(calc), CalcOutcome::Completed);
    ASSERT_EQ(calc.phaseState, PhaseState::GasAndLiquid);
    // The liquid part is heavier than the whole oil, and so more viscous.
    EXPECT_GT(calc.liquid.viscosity,
              calc.wholeOilViscosityBy(ViscosityMethod::NarrowCuts, calc.designState()));
    EXPECT_EQ(calc.liquid.viscosity, calc.liquidViscosityBy(ViscosityMethod::NarrowCuts));
    EXPECT_DOUBLE_EQ(calc.liquid.prandtl,
                     prandtlNumber(calc.liquid.viscosity, calc.liquid.density,
                                   calc.liquid.specificHeat, calc.liquid.conductivity));
}

// An oil far lighter than its cuts (a density-only oil of 50 to 400 kg/m3,
// which the engine calculates once its warning is answered Yes) has no
// shift that keeps every cut above 0 kg/m3: there is none, rather than one
// that makes a cut weigh nothing or less.
TEST(VolumeAdditiveShift, NeverPutsACutAtOrBelowZero) {
    CutArray low{};
    CutArray high{};
    CutArray density{};
    CutArray share{};
    for (int i = 0; i < 3; ++i) {
        low[i] = 35 + i;
        high[i] = 36 + i;
        share[i] = 100.0 / 3;
    }
    density[0] = 600;
    density[1] = 800;
    density[2] = 1000;
    const CutDistribution cuts{low, high, density, share, 0, 3};
    for (const double target : {50.0, 200.0, 400.0, 700.0}) {
        const std::optional<double> shift = volumeAdditiveShift(cuts, target);
        if (shift) {
            EXPECT_GT(density[0] + *shift, 0) << target;
        }
    }
    EXPECT_FALSE(volumeAdditiveShift(cuts, 50));
    EXPECT_TRUE(volumeAdditiveShift(cuts, 700));
}

} // namespace
} // namespace viskora
