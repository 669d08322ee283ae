// The liquid's viscosity by either method: from the characterisation of the
// oil (or part) as a whole, or by blending its narrow cuts.
#include "engine/oil_calc.h"

#include "engine/liquid_correlations.h"

namespace viskora {

bool COilCalc::prepareCutViscosity() {
    const std::optional<CutArray>& densities = volumeAdditiveCutDensities();
    cutViscosityReady = densities.has_value();
    if (cutViscosityReady) {
        drawCutViscosityLinesAtDensities({cutLow, cutHigh, *densities, cutShare, cutFirst, cutEnd},
                                         cutViscosity);
    }
    return cutViscosityReady;
}

const std::optional<CutArray>& COilCalc::volumeAdditiveCutDensities() {
    if (!cutDensityByVolumeMade) {
        cutDensityByVolume = volumeAdditiveDensities(wholeOilCuts(), density);
        cutDensityByVolumeMade = true;
    }
    return cutDensityByVolume;
}

double COilCalc::partViscosity(const Characterisation& part, int first, int end,
                               ViscosityMethod method, const DesignState& state) const {
    if (method == ViscosityMethod::WholeOil) {
        return wholeOilLiquidViscosity(part, referencePropertiesOf(part, refTemp), state);
    }
    if (!cutViscosityReady) {
        return 0;
    }
    // Each cut's share of the part is the oil's times one scale, which the
    // blend's mass-weighted mean does not see.
    const CutDistribution cuts{cutLow, cutHigh, cutDensity, cutShare, first, end};
    return liquid::viscosityAtPressure(blendedCutViscosity(cutViscosity, cuts, state.temperature),
                                       state.pressure);
}

double COilCalc::liquidViscosityBy(ViscosityMethod method) const {
    return partViscosity(liquidPart, splitCut, cutEnd, method, designState());
}

double COilCalc::wholeOilViscosityBy(ViscosityMethod method, const DesignState& state) const {
    return partViscosity(wholeOil, cutFirst, cutEnd, method, state);
}

} // namespace viskora
