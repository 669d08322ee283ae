#include "engine/calc_steps.h"
#include "engine/oil_calc.h"
#include "engine/reference_correlations.h"
#include "worked_examples.h"

#include <gtest/gtest.h>

namespace viskora {
namespace {

using testing::roundsTo;

// The characterisation of a prepared oil's cuts and its properties at
// 20 deg.C, as the basic calculation reports them.
struct Characterised {
    Characterisation oil;
    ReferenceProperties at20;
};

Characterised characterised(COilCalc calc) {
    EXPECT_TRUE(calc.prepareInputs());
    const Characterisation oil = characteriseCuts(calc.wholeOilCuts());
    return {oil, referencePropertiesOf(oil, 20)};
}

TEST(BaseProperties, FractionTableWorkedExample) {
    const Characterised c = characterised(testing::fractionExampleOil());
    EXPECT_TRUE(roundsTo(c.oil.density, "770.7"));
    EXPECT_TRUE(roundsTo(c.oil.tvAvg, "435.2"));
    EXPECT_TRUE(roundsTo(c.oil.tmAvg, "440.7"));
    EXPECT_EQ(c.oil.t50, 169);
    EXPECT_TRUE(roundsTo(c.oil.d15, "0.7747"));
    EXPECT_TRUE(roundsTo(c.oil.refrIndex, "1.431"));
    EXPECT_TRUE(roundsTo(c.oil.molarMass, "135.0"));
    EXPECT_TRUE(roundsTo(c.oil.watsonK, "11.94"));
    EXPECT_TRUE(roundsTo(c.at20.specificHeat, "2.007"));
    EXPECT_TRUE(roundsTo(c.at20.thermalConductivity, "0.1178"));
    EXPECT_TRUE(roundsTo(c.at20.kinematicViscosity, "1.224"));
    EXPECT_TRUE(roundsTo(c.at20.vapourPressure, "0.0002397"));
    EXPECT_TRUE(roundsTo(c.at20.prandtl, "16.06"));
    EXPECT_TRUE(roundsTo(c.at20.surfaceTension, "0.02390"));
}

TEST(BaseProperties, DensityOnlyWorkedExample) {
    const Characterised c = characterised(testing::densityExampleOil());
    EXPECT_NEAR(c.oil.density, 850, 0.0001);
    EXPECT_TRUE(roundsTo(c.oil.tvAvg, "586.1"));
    EXPECT_TRUE(roundsTo(c.oil.tmAvg, "598.6"));
    EXPECT_EQ(c.oil.t50, 339);
    EXPECT_TRUE(roundsTo(c.oil.d15, "0.8535"));
    EXPECT_TRUE(roundsTo(c.oil.refrIndex, "1.477"));
    EXPECT_TRUE(roundsTo(c.oil.molarMass, "242.5"));
    EXPECT_TRUE(roundsTo(c.oil.watsonK, "12.01"));
    EXPECT_TRUE(roundsTo(c.at20.specificHeat, "1.919"));
    EXPECT_TRUE(roundsTo(c.at20.thermalConductivity, "0.1286"));
    EXPECT_TRUE(roundsTo(c.at20.kinematicViscosity, "37.00"));
    EXPECT_TRUE(roundsTo(c.at20.vapourPressure, "2.481e-8"));
    EXPECT_TRUE(roundsTo(c.at20.prandtl, "469.1"));
    EXPECT_TRUE(roundsTo(c.at20.surfaceTension, "0.02934"));
}

TEST(BaseProperties, TheRecordKeepsTheEnteredDensityBesideTheWholeOils) {
    COilCalc calc = testing::densityExampleOil();
    const Characterised c = characterised(calc);
    ASSERT_TRUE(calc.prepareInputs());
    calc.computeBaseProperties();
    calc.computeCriticalProperties();
    EXPECT_EQ(calc.density, 850);
    EXPECT_EQ(calc.wholeOil.density, c.oil.density);
    EXPECT_EQ(calc.atReference.prandtl, c.at20.prandtl);
    EXPECT_EQ(calc.pseudoCritTemp, reportedPseudoCritTemp(calc.wholeOil.critTemp));
}

TEST(BaseProperties, FittedDensityComesBackFromTheCuts) {
    for (double density : {650.0, 700.0, 841.914, 900.0, 990.0}) {
        COilCalc calc;
        calc.inputMode = 1;
        calc.densityIn = density;
        EXPECT_NEAR(characterised(calc).oil.density, density, 0.0001) << density;
    }
}

TEST(BaseProperties, FiftyPerCentWalkStaysInsideTheTable) {
    // Shares that never reach 50 % within the range must not walk off it.
    const COilCalc tables;
    CutArray shares{};
    for (int i = 790; i < 800; ++i) {
        shares[i] = 1;
    }
    const CutDistribution cuts{tables.cutLow, tables.cutHigh, tables.cutDensity, shares, 790, 800};
    EXPECT_EQ(characteriseCuts(cuts).t50, 835);
}

TEST(ReferenceCorrelations, ViscosityBranchBoundaries) {
    EXPECT_DOUBLE_EQ(reference::kinematicViscosity20(121, 0.8), 0.83);
    EXPECT_NEAR(reference::kinematicViscosity20(35, 0.8), 0.83 - 86.0 / 300, 1e-12);
    // Half a degree above 121 deg.C the exponential branch holds, worked by
    // hand: t = 394.65 K, a = exp(0.00526 t + 4.717), kt = 1.216 t^0.33333 / d15,
    // b = (91.836 t^-0.175 - 29.263) kt / a, nu = b exp(a / 293.2).
    EXPECT_NEAR(reference::kinematicViscosity20(121.5, 0.8), 0.784146, 0.0000005);
    // 390 deg.C still uses the exponential branch; just above it, the line.
    const double at390 = reference::kinematicViscosity20(390, 0.9);
    EXPECT_NE(at390, 172.4);
    // The line runs from 172.4 mm2/s at 390 deg.C to 456 at 533 deg.C.
    EXPECT_NEAR(reference::kinematicViscosity20(400, 0.9), 172.4 + 10 * (456 - 172.4) / 143, 1e-9);
}

TEST(ReferenceCorrelations, ConductivityBranchBoundaries) {
    const double d = 0.9;
    const double n = reference::refractiveIndex(d);
    const double heavy = reference::thermalConductivity20(400, d, n);
    EXPECT_NEAR(heavy, 0.2362 + 0.000067 * 400 - 0.0292 * d * d * d - 0.674 * std::log10(n), 1e-12);
    // n - d >= 0.595 takes the middle branch.
    const double light = reference::thermalConductivity20(100, 0.7, 1.3);
    EXPECT_NEAR(light, 0.000168 * 100 - 0.2269 - 0.308 * 0.343 + 2.977 * std::log10(1.3), 1e-12);
}

TEST(ReferenceCorrelations, VapourPressureIsOneBarAtTheBoilingPoint) {
    EXPECT_NEAR(reference::vapourPressure(293, 20), 0.1, 1e-12);
    EXPECT_LT(reference::vapourPressure(450, 20), reference::vapourPressure(400, 20));
}

} // namespace
} // namespace viskora
