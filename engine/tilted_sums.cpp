#include "engine/tilted_sums.h"

#include <algorithm>

namespace viskora {

TiltedSums::TiltedSums(const double* shares, const double* densities, int count, int mid)
    : shares_(shares), densities_(densities), count_(count), mid_(mid),
      reach_(std::max(mid, count - 1 - mid)) {}

TiltedSums::Sums TiltedSums::at(double tilt) {
    const double moved = std::fabs(tilt - lastTilt_) * reach_;
    lastTilt_ = tilt;
    if (centred_ && std::fabs(tilt - centre_) * reach_ <= kRadius) {
        return series(tilt - centre_);
    }
    // While the tilt still jumps from pass to pass a series would serve one
    // pass at most: summing cut by cut is cheaper than making the moments.
    if (moved > kRadius / 4) {
        return summed(tilt);
    }
    centreAt(tilt);
    return series(0);
}

TiltedSums::Sums TiltedSums::summed(double tilt) const {
    Sums sums;
    forEachFactor(tilt, [&](int i, double factor) {
        const double share = shares_[i] * factor;
        sums.shares += share;
        sums.densityWeighted += share * densities_[i];
    });
    return sums;
}

void TiltedSums::centreAt(double tilt) {
    shareTerms_.fill(0);
    weightedTerms_.fill(0);
    forEachFactor(tilt, [&](int i, double factor) {
        const double offset = i - mid_;
        double term = shares_[i] * factor;
        for (int m = 0; m < kTerms; ++m) {
            shareTerms_[m] += term;
            weightedTerms_[m] += term * densities_[i];
            term *= offset;
        }
    });
    double factorial = 1;
    for (int m = 1; m < kTerms; ++m) {
        factorial *= m;
        shareTerms_[m] /= factorial;
        weightedTerms_[m] /= factorial;
    }
    centre_ = tilt;
    centred_ = true;
}

TiltedSums::Sums TiltedSums::series(double offset) const {
    Sums sums{shareTerms_[kTerms - 1], weightedTerms_[kTerms - 1]};
    for (int m = kTerms - 2; m >= 0; --m) {
        sums.shares = sums.shares * offset + shareTerms_[m];
        sums.densityWeighted = sums.densityWeighted * offset + weightedTerms_[m];
    }
    return sums;
}

} // namespace viskora
