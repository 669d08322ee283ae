#include "engine/walther.h"

#include <cmath>

namespace viskora::walther {
namespace {

constexpr int kNewtonSteps = 60;

} // namespace

double z(double viscosity) {
    // Above 7 mm2/s the exponential term (below 1e-17) no longer changes
    // the sum in a double, and is not worked out.
    if (viscosity > 7) {
        return viscosity + 0.7;
    }
    return viscosity + 0.7 + std::exp(-1.47 - 1.84 * viscosity - 0.51 * viscosity * viscosity);
}

std::optional<double> ordinate(double viscosity) {
    if (!std::isfinite(viscosity)) {
        return std::nullopt;
    }
    const double zValue = z(viscosity);
    if (!(zValue > 1)) {
        return std::nullopt;
    }
    return std::log10(std::log10(zValue));
}

std::optional<double> viscosityAt(double ordinate) {
    return viscosityOfZ(std::pow(10.0, std::pow(10.0, ordinate)));
}

std::optional<double> viscosityOfZ(double target) {
    if (!std::isfinite(target) || !(target > 1)) {
        return std::nullopt;
    }
    // Halley's steps (Newton's with the curvature, which triples the
    // correct digits each step), started one fixed-point step beyond
    // Z - 0.7, where most of the exponential term is already taken off.
    const double first = target - 0.7;
    double nu = first - std::exp(-1.47 - 1.84 * first - 0.51 * first * first);
    for (int step = 0; step < kNewtonSteps; ++step) {
        const double tail = std::exp(-1.47 - 1.84 * nu - 0.51 * nu * nu);
        const double rise = -1.84 - 1.02 * nu; // of the exponent
        const double f = nu + 0.7 + tail - target;
        const double slope = 1 + rise * tail;
        const double curvature = (rise * rise - 1.02) * tail;
        const double next = nu - 2 * f * slope / (2 * slope * slope - f * curvature);
        if (!std::isfinite(next)) {
            return std::nullopt;
        }
        const bool settled = std::fabs(next - nu) <= 1e-15 * std::fmax(1.0, std::fabs(nu));
        nu = next;
        if (settled) {
            break;
        }
    }
    if (!(nu > 0)) {
        return std::nullopt;
    }
    return nu;
}

double Line::ordinateAt(double kelvin) const {
    return a - b * std::log10(kelvin);
}

std::optional<double> Line::viscosityAt(double kelvin) const {
    if (!(kelvin > 0) || !std::isfinite(kelvin)) {
        return std::nullopt;
    }
    return walther::viscosityAt(ordinateAt(kelvin));
}

std::optional<Line> lineThrough(double viscosity1, double kelvin1, double viscosity2,
                                double kelvin2) {
    const auto w1 = ordinate(viscosity1);
    const auto w2 = ordinate(viscosity2);
    if (!w1 || !w2 || !(kelvin1 > 0) || !(kelvin2 > 0) || kelvin1 == kelvin2 ||
        !std::isfinite(kelvin1) || !std::isfinite(kelvin2)) {
        return std::nullopt;
    }
    const double slope = (*w1 - *w2) / (std::log10(kelvin2) - std::log10(kelvin1));
    if (!(slope > 0)) {
        return std::nullopt;
    }
    return lineThrough(viscosity1, kelvin1, slope);
}

std::optional<Line> lineThrough(double viscosity, double kelvin, double slope) {
    const auto w = ordinate(viscosity);
    if (!w || !(kelvin > 0) || !std::isfinite(kelvin) || !std::isfinite(slope)) {
        return std::nullopt;
    }
    return Line{*w + slope * std::log10(kelvin), slope};
}

} // namespace viskora::walther
