#pragma once

#include <optional>

namespace viskora::leekesler {

// One of the two fluids of the Lee-Kesler corresponding-states method, with
// the tolerance of its reduced-volume iteration.
struct Fluid {
    double b1, b2, b3, b4;
    double c1, c2, c3, c4;
    double d1, d2;
    double beta, gamma;
    double tolerance;
};

inline constexpr Fluid kSimpleFluid{0.1181193, 0.265728, 0.15479,  0.030323,   0.0236744,
                                    0.0186984, 0,        0.042724, 1.55488e-5, 6.23689e-5,
                                    0.65392,   0.060167, 0.001};
inline constexpr Fluid kReferenceFluid{0.2026579, 0.331511, 0.027655, 0.203488,  0.0313385,
                                       0.0503618, 0.016901, 0.041577, 4.8736e-5, 7.40336e-6,
                                       1.226,     0.03754,  0.01};
inline constexpr double kReferenceAcentric = 0.3978;

// Rounds of the volume iteration before it is given up. Ordinary states
// converge within a few dozen; states that need more converge, if at all, to
// values without physical meaning.
inline constexpr int kMaxVolumeRounds = 10000;

// The fluid's compressibility factor Z at one reduced temperature Tr as a
// function of the reduced volume V (the Benedict-Webb-Rubin form of the
// method); the coefficients that depend on Tr alone are formed once.
class Compressibility {
  public:
    Compressibility(const Fluid& fluid, double reducedTemp);

    double operator()(double reducedVolume) const;

  private:
    const Fluid& fluid_;
    double b_;
    double c_;
    double d_;
    double reducedTempCubed_;
};

// The fluid's reduced volume at Tr and Pr by the damped fixed-point
// iteration V <- (V + Tr Z(V) / Pr) / 2 from V = 100, until the relative
// change of the estimate is within the fluid's tolerance. Nothing when the
// iteration has not settled after `maxRounds` rounds or has left the numbers.
std::optional<double> reducedVolume(const Fluid& fluid, double reducedTemp, double reducedPressure,
                                    int maxRounds = kMaxVolumeRounds);

} // namespace viskora::leekesler
