// Design-state questions and the split of the oil into the part boiled off
// at the design state (the gas part) and the rest (the liquid part).
#include "engine/oil_calc.h"

#include "engine/boiling_shift.h"
#include "engine/message_texts.h"

#include <cmath>

namespace viskora {

bool COilCalc::splitPhases() {
    pseudoCritTempFrozen = 1;
    if (pseudoCritTemp < designTemp && !askQuestion(texts::kAbovePseudoCritical)) {
        return false;
    }
    if (designTemp < 0 && !askQuestion(texts::kDesignTempBelowZero)) {
        return false;
    }

    // Far from atmospheric pressure the shift leaves the range where it has
    // a value: a boiling temperature that is not a number would end the gas
    // run at the first cut and pass for a gas share of 0 %.
    const boiling::AshworthShift atDesignPressure(designPressure);
    for (int i = cutFirst; i < cutEnd; ++i) {
        cutHighAtP[i] = atDesignPressure(cutHigh[i]);
        if (!std::isfinite(cutHighAtP[i])) {
            stepFailed = true;
            reportFailure(texts::kResultOutOfRange);
            return false;
        }
    }

    // The gas part is the unbroken run of light cuts wholly boiled off at the
    // design state; it ends at the first cut that is not.
    gasMassShare = 0;
    int cut = cutFirst;
    while (cut < cutEnd && designTemp >= cutHighAtP[cut]) {
        gasMassShare += cutShare[cut];
        ++cut;
    }
    const double boiledOff = gasMassShare;

    // The shares shown are rounded at the extremes: under half a per cent of
    // one phase counts as none of it, up to one per cent as one per cent.
    if (gasMassShare > 99) {
        gasMassShare = gasMassShare > 99.5 ? 100 : 99;
    }
    if (gasMassShare < 1) {
        gasMassShare = gasMassShare < 0.5 ? 0 : 1;
    }
    splitCut = cut;
    liquidMassShare = 100 - gasMassShare;

    // Each part's cuts are rescaled to add up to 100 %, as the property
    // correlations expect. The rescaling uses the share actually boiled off:
    // with the rounded share a part would add up to anything from 50 to
    // 100 % and every property after it would be wrong. When the rounding
    // leaves no gas part, every cut belongs to the liquid part.
    double gasPartShare = boiledOff;
    if (gasMassShare == 0) {
        phaseState = 2;
        splitCut = cutFirst;
        gasPartShare = 0;
    } else {
        for (int j = cutFirst; j < splitCut; ++j) {
            cutShare[j] *= 100 / gasPartShare;
        }
    }
    if (liquidMassShare > 0) {
        for (int j = splitCut; j < cutEnd; ++j) {
            cutShare[j] *= 100 / (100 - gasPartShare);
        }
    }

    inputMode = 1;
    savedCutEnd = cutEnd;
    cutEnd = splitCut;
    return true;
}

} // namespace viskora
