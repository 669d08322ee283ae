#include "engine/narrow_cut_viscosity.h"
#include "units/unit_tables.h"

#include "engine/common_correlations.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace viskora {
namespace {

constexpr double kRankinePerKelvin = 1.8;
constexpr double kKelvinAt100F = 310.92778;
constexpr double kKelvinAt210F = 372.03889;
constexpr double kTwuFactorLimit = 0.4;
constexpr double kHighestTwuBoiling = 810.93;   // K, 1000 deg.F
constexpr double kWaterAt60F = 999.0;           // kg/m3
constexpr double kSpecificGravityTemp = 15.556; // deg.C, 60 deg.F
constexpr double kLowestCutViscosity = 0.25;    // mm2/s
constexpr int kShiftNewtonSteps = 50;
const double kLogZAt7 = std::log(7.7); // ln Z at nu = 7 mm2/s

// Twu's correction of the reference n-alkane's viscosity for a cut of
// another gravity: ln(nu + 450/Tb) = ln(nu0 + 450/Tb) ((1 + 2f)/(1 - 2f))^2,
// `logReference` being ln(nu0 + 450/Tb).
double twuCorrected(double logReference, double factor, double offset) {
    const double f = std::clamp(factor, -kTwuFactorLimit, kTwuFactorLimit);
    const double ratio = (1 + 2 * f) / (1 - 2 * f);
    return std::exp(logReference * ratio * ratio) - offset;
}

// The blending number of the viscosity whose Z has the logarithm `logZ`,
// without forming Z itself, which overflows for a residue far below its
// pour point: above nu = 7 mm2/s, where the exponential term of Z is below
// 1e-17 of it, nu + 0.8 = Z + 0.1, so ln(nu + 0.8) = ln Z + ln(1 + 0.1/Z).
// Below, nu comes from Newton's method on the line's own relation.
double blendingNumberOfLogZ(double logZ) {
    if (logZ > kLogZAt7) {
        return 14.534 * std::log(logZ + std::log1p(0.1 * std::exp(-logZ))) + 10.975;
    }
    const double viscosity = walther::viscosityOfZ(std::exp(logZ)).value_or(kLowestCutViscosity);
    return refutasBlendingNumber(std::max(viscosity, kLowestCutViscosity));
}

// ln Z of a viscosity held at the lowest a cut is given: Z is then above
// 1.09, so that its logarithm is above 0.
double logZ(double viscosity) {
    return std::log(walther::z(std::max(viscosity, kLowestCutViscosity)));
}

// The reference of each of the engine's own cuts (35.5 to 834.5 deg.C),
// their boiling points held at Twu's highest.
const std::array<TwuReference, kCutCount>& standardCutReferences() {
    static const std::array<TwuReference, kCutCount> references = [] {
        std::array<TwuReference, kCutCount> table;
        for (int i = 0; i < kCutCount; ++i) {
            table[static_cast<std::size_t>(i)] =
                twuReference(std::min(35.5 + i + kKelvinOffset, kHighestTwuBoiling));
        }
        return table;
    }();
    return references;
}

} // namespace

TwuReference twuReference(double boilingKelvin) {
    const double tb = boilingKelvin * kRankinePerKelvin;
    const double tb2 = tb * tb;
    const double tb4 = tb2 * tb2;
    const double tb13 = tb4 * tb4 * tb4 * tb;
    const double critical = tb / (0.533272 + 0.191017e-3 * tb + 0.779681e-7 * tb2 -
                                  0.284376e-10 * tb2 * tb + 0.959468e28 / tb13);
    const double alpha = 1 - tb / critical;
    const double alpha2 = alpha * alpha;
    const double alpha4 = alpha2 * alpha2;
    const double alpha12 = alpha4 * alpha4 * alpha4;
    TwuReference r;
    r.rankine = tb;
    r.gravity = 0.843593 - 0.128624 * alpha - 3.36159 * alpha2 * alpha - 13749.5 * alpha12;
    const double viscosity210 =
        std::exp(4.73227 - 27.0975 * alpha + 49.4491 * alpha2 - 50.4706 * alpha4) - 1.5;
    const double viscosity100 = std::exp(0.801621 + 1.37179 * std::log(viscosity210));
    r.rootRankine = std::sqrt(tb);
    r.x = std::fabs(1.99873 - 56.7394 / r.rootRankine);
    r.offset = 450 / tb;
    r.log100 = std::log(viscosity100 + r.offset);
    r.log210 = std::log(viscosity210 + r.offset);
    return r;
}

