#include "engine/lee_kesler.h"

#include "engine/int_power.h"

#include <cmath>

namespace viskora::leekesler {

double compressibility(const Fluid& f, double reducedTemp, double reducedVolume) {
    const double tr = reducedTemp;
    const double v = reducedVolume;
    const double b = f.b1 - f.b2 / tr - f.b3 / intPower(tr, 2) - f.b4 / intPower(tr, 3);
    const double c = f.c1 - f.c2 / tr + f.c3 / intPower(tr, 3);
    const double d = f.d1 + f.d2 / tr;
    return 1 + b / v + c / intPower(v, 2) + d / intPower(v, 5) +
           f.c4 / (intPower(tr, 3) * intPower(v, 2)) * (f.beta + f.gamma / intPower(v, 2)) *
               std::exp(-f.gamma / intPower(v, 2));
}

std::optional<double> reducedVolume(const Fluid& fluid, double reducedTemp, double reducedPressure,
                                    int maxRounds) {
    double volume = 100;
    double next = reducedTemp * compressibility(fluid, reducedTemp, volume) / reducedPressure;
    double previous = volume;
    int rounds = 0;
    while (std::abs(next - previous) / previous > fluid.tolerance) {
        if (rounds == maxRounds) {
            return std::nullopt;
        }
        ++rounds;
        previous = volume;
        next = reducedTemp * compressibility(fluid, reducedTemp, volume) / reducedPressure;
        volume = (next + volume) / 2;
    }
    if (!std::isfinite(volume) || !std::isfinite(next)) {
        return std::nullopt;
    }
    return volume;
}

} // namespace viskora::leekesler
