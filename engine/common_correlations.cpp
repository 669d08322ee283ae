#include "engine/common_correlations.h"

#include "engine/int_power.h"

#include <cmath>

namespace viskora {

double watsonFactor(double kelvin, double relativeDensity, double cubeRootExponent) {
    return 1.216 * std::pow(kelvin, cubeRootExponent) / relativeDensity;
}

double expansionCoefficient(double d20) {
    return kExpansionIntercept - kExpansionSlope * d20;
}

double relativeDensityAt(double d20, double tempC, double referenceC) {
    return d20 - expansionCoefficient(d20) * (tempC - referenceC);
}

double densityAtReference(double density, double measuredAt, double reference) {
    const double delta = measuredAt - reference;
    return ((density / 1000 + kExpansionIntercept * delta) / (1 + kExpansionSlope * delta)) * 1000;
}

double ashworthFunction(double kelvin) {
    return std::sqrt(intPower(kelvin, 2) + 108000) - 307.6;
}

double ashworthTemperature(double value) {
    return std::sqrt(intPower(value + 307.6, 2) - 108000);
}

double surfaceTension20(double molarMass, LinearTerm linearTerm) {
    const double q = molarMass / 100;
    const double linear =
        linearTerm == LinearTerm::OfScaledMass ? 22.92 * q : 22.92 * molarMass / 100;
    return (3.6603 + linear - 6.8625 * intPower(q, 2) + 0.73308 * intPower(q, 3)) * 0.001;
}

double prandtlNumber(double kinematicViscosity, double density, double specificHeat,
                     double conductivity) {
    return kinematicViscosity * density * specificHeat / conductivity / 1000;
}

} // namespace viskora
