// Characterisation of the oil (or of the part of it the record describes)
// from its narrow-cut distribution, and its properties at the reference
// temperature and atmospheric pressure.
#include "engine/oil_calc.h"

#include "engine/correlation_constants.h"
#include "engine/critical_correlations.h"
#include "engine/reference_correlations.h"

#include <algorithm>

namespace viskora {

void COilCalc::computeBaseProperties() {
    if (phaseState != 1) {
        return;
    }
    tvAvg = 0;
    tmAvg = 0;

    double densitySum = 0;
    double volumeSum = 0;
    double volumeBoilingSum = 0;
    double massBoilingSum = 0;
    for (int i = cutFirst; i < cutEnd; ++i) {
        const double share = cutShare[i];
        const double midpoint = (cutLow[i] + cutHigh[i]) / 2;
        const double volume = share * 1000 / cutDensity[i];
        densitySum += share * cutDensity[i];
        volumeSum += volume;
        volumeBoilingSum += volume * midpoint;
        massBoilingSum += midpoint * share;
    }
    // The shares of the active range are taken to add up to 100 %.
    density = densitySum / 100;
    tvAvg = volumeBoilingSum / volumeSum + kKelvinOffsetTenths;
    tmAvg = massBoilingSum / 100 + kKelvinOffsetTenths;

    // 50 % point: the upper boundary of the cut after the one whose share
    // brings the running sum to 50 %. The walk stays inside the table.
    double distilled = 0;
    int cut = cutFirst;
    while (cut < cutEnd && distilled < 50) {
        distilled += cutShare[cut];
        ++cut;
    }
    t50 = cutHigh[std::min(cut, kCutCount - 1)];

    d20 = density / 1000;
    d15 = reference::relativeDensity15(d20);
    refrIndex = reference::refractiveIndex(d20);
    molarMass = reference::molarMass(tvAvg, d20, refrIndex);
    watsonK = reference::watsonFactor(tmAvg, d15);
    specificHeat = reference::referenceSpecificHeat(refTemp, d15, watsonK);
    thermalConductivity = reference::thermalConductivity20(molarMass, d20, refrIndex);
    kinematicViscosity = reference::kinematicViscosity20(t50, d15);
    vapourPressure = reference::vapourPressure(tvAvg, refTemp);
    prandtl = kinematicViscosity * density * specificHeat / thermalConductivity / 1000;

    const double critTempLocal = critical::keslerLeeCriticalTemperature(tvAvg, d15);
    surfaceTension = reference::surfaceTensionAt(reference::surfaceTensionBase(molarMass),
                                                 critTempLocal, refTemp);
}

} // namespace viskora
