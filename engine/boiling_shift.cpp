#include "engine/boiling_shift.h"

#include "engine/common_correlations.h"
#include "engine/correlation_constants.h"

#include <cmath>

namespace viskora::boiling {

// The pressure relative to the atmospheric one, as a decimal logarithm
// formed from natural ones.
AshworthShift::AshworthShift(double pressure)
    : log10RelativePressure_(std::log(pressure * (1 / kAtmosphericPressure)) / std::log(10.0)) {}

double AshworthShift::operator()(double boilingC) const {
    const double f0 = 1 / ashworthFunction(boilingC + kKelvinOffset);
    const double fP = f0 - log10RelativePressure_ * (f0 - kAshworthAsymptote) / kAshworthSlope;
    return ashworthTemperature(1 / fP) - kKelvinOffset;
}

} // namespace viskora::boiling
