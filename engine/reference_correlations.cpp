#include "engine/reference_correlations.h"

#include "engine/common_correlations.h"
#include "engine/correlation_constants.h"
#include "engine/int_power.h"

#include <cmath>

namespace viskora::reference {
namespace {

// The first viscosity branch: 0.83 mm2/s at 121 deg.C, falling 1/300 mm2/s
// per degree below it.
constexpr double kLowBranchTop = 121;         // deg.C
constexpr double kLowBranchTopValue = 0.83;   // mm2/s
constexpr double kLowBranchSlope = 1.0 / 300; // mm2/s per deg.C

// The last viscosity branch: the line from 172.4 mm2/s at 390 deg.C to
// 456 mm2/s at 533 deg.C.
constexpr double kHighBranchStart = 390;        // deg.C
constexpr double kHighBranchStartValue = 172.4; // mm2/s
constexpr double kHighBranchSlope = (456 - kHighBranchStartValue) / (533 - kHighBranchStart);

} // namespace

double relativeDensity15(double d20) {
    return relativeDensityAt(d20, 15, 20);
}

double refractiveIndex(double d20) {
    return 1.218 + 0.358 * intPower(d20, 2);
}

double molarMass(double tvAvg, double d20, double refrIndex) {
    return std::exp(1.02498 * (std::log(tvAvg) - d20 * std::log(refrIndex)) - 1.925106 +
                    0.00231496 * tvAvg - 0.15765 * d20);
}

double watsonFactor(double tmAvg, double d15) {
    return viskora::watsonFactor(tmAvg, d15, kWatsonExponentFivePlaces);
}

double referenceSpecificHeat(double tempC, double d15, double watsonK) {
    return (0.403 + 0.0009 * tempC) * kKilojoulesPerKcalAt20 / std::sqrt(d15) *
           (0.0547 * watsonK + 0.35);
}

double thermalConductivity20(double molarMass, double d20, double refrIndex) {
    const double log10n = std::log(refrIndex) / std::log(10.0);
    const double d3 = intPower(d20, 3);
    // A jump at M = 400: for d20 0.9, 0.1469 just below and 0.1215 at 400.
    if (molarMass >= 400) {
        return 0.2362 + 0.000067 * molarMass - 0.0292 * d3 - 0.674 * log10n;
    }
    if (refrIndex - d20 >= 0.595) {
        return 0.000168 * molarMass - 0.2269 - 0.308 * d3 + 2.977 * log10n;
    }
    return 0.000402 * molarMass - 0.1127 + 0.000475 * d3 + 0.729 * log10n;
}

double kinematicViscosity20(double t50, double d15) {
    // The branches jump where they meet: for d15 0.8, 0.83 at 121 deg.C and
    // 0.7815 just above; 187.98 at 390 deg.C and 172.40 just above.
    if (t50 <= kLowBranchTop) {
        return kLowBranchTopValue - (kLowBranchTop - t50) * kLowBranchSlope;
    }
    if (t50 <= kHighBranchStart) {
        const double t = t50 + kKelvinOffset;
        const double a = std::exp(0.00526 * t + 4.717);
        const double kt = viskora::watsonFactor(t, d15, kWatsonExponentFivePlaces);
        const double b = (91.836 * std::pow(t, -0.175) - 29.263) * kt / a;
        return b * std::exp(a / (20 + kKelvinOffsetTenths));
    }
    return (t50 - kHighBranchStart) * kHighBranchSlope + kHighBranchStartValue;
}

double vapourPressure(double tvAvg, double referenceC) {
    const double x = 1 / ashworthFunction(tvAvg);
    const double y = 1 / ashworthFunction(referenceC + kKelvinOffsetWhole);
    return 0.1 * std::pow(10.0, (x - y) * kAshworthSlope / (x - kAshworthAsymptote));
}

double surfaceTensionBase(double molarMass) {
    return surfaceTension20(molarMass, LinearTerm::OfScaledMass);
}

double surfaceTensionAt(double sigma0, double critTemp, double tempC) {
    const double distance = std::sqrt(intPower(critTemp - kKelvinOffset - tempC, 2));
    return sigma0 * std::pow(distance / (critTemp - (20 + kKelvinOffset)), 1.19);
}

} // namespace viskora::reference
