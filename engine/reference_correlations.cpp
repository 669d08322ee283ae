#include "engine/reference_correlations.h"

#include "engine/int_power.h"

#include <cmath>

namespace viskora::reference {

double densityAtReference(double density, double measuredAt, double reference) {
    const double delta = measuredAt - reference;
    return ((density / 1000 + 0.001825 * delta) / (1 + 0.0013167 * delta)) * 1000;
}

double relativeDensity15(double d20) {
    return d20 + 5 * (0.001825 - 0.0013167 * d20);
}

double refractiveIndex(double d20) {
    return 1.218 + 0.358 * intPower(d20, 2);
}

double molarMass(double tvAvg, double d20, double refrIndex) {
    return std::exp(1.02498 * (std::log(tvAvg) - d20 * std::log(refrIndex)) - 1.925106 +
                    0.00231496 * tvAvg - 0.15765 * d20);
}

double watsonFactor(double tmAvg, double d15) {
    return 1.216 * std::pow(tmAvg, 0.33333) / d15;
}

double referenceSpecificHeat(double tempC, double d15, double watsonK) {
    return (0.403 + 0.0009 * tempC) * 4.182 / std::sqrt(d15) * (0.0547 * watsonK + 0.35);
}

double thermalConductivity20(double molarMass, double d20, double refrIndex) {
    const double log10n = std::log(refrIndex) / std::log(10.0);
    const double d3 = intPower(d20, 3);
    if (molarMass >= 400) {
        return 0.2362 + 0.000067 * molarMass - 0.0292 * d3 - 0.674 * log10n;
    }
    if (refrIndex - d20 >= 0.595) {
        return 0.000168 * molarMass - 0.2269 - 0.308 * d3 + 2.977 * log10n;
    }
    return 0.000402 * molarMass - 0.1127 + 0.000475 * d3 + 0.729 * log10n;
}

double kinematicViscosity20(double t50, double d15) {
    if (t50 <= 121) {
        return 0.83 - (121 - t50) * 0.0033333333333333335;
    }
    if (t50 <= 390) {
        const double t = t50 + 273.15;
        const double a = std::exp(0.00526 * t + 4.717);
        const double kt = 1.216 * std::pow(t, 0.33333) / d15;
        const double b = (91.836 * std::pow(t, -0.175) - 29.263) * kt / a;
        return b * std::exp(a / 293.2);
    }
    return (t50 - 390) * 1.9832167832167833 + 172.4;
}

namespace {

// Ashworth's temperature function f(T) = sqrt(T^2 + 108000) - 307.6, T in K.
double ashworth(double t) {
    return std::sqrt(intPower(t, 2) + 108000) - 307.6;
}

} // namespace

double vapourPressure(double tvAvg, double referenceC) {
    const double x = 1 / ashworth(tvAvg);
    const double y = 1 / ashworth(referenceC + 273);
    return 0.1 * std::pow(10.0, (x - y) * 2.68 / (x - 0.0008));
}

double surfaceTensionBase(double molarMass) {
    const double q = molarMass / 100;
    return (3.6603 + 22.92 * q - 6.8625 * intPower(q, 2) + 0.73308 * intPower(q, 3)) * 0.001;
}

double surfaceTensionAt(double sigma0, double critTemp, double tempC) {
    const double distance = std::sqrt(intPower(critTemp - 273.15 - tempC, 2));
    return sigma0 * std::pow(distance / (critTemp - 293.15), 1.19);
}

} // namespace viskora::reference
