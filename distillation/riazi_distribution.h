#pragma once

#include <optional>
#include <span>

namespace viskora::distillation {

// The distribution function of boiling points in a petroleum fraction
// (Riazi, "Characterization and Properties of Petroleum Fractions", ASTM
// MNL50, 2005, eq. 4.56):
//   T = T0 [1 + (A/B ln(1/(1 - x)))^(1/B)],
// x the fraction distilled (0 <= x < 1), T and T0 (the initial boiling
// point) in K. It rises without bound as x approaches 1.
struct RiaziDistribution {
    double t0 = 0;
    double a = 0;
    double b = 0;

    double temperature(double fraction) const;
};

// A least-squares fit and its coefficient of determination in T.
struct RiaziFit {
    RiaziDistribution distribution;
    double rSquared = 0;
    // With only two points B is not fitted but held at a typical 1.5.
    bool shapeHeld = false;
};

// Fits T0, A and B by Levenberg-Marquardt on the temperatures (K) at the
// fractions (0 <= x < 1); points at x >= 1 must be left out. Two points fit
// T0 and A with B held; fewer give nothing. Nothing also when no start
// reaches a finite fit.
// Worked value (Riazi 2005, Ex. 4.7): x = 0.261 ... 0.991 at 365 ... 573 K
// give T0 = 327 K, A = 0.2028, B = 1.3802.
std::optional<RiaziFit> fitRiaziDistribution(std::span<const double> fractions,
                                             std::span<const double> temperatures);

} // namespace viskora::distillation
