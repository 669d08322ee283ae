// The oil's mass distribution over the narrow cuts: either the built-in
// typical distribution tilted until its density matches the given one, or
// the fraction table spread evenly over the cuts inside each fraction.
#include "engine/oil_calc.h"

#include "engine/message_texts.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace viskora {
namespace {

constexpr int kFitPasses = 500;
constexpr double kRenormaliseTolerance = 0.00001;
constexpr double kResidualTolerance = 0.0001;
// The renormalisation converges geometrically within a few passes; the
// bound only keeps a damaged distribution from spinning.
constexpr int kMaxRenormalisePasses = 10000;

// A share of 0 or less is lifted to this, in per cent.
constexpr double kShareFloor = 0.0001;

// The steepest tilt of the density fit whose shares are made from its sums:
// the shares then span at most exp(650) from the smallest to the largest,
// and a far cut's share (about exp(-2 |K| reach) of 100 %) stays above
// 1e-280, clear of the smallest double (2.2e-308), where the fit lifts
// shares that underflow to the floor, cut by cut.
constexpr double kMostShareSpanExponent = 650;

// What a tilt of the fit gives: the sums of the tilted distribution, and
// whether the distribution is exactly the one it was before.
struct TiltOutcome {
    TiltedSums::Sums sums;
    bool unchanged;
};

// What the passes of the fit leave: the density residual, kg/m3, and the
// renormalising scale not yet applied to the shares.
struct FitEnd {
    double residual;
    double pendingScale;
};

// The tilt-step search of the density fit, whatever makes the sums. Each
// pass halves and reverses the step when the density residual has changed
// sign, tilts the distribution by exp(k (i - mid)) with k = 2 step / n,
// where `tiltBy(k, pendingScale)` first applies the renormalising scale
// still pending and returns the tilt's outcome, or nothing when it cannot
// tilt that far; then it renormalises the shares to 100 % on the sums
// alone (multiplying every share by one factor scales the sums exactly but
// for rounding) and leaves that scale pending for the next tilt.
template <typename TiltBy>
std::optional<FitEnd> searchTilt(double density, double residual, double step, int n,
                                 TiltBy tiltBy) {
    double previousResidual = residual;
    double pendingScale = 1.0;
    for (int pass = 0; pass < kFitPasses; ++pass) {
        if ((previousResidual > 0 && residual < 0) || (previousResidual < 0 && residual > 0)) {
            step = -0.5 * step;
        }
        previousResidual = residual;

        const std::optional<TiltOutcome> tilted = tiltBy(2 * step / n, pendingScale);
        if (!tilted) {
            return std::nullopt;
        }
        double scale = 1.0;
        double shareSum = tilted->sums.shares;
        if (shareSum != 100) {
            for (int round = 0;
                 round < kMaxRenormalisePasses && std::fabs(100 - shareSum) > kRenormaliseTolerance;
                 ++round) {
                scale *= std::exp((100 - shareSum) / n);
                shareSum = tilted->sums.shares * scale;
            }
        }
        const double newResidual = density - tilted->sums.densityWeighted * scale / 100;

        // The remaining passes change nothing, to the bit, once a pass has
        // (1) left the distribution exactly as it found it, (2) needed no
        // renormalising scale, and (3) left the residual exactly as it found
        // it. Proof: the next pass finds residual == previousResidual by
        // (3), which is no change of sign, so it keeps the step and tilts by
        // the same k with no scale pending by (2); a tilt that left the
        // distribution unchanged does so again (its factors are all exactly
        // 1, or its k too small to move the tilt), so that pass adds the
        // same numbers in the same order, gets the same sums, hence scale 1
        // and the same residual: it ends in the state this one ends in, and
        // so does every pass after it.
        const bool settled = tilted->unchanged && scale == 1.0 && newResidual == residual;
        pendingScale = scale;
        residual = newResidual;
        if (settled) {
            break;
        }
    }
    return FitEnd{residual, pendingScale};
}

} // namespace

