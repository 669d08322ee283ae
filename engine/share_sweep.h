#pragma once

#include "engine/oil_calc.h"

namespace viskora {

// One sweep of the density fit over the active range: every share becomes
// newShare(i), a share of 0 or less is lifted to the floor of 0.0001 %, and
// the shares and the shares times the cut densities are summed. The sums run
// in four interleaved partial sums, so that a sweep is not held up by one
// long chain of dependent additions.
template <typename NewShare> COilCalc::ShareSums COilCalc::sweepShares(NewShare newShare) {
    constexpr int kLanes = 4;
    constexpr double kShareFloor = 0.0001;
    double shares[kLanes] = {};
    double weighted[kLanes] = {};
    const auto visit = [&](int i, int lane) {
        double share = newShare(i);
        share = share <= 0 ? kShareFloor : share;
        cutShare[i] = share;
        shares[lane] += share;
        weighted[lane] += share * cutDensity[i];
    };
    int i = cutFirst;
    for (; i + kLanes <= cutEnd; i += kLanes) {
        for (int lane = 0; lane < kLanes; ++lane) {
            visit(i + lane, lane);
        }
    }
    for (; i < cutEnd; ++i) {
        visit(i, 0);
    }
    return {(shares[0] + shares[1]) + (shares[2] + shares[3]),
            (weighted[0] + weighted[1]) + (weighted[2] + weighted[3])};
}

} // namespace viskora
