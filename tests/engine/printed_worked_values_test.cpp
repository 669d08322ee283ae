// Every worked value printed beside a correlation in the engine's headers,
// recomputed from the inputs printed with it and held to the digits printed.
// A reader checks a correlation against its comment; a comment that no
// longer matches its code misleads them, so each one is run here.

#include "engine/calc_steps.h"
#include "engine/common_correlations.h"
#include "engine/critical_correlations.h"
#include "engine/gas_correlations.h"
#include "engine/liquid_correlations.h"
#include "engine/narrow_cut_viscosity.h"
#include "engine/reference_correlations.h"
#include "engine/vapour_pressure_correlations.h"
#include "engine/walther.h"
#include "worked_examples.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

namespace viskora {
namespace {

using testing::roundsTo;

struct PrintedValue {
    std::string name;
    std::function<double()> compute;
    std::string printed;
};

// The two oils the reference and critical correlations' comments use.
constexpr double kLightTb = 435.2, kLightD20 = 0.7707, kLightD15 = 0.7747;
constexpr double kHeavyTb = 586.1, kHeavyD20 = 0.85, kHeavyD15 = 0.8535;

// The oil at the seam of the two acentric relations: Tb / Tc just above 0.8.
constexpr double kSeamTb = 570.3;
const double kSeamTheta = kSeamTb / critical::keslerLeeCriticalTemperature(kSeamTb, 0.75);

double nextUp(double x) {
    return x * (1 + 1e-12);
}

double waltherAt20(double nu0, double nu40) {
    return walther::lineThrough(nu0, 273.15, nu40, 313.15)->viscosityAt(293.15).value();
}

double refutasHalfAndHalf(double nu1, double nu2) {
    return viscosityOfBlendingNumber(0.5 * refutasBlendingNumber(nu1) +
                                     0.5 * refutasBlendingNumber(nu2));
}

const PrintedValue kCommonValues[] = {
    {"WatsonFactor", [] { return watsonFactor(440.7, kLightD15, 0.33333); }, "11.94"},
    {"ExpansionCoefficient", [] { return expansionCoefficient(0.85); }, "0.000705805"},
    {"ExpansionTo15C", [] { return relativeDensityAt(0.85, 15, 20); }, "0.85353"},
    {"DensityAtReference", [] { return densityAtReference(850, 50, 20); }, "870.37"},
    {"AshworthFunction", [] { return ashworthFunction(kLightTb); }, "237.74"},
    {"SurfaceTension20Light", [] { return surfaceTension20(135, LinearTerm::OfScaledMass); },
     "0.02390"},
    {"SurfaceTension20Heavy", [] { return surfaceTension20(242.5, LinearTerm::OfScaledMass); },
     "0.02934"},
    {"PrandtlNumber", [] { return prandtlNumber(1.224, 770.7, 2.007, 0.1178); }, "16.07"},
};

const PrintedValue kCriticalValues[] = {
    {"KeslerLeeTcLight", [] { return critical::keslerLeeCriticalTemperature(kLightTb, kLightD15); },
     "617.0"},
    {"KeslerLeeTcHeavy", [] { return critical::keslerLeeCriticalTemperature(kHeavyTb, kHeavyD15); },
     "759.82"},
    {"CriticalDensityLight",
     [] { return 1 / critical::riaziDaubertCriticalVolume(kLightTb, kLightD20); }, "252.5"},
    {"CriticalDensityHeavy",
     [] { return 1 / critical::riaziDaubertCriticalVolume(kHeavyTb, kHeavyD20); }, "250.8"},
    {"ReportedPseudoCritTemp", [] { return reportedPseudoCritTemp(700); }, "412.85"},
    {"KeslerLeePcLight", [] { return critical::keslerLeeCriticalPressure(kLightTb, kLightD15); },
     "2.520"},
    {"KeslerLeePcHeavy", [] { return critical::keslerLeeCriticalPressure(kHeavyTb, kHeavyD15); },
     "1.569"},
    {"LeeKeslerAcentric", [] { return critical::leeKeslerAcentric(0.7053, 2.521); }, "0.4335"},
    {"KeslerLeeAcentric", [] { return critical::keslerLeeAcentric(0.85, 600, 0.86); }, "1.259"},
    {"LeeKeslerAcentricAtSeamTheta",
     [] {
         return critical::leeKeslerAcentric(kSeamTheta,
                                            critical::keslerLeeCriticalPressure(kSeamTb, 0.75));
     },
     "0.8274"},
    {"KeslerLeeAcentricAtSeamTheta",
     [] { return critical::keslerLeeAcentric(kSeamTheta, kSeamTb, 0.75); }, "0.8330"},
};

const PrintedValue kReferenceValues[] = {
    {"RelativeDensity15", [] { return reference::relativeDensity15(0.85); }, "0.85353"},
    {"RefractiveIndex", [] { return reference::refractiveIndex(0.85); }, "1.4767"},
    {"MolarMass",
     [] {
         return reference::molarMass(kHeavyTb, kHeavyD20, reference::refractiveIndex(kHeavyD20));
     },
     "242.45"},
    {"OilWatsonFactor", [] { return reference::watsonFactor(440.7, kLightD15); }, "11.94"},
    {"SpecificHeat", [] { return reference::referenceSpecificHeat(20, kHeavyD15, 12.01); },
     "1.919"},
    {"ConductivityMiddleBranch",
     [] {
         return reference::thermalConductivity20(135, kLightD20,
                                                 reference::refractiveIndex(kLightD20));
     },
     "0.1178"},
    {"ConductivityLastBranch",
     [] {
         return reference::thermalConductivity20(242.5, kHeavyD20,
                                                 reference::refractiveIndex(kHeavyD20));
     },
     "0.1286"},
    {"ConductivityBelow400D90",
     [] {
         return reference::thermalConductivity20(399.9999, 0.9, reference::refractiveIndex(0.9));
     },
     "0.1469"},
    {"ConductivityAt400D90",
     [] { return reference::thermalConductivity20(400, 0.9, reference::refractiveIndex(0.9)); },
     "0.1215"},
    {"ConductivityBelow400D95",
     [] {
         return reference::thermalConductivity20(399.9999, 0.95, reference::refractiveIndex(0.95));
     },
     "0.1854"},
    {"ConductivityAt400D95",
     [] { return reference::thermalConductivity20(400, 0.95, reference::refractiveIndex(0.95)); },
     "0.1114"},
    {"Viscosity20Light", [] { return reference::kinematicViscosity20(169, kLightD15); }, "1.224"},
    {"Viscosity20Heavy", [] { return reference::kinematicViscosity20(339, kHeavyD15); }, "37.00"},
    {"Viscosity20At121", [] { return reference::kinematicViscosity20(121, 0.8); }, "0.83"},
    {"Viscosity20Above121", [] { return reference::kinematicViscosity20(nextUp(121), 0.8); },
     "0.7815"},
    {"Viscosity20At390", [] { return reference::kinematicViscosity20(390, 0.8); }, "187.98"},
    {"Viscosity20Above390", [] { return reference::kinematicViscosity20(nextUp(390), 0.8); },
     "172.40"},
    {"VapourPressureLight", [] { return reference::vapourPressure(kLightTb, 20); }, "0.0002396"},
    {"VapourPressureHeavy", [] { return reference::vapourPressure(kHeavyTb, 20); }, "2.487e-8"},
    {"SurfaceTensionBase", [] { return reference::surfaceTensionBase(135); }, "0.02390"},
    {"SurfaceTensionAt100", [] { return reference::surfaceTensionAt(0.02390, 617, 100); },
     "0.01705"},
};

const PrintedValue kGasValues[] = {
    {"Density", [] { return gas::density(0.9, 1.1, 0.2, 3, 600, 100); }, "12.148"},
    {"SpecificHeat", [] { return gas::specificHeat(150, 0.72, 12); }, "2.092"},
    {"DynamicViscosity", [] { return gas::dynamicViscosity(1.1, 100); }, "7.992"},
    {"ConductivityAt150", [] { return gas::conductivity(150); }, "0.02192"},
    {"ConductivityAt100", [] { return gas::conductivity(100); }, "0.0200"},
};

const PrintedValue kLiquidValues[] = {
    {"KistyakovskyEnthalpy", [] { return liquid::kistyakovskyEnthalpy(20, 450, 140); }, "269.53"},
    {"RiaziDaubertTc", [] { return liquid::riaziDaubertCriticalTemperature(450, 0.78); }, "636.84"},
    {"WatsonEnthalpy", [] { return liquid::watsonEnthalpy(450, 140, 0.5); }, "216.99"},
    {"RiaziEnthalpy", [] { return liquid::riaziEnthalpy(450, 0.78, 140, 0.5); }, "217.44"},
    {"VaporisationEnthalpy", [] { return liquid::vaporisationEnthalpy(20, 450, 0.78, 140); },
     "356.70"},
    {"CompressionFactor", [] { return liquid::compressionFactor(10); }, "0.99266484"},
    {"SpecificHeat", [] { return liquid::specificHeat(100, kHeavyTb, kHeavyD15); }, "2.239"},
    {"DensityAtmospheric", [] { return liquid::densityAtmospheric(0.85, 100, 20); }, "793.5356"},
    {"ViscosityAtmospheric", [] { return liquid::viscosityAtmospheric(100, 339, 37.0); }, "5.676"},
    {"ViscosityAtPressure", [] { return liquid::viscosityAtPressure(10, 10); }, "11.97"},
    {"ConductivityCoefficientLight",
     [] { return liquid::conductivityCoefficient(135, 1.4767, 0.85); }, "0.0017705"},
    {"ConductivityCoefficientAt250",
     [] { return liquid::conductivityCoefficient(250, 1.477, 0.85); }, "0.000448"},
    {"ConductivityCoefficientAbove250",
     [] { return liquid::conductivityCoefficient(nextUp(250), 1.477, 0.85); }, "0.001241"},
    {"ConductivityCoefficientHeavy",
     [] { return liquid::conductivityCoefficient(242.5, 1.4767, 0.85); }, "0.00053425"},
    {"Conductivity", [] { return liquid::conductivity(0.1286, 0.00053425, 100, 1, 759.85); },
     "0.1231"},
    {"CorrespondingStatesSurfaceTension",
     [] { return liquid::correspondingStatesSurfaceTension(100, 617, 252.5, 2.521, 135); },
     "0.01666"},
    {"SurfaceTension", [] { return liquid::surfaceTension(100, 617, 252.5, 2.521, 135); },
     "0.01673"},
};

const PrintedValue kViscosityValues[] = {
    {"Twu100F", [] { return twuViscosities(672.3166, 895.5189 / 999.0171).at100F; }, "24.264"},
    {"Twu210F", [] { return twuViscosities(672.3166, 895.5189 / 999.0171).at210F; }, "4.1554"},
    {"BlendingNumberOf10", [] { return refutasBlendingNumber(10); }, "23.5747"},
    {"BlendingNumberOf100", [] { return refutasBlendingNumber(100); }, "33.1962"},
    {"RefutasHalfAndHalf", [] { return refutasHalfAndHalf(10, 1000); }, "56.86"},
    {"CutSpecificGravity", [] { return cutSpecificGravity(850); }, "0.85399"},
    {"WaltherZ", [] { return walther::z(1.644); }, "2.347"},
    {"WaltherLineAt20C", [] { return waltherAt20(1.644, 0.925); }, "1.201"},
};

// n-heptane as a narrow cut: Tb 371.58 K, SG 0.6882.
double heptane(const vapour::RiaziDaubertForm& form) {
    return vapour::riaziDaubert(form, 371.58, 0.6882);
}

const PrintedValue kVapourValues[] = {
    {"HeptaneCriticalTemperature", [] { return heptane(vapour::kCriticalTemperature); }, "542.06"},
    {"HeptaneCriticalPressure", [] { return heptane(vapour::kCriticalPressure); }, "2.6773"},
    {"HeptaneMolarMass", [] { return heptane(vapour::kMolarMass); }, "100.19"},
    {"DecaneMolarMass", [] { return vapour::riaziDaubert(vapour::kMolarMass, 447.3, 0.7342); },
     "144.4"},
    {"HeptaneAcentric",
     [] {
         return critical::leeKeslerAcentric(371.58 / heptane(vapour::kCriticalTemperature),
                                            heptane(vapour::kCriticalPressure));
     },
     "0.3247"},
    {"HeptaneAt37_8C",
     [] { return vapour::leeKeslerVapourPressure(310.95, 542.06, 2.6773, 0.3247); }, "0.011280"},
    {"PropaneAt37_8C", [] { return vapour::leeKeslerVapourPressure(310.95, 369.83, 4.248, 0.152); },
     "1.3057"},
};

void PrintTo(const PrintedValue& value, std::ostream* out) {
    *out << value.name;
}

class PrintedWorkedValue : public ::testing::TestWithParam<PrintedValue> {};

TEST_P(PrintedWorkedValue, ReproducesAtItsPrintedDigits) {
    EXPECT_TRUE(roundsTo(GetParam().compute(), GetParam().printed));
}

std::string valueName(const ::testing::TestParamInfo<PrintedValue>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Common, PrintedWorkedValue, ::testing::ValuesIn(kCommonValues), valueName);
INSTANTIATE_TEST_SUITE_P(Critical, PrintedWorkedValue, ::testing::ValuesIn(kCriticalValues),
                         valueName);
INSTANTIATE_TEST_SUITE_P(Reference, PrintedWorkedValue, ::testing::ValuesIn(kReferenceValues),
                         valueName);
INSTANTIATE_TEST_SUITE_P(Gas, PrintedWorkedValue, ::testing::ValuesIn(kGasValues), valueName);
INSTANTIATE_TEST_SUITE_P(Liquid, PrintedWorkedValue, ::testing::ValuesIn(kLiquidValues), valueName);
INSTANTIATE_TEST_SUITE_P(NarrowCutViscosity, PrintedWorkedValue,
                         ::testing::ValuesIn(kViscosityValues), valueName);
INSTANTIATE_TEST_SUITE_P(NarrowCutVapourPressure, PrintedWorkedValue,
                         ::testing::ValuesIn(kVapourValues), valueName);

} // namespace
} // namespace viskora