// One side of a tilt: the `count` cuts from `from` on in `direction` (+1 or
// -1) take share x start x ratio^j, j = 0, 1, ..., a share of 0 or less is
// lifted to the floor, and the shares and the shares times the cut
// densities are summed. The factors are made in four interleaved chains of
// multiplications, each going on by ratio^4, and summed in four partial
// sums, so that no product or sum waits long on the one before. Every
// product adds at most half an ulp of rounding, so the factor of the cut j
// places on is within about j / 4 + 4 ulp of start x ratio^j. The factors
// are positive, so a share reaches 0 only by underflow, far outside the
// density range: the loop only watches for it, and liftAndSumSide lifts.
TiltedSums::Sums COilCalc::tiltSide(int from, int direction, int count, double start,
                                    double ratio) {
    const double ratio2 = ratio * ratio;
    const double stride = ratio2 * ratio2;
    double factor0 = start;
    double factor1 = start * ratio;
    double factor2 = start * ratio2;
    double factor3 = factor1 * ratio2;
    double shares0 = 0, shares1 = 0, shares2 = 0, shares3 = 0;
    double weighted0 = 0, weighted1 = 0, weighted2 = 0, weighted3 = 0;
    double lowest = 1;
    const auto tilt = [this](int i, double factor, double& shares, double& weighted) {
        const double share = cutShare[i] * factor;
        cutShare[i] = share;
        shares += share;
        weighted += share * cutDensity[i];
        return share;
    };
    int j = 0;
    for (; j + 4 <= count; j += 4) {
        const int i = from + j * direction;
        const double share0 = tilt(i, factor0, shares0, weighted0);
        const double share1 = tilt(i + direction, factor1, shares1, weighted1);
        const double share2 = tilt(i + 2 * direction, factor2, shares2, weighted2);
        const double share3 = tilt(i + 3 * direction, factor3, shares3, weighted3);
        lowest = std::min(lowest, std::min(std::min(share0, share1), std::min(share2, share3)));
        factor0 *= stride;
        factor1 *= stride;
        factor2 *= stride;
        factor3 *= stride;
    }
    for (; j < count; ++j) {
        lowest = std::min(lowest, tilt(from + j * direction, factor0, shares0, weighted0));
        factor0 *= ratio;
    }
    if (lowest <= 0) {
        return liftAndSumSide(from, direction, count);
    }
    return {(shares0 + shares1) + (shares2 + shares3),
            (weighted0 + weighted1) + (weighted2 + weighted3)};
}

// The rare end of a tilt in which a share underflowed to 0: every share of
// the side at 0 or below is lifted to the floor, and the side is summed
// again, each cut into the same partial sum as in tiltSide, so that the sums
// are those of a sweep that had lifted the shares as it went.
TiltedSums::Sums COilCalc::liftAndSumSide(int from, int direction, int count) {
    double shares[4] = {};
    double weighted[4] = {};
    const int interleaved = count - count % 4;
    for (int j = 0; j < count; ++j) {
        const int i = from + j * direction;
        if (cutShare[i] <= 0) {
            cutShare[i] = kShareFloor;
        }
        const int lane = j < interleaved ? j % 4 : 0;
        shares[lane] += cutShare[i];
        weighted[lane] += cutShare[i] * cutDensity[i];
    }
    return {(shares[0] + shares[1]) + (shares[2] + shares[3]),
            (weighted[0] + weighted[1]) + (weighted[2] + weighted[3])};
}

double COilCalc::cutMixtureDensity() const {
    double sum = 0;
    for (int i = cutFirst; i < cutEnd; ++i) {
        sum += cutShare[i] * cutDensity[i];
    }
    return sum / 100;
}

// Density-only fit: tilts the typical distribution about its middle cut,
// halving and reversing the tilt step whenever the density residual changes
// sign, and renormalises the shares to 100 % after every tilt. Every tilt
// and scale multiplies each share by a factor, so the distribution after any
// pass is the typical one times exp(K (i - mid)) times S, K the tilts and S
// the scales so far: the passes run on the sums of that distribution
// (TiltedSums) and the shares are made once at the end. Only a tilt so
// steep that the far shares near the smallest double, far outside the
// density range, is made cut by cut, as the shares there are lifted to the
// floor when they underflow.
void COilCalc::fitDensityOnly() {
    cutFirst = 0;
    cutEnd = 515;
    const int n = cutEnd - cutFirst;
    const int mid = cutFirst + n / 2;
    double lo = 0;
    for (int i = cutFirst; i < mid; ++i) {
        lo += cutDefaultShare[i] * cutDensity[i] / 100;
    }
    double hi = 0;
    for (int i = mid + 1; i < cutEnd; ++i) {
        hi += cutDefaultShare[i] * cutDensity[i] / 100;
    }
    for (int i = cutFirst; i < cutEnd; ++i) {
        cutShare[i] = cutDefaultShare[i];
    }
    const double residual = density - cutMixtureDensity();
    const double step = 0.5 * residual / (hi - lo);

    TiltedSums typical(&cutDefaultShare[cutFirst], &cutDensity[cutFirst], n, mid - cutFirst);
    double tilt = 0;
    double scale = 1;
    const auto tiltBySums = [&](double k, double pendingScale) -> std::optional<TiltOutcome> {
        const bool unchanged = tilt + k == tilt && pendingScale == 1.0;
        tilt += k;
        scale *= pendingScale;
        if (2 * std::fabs(tilt) * typical.reach() > kMostShareSpanExponent) {
            return std::nullopt;
        }
        const TiltedSums::Sums sums = typical.at(tilt);
        return TiltOutcome{{sums.shares * scale, sums.densityWeighted * scale}, unchanged};
    };
    std::optional<FitEnd> end = searchTilt(density, residual, step, n, tiltBySums);
    if (end) {
        const double finalScale = scale * end->pendingScale;
        typical.forEachFactor(tilt, [&](int i, double factor) {
            cutShare[cutFirst + i] = cutDefaultShare[cutFirst + i] * factor * finalScale;
        });
    } else {
        // The tilt is applied to the shares pass by pass: the factors are
        // the powers of exp(k) upwards from the middle cut (whose factor is
        // 1) and of its reciprocal downwards, the pending scale riding along
        // as the first factor of each side. The reciprocal of exp(k) is 1
        // exactly when exp(k) is, so a step too small to change exp(k)
        // makes every factor 1.
        const auto tiltByCuts = [&](double k, double pendingScale) -> std::optional<TiltOutcome> {
            const double up = std::exp(k);
            const double down = 1 / up;
            const TiltedSums::Sums upper = tiltSide(mid, 1, cutEnd - mid, pendingScale, up);
            const TiltedSums::Sums lower =
                tiltSide(mid - 1, -1, mid - cutFirst, pendingScale * down, down);
            return TiltOutcome{
                {upper.shares + lower.shares, upper.densityWeighted + lower.densityWeighted},
                up == 1.0 && pendingScale == 1.0};
        };
        end = searchTilt(density, residual, step, n, tiltByCuts);
        tiltSide(cutFirst, 1, cutEnd - cutFirst, end->pendingScale, 1.0);
    }

    if (std::fabs(end->residual) > kResidualTolerance) {
        for (int i = cutFirst; i < cutEnd; ++i) {
            cutDensity[i] += end->residual;
        }
    }
}

