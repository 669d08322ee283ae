#pragma once

#include <array>
#include <cmath>

namespace viskora {

// The sums of a cut distribution tilted about its middle cut: for a tilt K,
// the shares w_i exp(K (i - mid)) and the same times the cut densities
// d_i, summed over the cuts. The density fit asks for them once a pass, for
// a tilt that moves less and less as the fit settles, so near a centre K0
// they come from the Taylor series in K - K0 of both sums, whose
// coefficients are the moments sum_i w_i (i - mid)^m exp(K0 (i - mid)) / m!
// (and the same with w_i d_i). Within the radius |K - K0| (i - mid) <= 0.1
// the first term left out is below 0.1^12 / 12! = 2e-21 of the sum, so the
// twelve terms give the sums to rounding. A tilt that still moves fast is
// summed cut by cut instead.
class TiltedSums {
  public:
    struct Sums {
        double shares = 0;          // per cent of mass
        double densityWeighted = 0; // per cent x kg/m3
    };

    // shares: the untilted shares of `count` cuts, per cent; densities:
    // their densities, kg/m3; mid: the index of the middle cut. Both arrays
    // must outlive the object.
    TiltedSums(const double* shares, const double* densities, int count, int mid);

    Sums at(double tilt);

    // exp(tilt (i - mid)) for every cut i, from the same products the sums
    // are made of: powers of exp(tilt) outwards from the middle cut, each
    // within about 260 ulp of the exponential at the far ends.
    template <typename Use> void forEachFactor(double tilt, Use use) const {
        const double up = std::exp(tilt);
        const double down = 1 / up;
        double upper = 1;
        double lower = 1;
        for (int j = 0; mid_ + j < count_ || mid_ - j >= 0; ++j) {
            if (mid_ + j < count_) {
                use(mid_ + j, upper);
            }
            if (j > 0 && mid_ - j >= 0) {
                use(mid_ - j, lower);
            }
            upper *= up;
            lower *= down;
        }
    }

    // The farthest cut's distance from the middle cut, in cuts.
    int reach() const { return reach_; }

  private:
    static constexpr int kTerms = 12;
    static constexpr double kRadius = 0.1;

    Sums summed(double tilt) const;
    void centreAt(double tilt);
    Sums series(double offset) const;

    const double* shares_;
    const double* densities_;
    int count_;
    int mid_;
    int reach_;
    bool centred_ = false;
    double centre_ = 0;
    double lastTilt_ = 0;
    std::array<double, kTerms> shareTerms_{};
    std::array<double, kTerms> weightedTerms_{};
};

} // namespace viskora
