#include "engine/gas_correlations.h"

#include "engine/correlation_constants.h"
#include "engine/int_power.h"

#include <cmath>

namespace viskora::gas {

double density(double compressibility, double reducedTemp, double reducedPressure,
               double critPressure, double critTemp, double molarMass) {
    return critPressure * 1000000 / (compressibility * reducedTemp / reducedPressure) / 8.315 /
           critTemp * molarMass / 1000;
}

double specificHeat(double tempC, double d15, double watsonK) {
    return (4 - d15) / 6450 * (1.8 * tempC + 702) * (0.0935 * watsonK - 0.111) * kKilojoulesPerKcal;
}

double dynamicViscosity(double reducedTemp, double molarMass) {
    return (0.78075 * reducedTemp + 0.13816 + 0.1076 * intPower(reducedTemp, 2) -
            0.025369 * intPower(reducedTemp, 3)) *
           (14.3421 - 0.099072 * molarMass + 0.000287399 * intPower(molarMass, 2));
}

double conductivity(double tempC) {
    const double t = tempC + kKelvinOffset;
    return 9.86 / (t + 120) * std::pow(t / (100 + kKelvinOffset), 1.5);
}

} // namespace viskora::gas
