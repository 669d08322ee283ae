#include "engine/calc_steps.h"
#include "engine/liquid_correlations.h"
#include "engine/oil_calc.h"
#include "engine/reference_correlations.h"
#include "worked_examples.h"

#include <gtest/gtest.h>

#include <ostream>

namespace viskora {
namespace {

// The fraction-table worked oil (one fraction up to 300 deg.C), characterised.
struct Oil {
    Characterisation c;
    ReferenceProperties at20;
};

Oil workedOil() {
    COilCalc calc = testing::fractionExampleOil();
    EXPECT_TRUE(calc.prepareInputs());
    const Characterisation c = withCriticalProperties(characteriseCuts(calc.wholeOilCuts()));
    return {c, referencePropertiesOf(c, 20)};
}

LiquidProperties liquidAt(double designTemp, double designPressure) {
    const Oil oil = workedOil();
    return liquidPropertiesAt(oil.c, oil.at20, 20, {designTemp, designPressure});
}

TEST(LiquidProperties, AtTwentyDegreesAndAtmosphericPressureTheReferenceValuesComeBack) {
    const Oil oil = workedOil();
    const LiquidProperties l = liquidAt(20, 0.101);
    EXPECT_EQ(l.density, oil.c.d20 * 1000);
    EXPECT_EQ(l.conductivity, oil.at20.thermalConductivity);
    // Tc is well above 293.15 K, so the surface tension is the base value.
    ASSERT_GT(oil.c.critTemp, 293.15);
    EXPECT_NEAR(l.surfaceTension, reference::surfaceTensionBase(oil.c.molarMass), 1e-15);
    EXPECT_GT(l.vaporisationEnthalpy, 0);
    EXPECT_NEAR(l.prandtl, l.viscosity * l.density * l.specificHeat / l.conductivity / 1000, 1e-12);
}

TEST(LiquidProperties, PressureCompressesAndHeatExpandsTheLiquid) {
    const LiquidProperties atmospheric = liquidAt(20, 0.101);
    const LiquidProperties compressed = liquidAt(20, 10);
    const LiquidProperties hot = liquidAt(150, 0.101);
    EXPECT_GT(compressed.density, atmospheric.density);
    EXPECT_GT(compressed.viscosity, atmospheric.viscosity);
    EXPECT_LT(hot.density, atmospheric.density);
    EXPECT_LT(hot.viscosity, atmospheric.viscosity);
    EXPECT_GT(hot.specificHeat, atmospheric.specificHeat);
}

TEST(LiquidProperties, SurfaceTensionBlendStartsAboveTwentyDegrees) {
    const Characterisation oil = workedOil().c;
    const auto tension = [&](double t) {
        return liquid::surfaceTension(t, oil.critTemp, oil.critDensity, oil.critPressure,
                                      oil.molarMass);
    };
    const auto scaledOnly = [&](double t) {
        return reference::surfaceTensionAt(liquid::surfaceTensionBase(oil.molarMass), oil.critTemp,
                                           t);
    };
    EXPECT_EQ(tension(20), scaledOnly(20));
    EXPECT_EQ(tension(-10), scaledOnly(-10));
    EXPECT_NE(tension(20.001), scaledOnly(20.001));
    // The blend enters with the weight 0.001 / 20.001: no jump at 20 deg.C.
    EXPECT_NEAR(tension(20.001), tension(20), 1e-6);
}

TEST(LiquidProperties, ReducedTemperatureOfTheBlendIsCappedAtNineTenths) {
    const double tc = 600;
    const auto corresponding = [&](double reduced) {
        return liquid::correspondingStatesSurfaceTension(reduced * tc - 273.15, tc, 250, 2.5, 150);
    };
    EXPECT_EQ(corresponding(0.95), corresponding(0.9));
    EXPECT_EQ(corresponding(1.2), corresponding(0.9));
    EXPECT_NE(corresponding(0.85), corresponding(0.9));
    EXPECT_GT(corresponding(0.9), 0);
}

TEST(LiquidCorrelations, ConductivityCoefficientBranchesAtMolarMass250) {
    // n - d20 = 0.6 in the refractive-index branch.
    EXPECT_NEAR(liquid::conductivityCoefficient(250, 1.4, 0.8), 0.000448, 1e-15);
    EXPECT_NEAR(liquid::conductivityCoefficient(250.0001, 1.4, 0.8),
                0.02517 * 0.6 - 0.02159 + 0.00442 / 0.6, 1e-12);
}

TEST(LiquidCorrelations, AboveTheRiaziDaubertCriticalTemperatureOnlyKistyakovskyCounts) {
    const double tv = 450;
    const double d15 = 0.78;
    const double molarMass = 140;
    const double tcR = liquid::riaziDaubertCriticalTemperature(tv, d15);
    const double above = tcR - 273.2 + 0.5;
    EXPECT_EQ(liquid::vaporisationEnthalpy(above, tv, d15, molarMass),
              liquid::kistyakovskyEnthalpy(above, tv, molarMass));
    // Just below it the Watson-type terms are formed and the largest wins.
    const double below = tcR - 273.2 - 0.5;
    EXPECT_GE(liquid::vaporisationEnthalpy(below, tv, d15, molarMass),
              liquid::kistyakovskyEnthalpy(below, tv, molarMass));
    // Well below the critical point the Watson-type terms dominate.
    EXPECT_GT(liquid::vaporisationEnthalpy(20, tv, d15, molarMass),
              liquid::kistyakovskyEnthalpy(20, tv, molarMass));
}

// Worked by hand from the three correlations at 20 deg.C: the largest wins.
struct EnthalpyCase {
    double tvAvg;
    double d15;
    double molarMass;
    const char* kistyakovsky;
    const char* watson;
    const char* riazi;
    const char* largest;
};

void PrintTo(const EnthalpyCase& row, std::ostream* out) {
    *out << "Tv" << row.tvAvg;
}

class VaporisationEnthalpy : public ::testing::TestWithParam<EnthalpyCase> {};

TEST_P(VaporisationEnthalpy, WorkedExample) {
    const EnthalpyCase& c = GetParam();
    const double critTemp = liquid::riaziDaubertCriticalTemperature(c.tvAvg, c.d15);
    const double reduced = (critTemp - 20 - 273.2) / (critTemp - c.tvAvg);
    EXPECT_TRUE(
        testing::roundsTo(liquid::kistyakovskyEnthalpy(20, c.tvAvg, c.molarMass), c.kistyakovsky));
    EXPECT_TRUE(testing::roundsTo(liquid::watsonEnthalpy(c.tvAvg, c.molarMass, reduced), c.watson));
    EXPECT_TRUE(
        testing::roundsTo(liquid::riaziEnthalpy(c.tvAvg, c.d15, c.molarMass, reduced), c.riazi));
    EXPECT_TRUE(testing::roundsTo(liquid::vaporisationEnthalpy(20, c.tvAvg, c.d15, c.molarMass),
                                  c.largest));
}

INSTANTIATE_TEST_SUITE_P(
    AtTwentyDegrees, VaporisationEnthalpy,
    ::testing::Values(
        // A light fraction: Riazi's wins.
        EnthalpyCase{450, 0.78, 140, "269.5284", "355.9475", "356.6957", "356.6957"},
        // The 850 kg/m3 oil: Watson's wins.
        EnthalpyCase{586.1, 0.8535, 242.5, "202.6656", "323.5013", "316.6577", "323.5013"}));

} // namespace
} // namespace viskora
