#include "engine/narrow_cut_viscosity.h"

#include "engine/common_correlations.h"

#include <algorithm>
#include <cmath>

namespace viskora {
namespace {

constexpr double kRankinePerKelvin = 1.8;
constexpr double kKelvinAt100F = 310.92778;
constexpr double kKelvinAt210F = 372.03889;
constexpr double kTwuFactorLimit = 0.4;
constexpr double kHighestTwuBoiling = 810.93; // K, 1000 deg.F
constexpr double kWaterAt60F = 999.0;           // kg/m3
constexpr double kSpecificGravityTemp = 15.556; // deg.C, 60 deg.F
constexpr double kLowestCutViscosity = 0.25;    // mm2/s
constexpr int kShiftNewtonSteps = 50;

// Twu's correction of the reference n-alkane's viscosity for a cut of
// another gravity: ln(nu + 450/Tb) = ln(nu0 + 450/Tb) ((1 + 2f)/(1 - 2f))^2.
double twuCorrected(double referenceViscosity, double factor, double rankine) {
    const double f = std::clamp(factor, -kTwuFactorLimit, kTwuFactorLimit);
    const double ratio = (1 + 2 * f) / (1 - 2 * f);
    const double offset = 450 / rankine;
    return std::exp(std::log(referenceViscosity + offset) * ratio * ratio) - offset;
}

// The blending number of the viscosity at a Walther ordinate w. Above
// w = 2 (Z above 1e100) nu + 0.8 and Z agree to the last bit, so
// ln(ln(nu + 0.8)) = w ln 10 + ln(ln 10) is taken straight from the
// ordinate; a residue far below its pour point would otherwise overflow.
double blendingNumberAt(double ordinate) {
    if (ordinate > 2) {
        return 14.534 * (ordinate * std::log(10.0) + std::log(std::log(10.0))) + 10.975;
    }
    const double viscosity = walther::viscosityAt(ordinate).value_or(kLowestCutViscosity);
    return refutasBlendingNumber(std::max(viscosity, kLowestCutViscosity));
}

} // namespace

TwuViscosities twuViscosities(double boilingKelvin, double specificGravity) {
    const double tb = boilingKelvin * kRankinePerKelvin;
    const double tb2 = tb * tb;
    const double critical = tb / (0.533272 + 0.191017e-3 * tb + 0.779681e-7 * tb2 -
                                  0.284376e-10 * tb2 * tb + 0.959468e28 / std::pow(tb, 13));
    const double alpha = 1 - tb / critical;
    const double referenceGravity =
        0.843593 - 0.128624 * alpha - 3.36159 * std::pow(alpha, 3) - 13749.5 * std::pow(alpha, 12);
    const double reference210 = std::exp(4.73227 - 27.0975 * alpha + 49.4491 * alpha * alpha -
                                         50.4706 * std::pow(alpha, 4)) -
                                1.5;
    const double reference100 = std::exp(0.801621 + 1.37179 * std::log(reference210));

    const double gravityExcess = specificGravity - referenceGravity;
    const double rootTb = std::sqrt(tb);
    const double x = std::fabs(1.99873 - 56.7394 / rootTb);
    const double square = 21.1141 * gravityExcess * gravityExcess / rootTb;
    const double f1 = 1.33932 * x * gravityExcess - square;
    const double f2 = x * gravityExcess - square;
    return {twuCorrected(reference100, f1, tb), twuCorrected(reference210, f2, tb)};
}

double refutasBlendingNumber(double viscosity) {
    return 14.534 * std::log(std::log(viscosity + 0.8)) + 10.975;
}

double viscosityOfBlendingNumber(double blendingNumber) {
    return std::exp(std::exp((blendingNumber - 10.975) / 14.534)) - 0.8;
}

double cutSpecificGravity(double density20) {
    const double d20 = density20 / 1000;
    return relativeDensityAt(d20, kSpecificGravityTemp, 20) * 1000 / kWaterAt60F;
}

std::optional<double> volumeAdditiveShift(const CutDistribution& cuts, double density20) {
    double massSum = 0;
    double lightest = 0;
    for (int i = cuts.first; i < cuts.end; ++i) {
        if (cuts.share[i] > 0) {
            lightest = massSum > 0 ? std::min(lightest, cuts.density[i]) : cuts.density[i];
            massSum += cuts.share[i];
        }
    }
    if (!(massSum > 0) || !(density20 > 0) || !std::isfinite(density20)) {
        return std::nullopt;
    }
    // g(s) = sum(w_i / (rho_i + s)) - 1/density20 falls and is convex for
    // s above -lightest, so Newton's steps from the left of the root rise
    // monotonically onto it. The shift of the mass average starts there:
    // the mass average is never below the volume-additive one.
    const double target = 1 / density20;
    double shift = 0;
    for (int i = cuts.first; i < cuts.end; ++i) {
        shift += cuts.share[i] * cuts.density[i];
    }
    shift = density20 - shift / massSum;
    if (!(lightest + shift > 0)) {
        return std::nullopt;
    }
    for (int step = 0; step < kShiftNewtonSteps; ++step) {
        double g = -target;
        double slope = 0;
        for (int i = cuts.first; i < cuts.end; ++i) {
            if (cuts.share[i] > 0) {
                const double inverse = 1 / (cuts.density[i] + shift);
                g += cuts.share[i] / massSum * inverse;
                slope -= cuts.share[i] / massSum * inverse * inverse;
            }
        }
        double next = shift - g / slope;
        if (!std::isfinite(next)) {
            return std::nullopt;
        }
        // A step from the right of the root can overshoot past the
        // lightest cut's pole; halve the way there instead.
        if (!(lightest + next > 0)) {
            next = (shift - lightest) / 2;
        }
        const bool settled = std::fabs(next - shift) <= 1e-12 * density20;
        shift = next;
        if (settled) {
            return shift;
        }
    }
    return std::nullopt;
}

std::optional<CutViscosityLines> cutViscosityLines(const CutDistribution& oil, double density20) {
    const std::optional<double> shift = volumeAdditiveShift(oil, density20);
    if (!shift) {
        return std::nullopt;
    }
    const double log100F = std::log10(kKelvinAt100F);
    const double log210F = std::log10(kKelvinAt210F);
    CutViscosityLines lines;
    for (int i = oil.first; i < oil.end; ++i) {
        if (!(oil.share[i] > 0)) {
            continue;
        }
        const double midpoint = (oil.low[i] + oil.high[i]) / 2 + 273.15;
        const TwuViscosities twu = twuViscosities(std::min(midpoint, kHighestTwuBoiling),
                                                  cutSpecificGravity(oil.density[i] + *shift));
        const auto w1 = walther::ordinate(std::max(twu.at100F, kLowestCutViscosity));
        const auto w2 = walther::ordinate(std::max(twu.at210F, kLowestCutViscosity));
        if (!w1 || !w2) {
            return std::nullopt;
        }
        const double slope = std::max(0.0, (*w1 - *w2) / (log210F - log100F));
        lines.a[i] = *w1 + slope * log100F;
        lines.b[i] = slope;
    }
    return lines;
}

double blendedCutViscosity(const CutViscosityLines& lines, const CutDistribution& part,
                           double tempC) {
    const double logKelvin = std::log10(tempC + 273.15);
    double massSum = 0;
    double numberSum = 0;
    for (int i = part.first; i < part.end; ++i) {
        const double share = part.share[i];
        if (!(share > 0)) {
            continue;
        }
        numberSum += share * blendingNumberAt(lines.a[i] - lines.b[i] * logKelvin);
        massSum += share;
    }
    if (!(massSum > 0)) {
        return 0;
    }
    return viscosityOfBlendingNumber(numberSum / massSum);
}

} // namespace viskora
