#include "engine/liquid_correlations.h"

#include "engine/common_correlations.h"
#include "engine/correlation_constants.h"
#include "engine/int_power.h"
#include "engine/reference_correlations.h"

#include <algorithm>
#include <cmath>

namespace viskora::liquid {
namespace {

constexpr double kOneThird = 1.0 / 3;
constexpr double kTwoThirds = 2.0 / 3;
constexpr double kBoltzmann = 1.38054e-23; // J/K

// The two temperatures the viscosity line is drawn through, K.
constexpr double kLineLowKelvin = 20 + kKelvinOffset;
constexpr double kLineHighKelvin = 50 + kKelvinOffset;

// log10(log10(nu + 0.8)), the ordinate of the viscosity-temperature line.
double doubleLog(double viscosity) {
    return std::log10(std::log10(viscosity + 0.8));
}

} // namespace

double kistyakovskyEnthalpy(double tempC, double tvAvg, double molarMass) {
    return (4.571 * std::log10(tempC + kKelvinOffsetWhole) + 8.751) * kKilojoulesPerKcal * tvAvg /
           molarMass;
}

double riaziDaubertCriticalTemperature(double tvAvg, double d15) {
    return 9.523265 * std::exp(-0.000931445 * tvAvg - 0.54444 * d15 + 0.00064791 * tvAvg * d15) *
           std::pow(tvAvg, 0.81067) * std::pow(d15, 0.53691);
}

double watsonEnthalpy(double tvAvg, double molarMass, double reducedDistance) {
    return (0.041 * tvAvg + 69.4) * tvAvg * std::pow(reducedDistance, 0.38) / molarMass;
}

double riaziEnthalpy(double tvAvg, double d15, double molarMass, double reducedDistance) {
    return 37.323 * std::pow(tvAvg, 1.14086) * std::pow(d15, 0.00977089) *
           std::pow(reducedDistance, 0.38) / molarMass;
}

double vaporisationEnthalpy(double tempC, double tvAvg, double d15, double molarMass) {
    const double kistyakovsky = kistyakovskyEnthalpy(tempC, tvAvg, molarMass);
    const double critTemp = riaziDaubertCriticalTemperature(tvAvg, d15);
    if (critTemp - tempC - kKelvinOffsetTenths < 0) {
        return kistyakovsky;
    }
    const double distance = (critTemp - tempC - kKelvinOffsetTenths) / (critTemp - tvAvg);
    const double watson = watsonEnthalpy(tvAvg, molarMass, distance);
    const double riazi = riaziEnthalpy(tvAvg, d15, molarMass, distance);
    const double larger = watson < kistyakovsky ? kistyakovsky : watson;
    return riazi < larger ? larger : riazi;
}

double compressionFactor(double pressure) {
    return 1 - (pressure - kAtmosphericPressure) * 0.000741;
}

double specificHeat(double tempC, double tvAvg, double d15AtPressure) {
    const double characterisation = watsonFactor(tvAvg, d15AtPressure, kWatsonExponentExact);
    return (0.0009 * tempC + 0.403) * kKilojoulesPerKcal / std::sqrt(d15AtPressure) *
           (0.0547 * characterisation + 0.35);
}

double densityAtmospheric(double d20, double tempC, double referenceC) {
    return relativeDensityAt(d20, tempC, referenceC) * 1000;
}

double viscosityAtmospheric(double tempC, double t50, double viscosity20) {
    const double a = std::exp((t50 + kKelvinOffset) * 0.00526 + 4.717);
    const double viscosity50 =
        viscosity20 / std::exp(a / kLineLowKelvin) * std::exp(a / kLineHighKelvin);
    const double slope = (doubleLog(viscosity20) - doubleLog(viscosity50)) /
                         (std::log10(kLineLowKelvin) - std::log10(kLineHighKelvin));
    const double intercept = doubleLog(viscosity20) - slope * std::log10(kLineLowKelvin);
    return std::pow(10.0,
                    std::pow(10.0, intercept + slope * std::log10(tempC + kKelvinOffsetWhole))) -
           0.8;
}

double viscosityAtPressure(double viscosityAtmospheric, double pressure) {
    return viscosityAtmospheric *
           std::pow(10.0, 0.142 * pressure *
                              (0.0239 + 0.762 * std::pow(viscosityAtmospheric / 1000000, 0.278)));
}

double conductivityCoefficient(double molarMass, double refrIndex, double d20) {
    // A jump at M = 250: for n 1.477, d20 0.85, 0.000448 at 250 and 0.001241
    // just above.
    if (molarMass <= 250) {
        return (2.15 - 0.0115 * (molarMass - 102)) / 1000;
    }
    return 0.02517 * (refrIndex - d20) - 0.02159 + 0.00442 / (refrIndex - d20);
}

double conductivity(double conductivity20, double coefficient, double tempC, double densityRatio,
                    double critTemp) {
    const double atTemperature = conductivity20 * (1 - coefficient * (tempC - 20));
    return atTemperature * std::pow(densityRatio, 4.55 - 2.94 * (tempC + kKelvinOffset) / critTemp);
}

double surfaceTensionBase(double molarMass) {
    return surfaceTension20(molarMass, LinearTerm::ScaledAfterward);
}

double correspondingStatesSurfaceTension(double tempC, double critTemp, double critDensity,
                                         double critPressure, double molarMass) {
    const double reducedTemp = std::min((tempC + kKelvinOffset) / critTemp, 0.9);
    const double e = 40903.9 * std::exp(-22.525335 * critTemp * critDensity /
                                        (critPressure * 1000000) / (molarMass / 1000));
    const double q = 6.392 - 2.176 * e + 0.6012 * intPower(e, 2) - 0.0639 * intPower(e, 3);
    const double scale = std::pow(kBoltzmann, kOneThird) * q *
                         std::pow(critPressure * 1000000, kTwoThirds) *
                         std::pow(critTemp, kOneThird);
    const double s = 1 - reducedTemp;
    return (1.149 * s + 8.69 * intPower(s, 2) - 26.46 * intPower(s, 3) + 44.49 * intPower(s, 4) -
            26.87 * intPower(s, 5)) *
           scale;
}

double surfaceTension(double tempC, double critTemp, double critDensity, double critPressure,
                      double molarMass) {
    const double scaled =
        reference::surfaceTensionAt(surfaceTensionBase(molarMass), critTemp, tempC);
    if (tempC <= 20) {
        return scaled;
    }
    const double correspondingStates =
        correspondingStatesSurfaceTension(tempC, critTemp, critDensity, critPressure, molarMass);
    return correspondingStates * (tempC - 20) / tempC + scaled * 20 / tempC;
}

} // namespace viskora::liquid
