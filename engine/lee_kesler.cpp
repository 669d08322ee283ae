#include "engine/lee_kesler.h"

#include "engine/int_power.h"

#include <cmath>

namespace viskora::leekesler {

Compressibility::Compressibility(const Fluid& fluid, double reducedTemp)
    : fluid_(fluid), b_(fluid.b1 - fluid.b2 / reducedTemp - fluid.b3 / intPower(reducedTemp, 2) -
                        fluid.b4 / intPower(reducedTemp, 3)),
      c_(fluid.c1 - fluid.c2 / reducedTemp + fluid.c3 / intPower(reducedTemp, 3)),
      d_(fluid.d1 + fluid.d2 / reducedTemp), reducedTempCubed_(intPower(reducedTemp, 3)) {}

double Compressibility::operator()(double reducedVolume) const {
    const double v = reducedVolume;
    return 1 + b_ / v + c_ / intPower(v, 2) + d_ / intPower(v, 5) +
           fluid_.c4 / (reducedTempCubed_ * intPower(v, 2)) *
               (fluid_.beta + fluid_.gamma / intPower(v, 2)) *
               std::exp(-fluid_.gamma / intPower(v, 2));
}

std::optional<double> reducedVolume(const Fluid& fluid, double reducedTemp, double reducedPressure,
                                    int maxRounds) {
    const Compressibility z(fluid, reducedTemp);
    double volume = 100;
    double next = reducedTemp * z(volume) / reducedPressure;
    double previous = volume;
    int rounds = 0;
    while (std::abs(next - previous) / previous > fluid.tolerance) {
        if (rounds == maxRounds) {
            return std::nullopt;
        }
        ++rounds;
        previous = volume;
        next = reducedTemp * z(volume) / reducedPressure;
        volume = (next + volume) / 2;
    }
    if (!std::isfinite(volume) || !std::isfinite(next)) {
        return std::nullopt;
    }
    return volume;
}

} // namespace viskora::leekesler
