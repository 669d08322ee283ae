#include "engine/boiling_shift.h"

#include "engine/int_power.h"

#include <cmath>

namespace viskora::boiling {

double ashworthBoilingPointAtPressure(double boilingC, double pressure) {
    const double f0 = 1 / (std::sqrt(intPower(boilingC + 273.15, 2) + 108000) - 307.6);
    // 9.900990099009901 is 1 / 0.101: the pressure relative to the
    // atmospheric one, as a decimal logarithm formed from natural ones.
    const double fP =
        f0 - std::log(pressure * 9.900990099009901) / std::log(10.0) * (f0 - 0.0008) / 2.68;
    return std::sqrt(intPower(1 / fP + 307.6, 2) - 108000) - 273.15;
}

} // namespace viskora::boiling