double COilCalc::fractionShareSum() const {
    double sum = 0;
    for (int row = 1; row <= fracCount; ++row) {
        sum += fracShare[row];
    }
    return std::fabs(sum - 100) <= kShareSumTolerance ? 100 : sum;
}

// Fraction table: each fraction's share is spread evenly over the whole cuts
// inside it; a remainder fraction up to the table top takes what the shares
// leave short of 100 %. The cut densities are then shifted so that the
// mixture has the given density, or the density is taken from the mixture.
bool COilCalc::distributeFractions() {
    double tableTop = cutHigh[cutEnd - 1];

    // First cut: the last one whose lower boundary is at or below the start.
    int firstCut = cutFirst;
    if (cutLow[cutFirst] >= fracStart[1]) {
        fracStart[1] = cutLow[cutFirst];
    } else {
        int i = cutFirst;
        while (i < kCutCount && cutLow[i] <= fracStart[1]) {
            ++i;
        }
        firstCut = std::max(i - 1, cutFirst);
    }

    // End cut: one past the last cut whose upper boundary does not exceed
    // the end of the last fraction. Both searches stop at the table's ends.
    const double lastEnd = fracEnd[fracCount];
    int endCut = cutEnd;
    if (cutHigh[cutEnd - 1] <= lastEnd) {
        tableTop = cutHigh[kCutCount - 1];
        int i = cutEnd - 1;
        while (i < kCutCount && cutHigh[i] <= lastEnd) {
            ++i;
        }
        endCut = i;
        cutEnd = kCutCount;
    } else if (lastEnd == 0) {
        fracEnd[fracCount] = tableTop;
    } else {
        int i = cutEnd - 1;
        while (i >= 0 && cutHigh[i] > lastEnd) {
            --i;
        }
        endCut = i + 1;
    }

    const double shareSum = fractionShareSum();
    const bool remainderAdded = shareSum < 100;
    if (remainderAdded) {
        ++fracCount;
        fracStart[fracCount] = fracEnd[fracCount - 1];
        fracEnd[fracCount] = tableTop;
        fracShare[fracCount] = 100 - shareSum;
        endCut = cutEnd;
    }

    cutFirst = firstCut;
    cutEnd = endCut;

    for (int row = 1; row <= fracCount; ++row) {
        fracCutCount[row] = 0;
        for (int i = cutFirst; i < cutEnd; ++i) {
            if (fracStart[row] <= cutLow[i] && fracEnd[row] >= cutHigh[i]) {
                ++fracCutCount[row];
            }
        }
    }
    // A fraction without a whole cut would lose its share, and every property
    // after it would be computed from shares that do not add up to 100 %.
    // A remainder that was to run up to the top of the table finds no cut
    // when the last fraction ends inside the last cut or beyond it: the
    // shortfall itself is then the fault, and the message says so.
    const bool remainderAtTop = remainderAdded && tableTop == cutHigh[kCutCount - 1];
    for (int row = 1; row <= fracCount; ++row) {
        if (fracCutCount[row] == 0 && fracShare[row] != 0) {
            const bool isRemainder = remainderAdded && row == fracCount;
            reportInputError(isRemainder && remainderAtTop ? texts::kSharesShortWithoutRange
                                                           : texts::kFractionWithoutCut);
            return false;
        }
    }
    for (int row = 1; row <= fracCount; ++row) {
        for (int i = cutFirst; i < cutEnd; ++i) {
            if (fracStart[row] <= cutLow[i] && fracEnd[row] >= cutHigh[i]) {
                cutShare[i] = fracShare[row] / fracCutCount[row];
            }
        }
    }

    const double mixture = cutMixtureDensity();
    if (density == 0) {
        density = mixture;
    } else {
        for (int i = cutFirst; i < cutEnd; ++i) {
            cutDensity[i] += density - mixture;
        }
    }
    return true;
}

} // namespace viskora