TwuViscosities twuViscosities(const TwuReference& reference, double specificGravity) {
    const double gravityExcess = specificGravity - reference.gravity;
    const double square = 21.1141 * gravityExcess * gravityExcess / reference.rootRankine;
    const double f1 = 1.33932 * reference.x * gravityExcess - square;
    const double f2 = reference.x * gravityExcess - square;
    return {twuCorrected(reference.log100, f1, reference.offset),
            twuCorrected(reference.log210, f2, reference.offset)};
}

TwuViscosities twuViscosities(double boilingKelvin, double specificGravity) {
    return twuViscosities(twuReference(boilingKelvin), specificGravity);
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
        // Each step squares the error (relative to the density): a step below
        // 1e-6 leaves one below about 1e-12.
        const bool settled = std::fabs(next - shift) <= 1e-6 * density20;
        shift = next;
        if (settled) {
            return shift;
        }
    }
    return std::nullopt;
}

std::optional<CutArray> volumeAdditiveDensities(const CutDistribution& cuts, double density20) {
    const std::optional<double> shift = volumeAdditiveShift(cuts, density20);
    if (!shift) {
        return std::nullopt;
    }
    CutArray shifted = cuts.density;
    for (int i = cuts.first; i < cuts.end; ++i) {
        shifted[i] = cuts.density[i] + *shift;
    }
    return shifted;
}

bool drawCutViscosityLines(const CutDistribution& oil, double density20, CutViscosityLines& lines) {
    const std::optional<CutArray> shifted = volumeAdditiveDensities(oil, density20);
    if (!shifted) {
        return false;
    }
    drawCutViscosityLinesAtDensities({oil.low, oil.high, *shifted, oil.share, oil.first, oil.end},
                                     lines);
    return true;
}

void drawCutViscosityLinesAtDensities(const CutDistribution& oil, CutViscosityLines& lines) {
    const double logSpan = std::log(kKelvinAt210F / kKelvinAt100F);
    const auto& standard = standardCutReferences();
    for (int i = oil.first; i < oil.end; ++i) {
        if (!(oil.share[i] > 0)) {
            continue;
        }
        const bool standardCut = oil.low[i] == 35 + i && oil.high[i] == 36 + i;
        const double midpoint =
            std::min((oil.low[i] + oil.high[i]) / 2 + kKelvinOffset, kHighestTwuBoiling);
        const TwuViscosities twu = twuViscosities(
            standardCut ? standard[static_cast<std::size_t>(i)] : twuReference(midpoint),
            cutSpecificGravity(oil.density[i]));
        const double logZ100F = logZ(twu.at100F);
        const double slope = std::max(0.0, std::log(logZ100F / logZ(twu.at210F)) / logSpan);
        lines.logZ100F[i] = logZ100F;
        lines.b[i] = slope;
    }
}

std::optional<CutArray> rowShiftedDensities(const CutDistribution& oil,
                                            const std::vector<CutRowDensity>& rows) {
    CutArray shifted = oil.density;
    for (const CutRowDensity& row : rows) {
        const int first = std::max(row.first, oil.first);
        const int end = std::min(row.end, oil.end);
        if (first >= end) {
            return std::nullopt;
        }
        const std::optional<double> shift = volumeAdditiveShift(
            {oil.low, oil.high, oil.density, oil.share, first, end}, row.density20);
        if (!shift) {
            return std::nullopt;
        }
        for (int i = first; i < end; ++i) {
            shifted[i] = oil.density[i] + *shift;
        }
    }
    return shifted;
}

double blendedCutViscosity(const CutViscosityLines& lines, const CutDistribution& part,
                           double tempC) {
    const double logKelvin = std::log((tempC + kKelvinOffset) / kKelvinAt100F);
    double massSum = 0;
    double numberSum = 0;
    for (int i = part.first; i < part.end; ++i) {
        const double share = part.share[i];
        if (!(share > 0)) {
            continue;
        }
        const double logZAtT = lines.logZ100F[i] * std::exp(-lines.b[i] * logKelvin);
        numberSum += share * blendingNumberOfLogZ(logZAtT);
        massSum += share;
    }
    if (!(massSum > 0)) {
        return 0;
    }
    return viscosityOfBlendingNumber(numberSum / massSum);
}

} // namespace viskora
