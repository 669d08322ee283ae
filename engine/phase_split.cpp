// Design-state questions and the split of the oil into the part boiled off
// at the design state (the gas part) and the rest (the liquid part).
#include "engine/calc_steps.h"
#include "engine/oil_calc.h"

#include "engine/boiling_shift.h"
#include "engine/message_texts.h"

#include <cmath>

namespace viskora {

std::optional<PhaseSplit> splitIntoParts(const CutDistribution& oil, const DesignState& state,
                                         CutArray& highAtPressure) {
    // Far from atmospheric pressure the shift leaves the range where it has
    // a value: a boiling temperature that is not a number would end the gas
    // run at the first cut and pass for a gas share of 0 %.
    const boiling::AshworthShift atDesignPressure(state.pressure);
    for (int i = oil.first; i < oil.end; ++i) {
        highAtPressure[i] = atDesignPressure(oil.high[i]);
        if (!std::isfinite(highAtPressure[i])) {
            return std::nullopt;
        }
    }

    // The gas part is the unbroken run of light cuts wholly boiled off at the
    // design state; it ends at the first cut that is not.
    PhaseSplit split;
    double boiledOff = 0;
    int cut = oil.first;
    while (cut < oil.end && state.temperature >= highAtPressure[cut]) {
        boiledOff += oil.share[cut];
        ++cut;
    }
    split.splitCut = cut;

    // The shares shown are rounded at the extremes: under half a per cent of
    // one phase counts as none of it, up to one per cent as one per cent.
    split.gasMassShare = boiledOff;
    if (split.gasMassShare > 99) {
        split.gasMassShare = split.gasMassShare > 99.5 ? 100 : 99;
    }
    if (split.gasMassShare < 1) {
        split.gasMassShare = split.gasMassShare < 0.5 ? 0 : 1;
    }
    split.liquidMassShare = 100 - split.gasMassShare;

    // Each part's cuts are rescaled to add up to 100 %, as the property
    // correlations expect. The rescaling uses the share actually boiled off:
    // with the rounded share a part would add up to anything from 50 to
    // 100 % and every property after it would be wrong. When the rounding
    // leaves no gas part, every cut belongs to the liquid part.
    double gasPartShare = boiledOff;
    if (split.gasMassShare == 0) {
        split.state = PhaseState::LiquidOnly;
        split.splitCut = oil.first;
        gasPartShare = 0;
    } else {
        split.gasShareScale = 100 / gasPartShare;
    }
    if (split.liquidMassShare > 0) {
        split.liquidShareScale = 100 / (100 - gasPartShare);
    } else {
        split.state = PhaseState::GasOnly;
    }
    return split;
}

bool COilCalc::splitPhases() {
    if (pseudoCritTemp < designTemp && !askQuestion(texts::kAbovePseudoCritical)) {
        return false;
    }
    if (designTemp < 0 && !askQuestion(texts::kDesignTempBelowZero)) {
        return false;
    }
    const std::optional<PhaseSplit> split =
        splitIntoParts(wholeOilCuts(), designState(), cutHighAtP);
    if (!split) {
        stepFailed = true;
        reportFailure(texts::kResultOutOfRange);
        return false;
    }
    gasMassShare = split->gasMassShare;
    liquidMassShare = split->liquidMassShare;
    splitCut = split->splitCut;
    gasShareScale = split->gasShareScale;
    liquidShareScale = split->liquidShareScale;
    phaseState = split->state;
    return true;
}

} // namespace viskora
