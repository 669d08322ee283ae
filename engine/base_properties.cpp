// Characterisation of an oil (or of a part of it) from its narrow-cut
// distribution, and its properties at the reference temperature and
// atmospheric pressure.
#include "engine/calc_steps.h"
#include "engine/oil_calc.h"

#include "engine/common_correlations.h"

#include "engine/correlation_constants.h"
#include "engine/critical_correlations.h"
#include "engine/message_texts.h"
#include "engine/reference_correlations.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace viskora {

Characterisation characteriseCuts(const CutDistribution& cuts) {
    Characterisation c;
    double densitySum = 0;
    double volumeSum = 0;
    double volumeBoilingSum = 0;
    double massBoilingSum = 0;
    for (int i = cuts.first; i < cuts.end; ++i) {
        const double share = cuts.share[i];
        const double midpoint = (cuts.low[i] + cuts.high[i]) / 2;
        const double volume = share * 1000 / cuts.density[i];
        densitySum += share * cuts.density[i];
        volumeSum += volume;
        volumeBoilingSum += volume * midpoint;
        massBoilingSum += midpoint * share;
    }
    // The shares of the range are taken to add up to 100 %.
    c.density = densitySum / 100;
    c.tvAvg = volumeBoilingSum / volumeSum + kKelvinOffsetTenths;
    c.tmAvg = massBoilingSum / 100 + kKelvinOffsetTenths;

    // 50 % point: the upper boundary of the cut after the one whose share
    // brings the running sum to 50 %. The walk stays inside the table.
    double distilled = 0;
    int cut = cuts.first;
    while (cut < cuts.end && distilled < 50) {
        distilled += cuts.share[cut];
        ++cut;
    }
    c.t50 = cuts.high[std::min(cut, kCutCount - 1)];

    c.d20 = c.density / 1000;
    c.d15 = reference::relativeDensity15(c.d20);
    c.refrIndex = reference::refractiveIndex(c.d20);
    c.molarMass = reference::molarMass(c.tvAvg, c.d20, c.refrIndex);
    c.watsonK = reference::watsonFactor(c.tmAvg, c.d15);
    return c;
}

bool characterisationIsFinite(const Characterisation& c, const CutDistribution& cuts) {
    for (int i = cuts.first; i < cuts.end; ++i) {
        if (!std::isfinite(cuts.share[i]) || !std::isfinite(cuts.density[i])) {
            return false;
        }
    }
    for (double value : {c.density, c.tvAvg, c.tmAvg, c.t50, c.d20, c.d15, c.refrIndex, c.molarMass,
                         c.watsonK, c.critTemp, c.critPressure, c.critDensity, c.acentric}) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

ReferenceProperties referencePropertiesOf(const Characterisation& oil, double refTemp) {
    ReferenceProperties p;
    p.specificHeat = reference::referenceSpecificHeat(refTemp, oil.d15, oil.watsonK);
    p.thermalConductivity = reference::thermalConductivity20(oil.molarMass, oil.d20, oil.refrIndex);
    p.kinematicViscosity = reference::kinematicViscosity20(oil.t50, oil.d15);
    p.vapourPressure = reference::vapourPressure(oil.tvAvg, refTemp);
    p.prandtl =
        prandtlNumber(p.kinematicViscosity, oil.density, p.specificHeat, p.thermalConductivity);
    const double critTemp = critical::keslerLeeCriticalTemperature(oil.tvAvg, oil.d15);
    p.surfaceTension = reference::surfaceTensionAt(reference::surfaceTensionBase(oil.molarMass),
                                                   critTemp, refTemp);
    return p;
}

void COilCalc::computeBaseProperties() {
    wholeOil = characteriseCuts(wholeOilCuts());
    ReferenceProperties p = referencePropertiesOf(wholeOil, refTemp);
    if (viscosityMethod == ViscosityMethod::NarrowCuts) {
        // At the reference temperature and atmospheric pressure, where the
        // blend needs no correction for pressure.
        p.kinematicViscosity =
            cutViscosityReady ? blendedCutViscosity(cutViscosity, wholeOilCuts(), refTemp) : 0;
        p.prandtl = prandtlNumber(p.kinematicViscosity, wholeOil.density, p.specificHeat,
                                  p.thermalConductivity);
    }
    if (vapourPressureMethod == VapourPressureMethod::NarrowCuts) {
        // The true vapour pressure; without the oil's components there is
        // none, and the sequence refuses the results.
        p.vapourPressure = volatility ? volatility->bubblePointPressure(refTemp) : NAN;
    }
    atReference = p;
}

std::optional<Characterisation> COilCalc::characterisePart(int first, int end, double shareScale) {
    // The part's own shares; the rest of the array is never read.
    CutArray partShare;
    for (int i = first; i < end; ++i) {
        partShare[i] = cutShare[i] * shareScale;
    }
    const CutDistribution cuts{cutLow, cutHigh, cutDensity, partShare, first, end};
    const Characterisation part = withCriticalProperties(characteriseCuts(cuts));
    if (!characterisationIsFinite(part, cuts)) {
        refuseState(texts::kResultOutOfRange);
        return std::nullopt;
    }
    return part;
}

} // namespace viskora
