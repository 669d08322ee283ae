#include "engine/boiling_shift.h"

#include "engine/int_power.h"

#include <cmath>

namespace viskora::boiling {

// 9.900990099009901 is 1 / 0.101: the pressure relative to the atmospheric
// one, as a decimal logarithm formed from natural ones.
AshworthShift::AshworthShift(double pressure)
    : log10RelativePressure_(std::log(pressure * 9.900990099009901) / std::log(10.0)) {}

double AshworthShift::operator()(double boilingC) const {
    const double f0 = 1 / (std::sqrt(intPower(boilingC + 273.15, 2) + 108000) - 307.6);
    const double fP = f0 - log10RelativePressure_ * (f0 - 0.0008) / 2.68;
    return std::sqrt(intPower(1 / fP + 307.6, 2) - 108000) - 273.15;
}

} // namespace viskora::boiling
