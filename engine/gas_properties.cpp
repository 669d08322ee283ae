// Properties of a part of the oil as a gas at the design state by the
// Lee-Kesler corresponding-states method.
#include "engine/calc_steps.h"
#include "engine/oil_calc.h"

#include "engine/common_correlations.h"

#include "engine/correlation_constants.h"
#include "engine/gas_correlations.h"
#include "engine/lee_kesler.h"
#include "engine/message_texts.h"

#include <cmath>

namespace viskora {

std::optional<GasProperties> gasPropertiesAt(const Characterisation& part,
                                             const DesignState& state) {
    const double reducedPressure = state.pressure / part.critPressure;
    const double reducedTemp = (state.temperature + kKelvinOffset) / part.critTemp;

    // The reference fluid first, then the simple fluid.
    const std::optional<double> referenceVolume =
        leekesler::reducedVolume(leekesler::kReferenceFluid, reducedTemp, reducedPressure);
    const std::optional<double> simpleVolume =
        referenceVolume
            ? leekesler::reducedVolume(leekesler::kSimpleFluid, reducedTemp, reducedPressure)
            : std::nullopt;
    if (!simpleVolume) {
        return std::nullopt;
    }
    const double simpleZ = reducedPressure * *simpleVolume / reducedTemp;
    const double referenceZ = reducedPressure * *referenceVolume / reducedTemp;
    const double z =
        simpleZ + (part.acentric / leekesler::kReferenceAcentric) * (referenceZ - simpleZ);

    GasProperties g;
    g.density = gas::density(z, reducedTemp, reducedPressure, part.critPressure, part.critTemp,
                             part.molarMass);
    g.specificHeat = gas::specificHeat(state.temperature, part.d15, part.watsonK);
    g.viscosity = gas::dynamicViscosity(reducedTemp, part.molarMass) / g.density;
    g.conductivity = gas::conductivity(state.temperature);
    g.prandtl = prandtlNumber(g.viscosity, g.density, g.specificHeat, g.conductivity);
    return g;
}

bool COilCalc::computeGasProperties() {
    if (phaseState != PhaseState::GasAndLiquid && phaseState != PhaseState::GasOnly) {
        gas = {};
        return true;
    }
    const std::optional<Characterisation> part =
        characterisePart(cutFirst, splitCut, gasShareScale);
    if (!part) {
        return false;
    }
    gasPart = *part;
    // The gas part's vaporisation enthalpy is that of its liquid at the
    // design state.
    const double enthalpy =
        liquidPropertiesAt(*part, referencePropertiesOf(*part, refTemp), refTemp, designState())
            .vaporisationEnthalpy;
    if (!std::isfinite(enthalpy)) {
        return refuseState(texts::kResultOutOfRange);
    }
    const std::optional<GasProperties> atState = gasPropertiesAt(*part, designState());
    if (!atState) {
        return refuseState(texts::kGasVolumeNotConverged);
    }
    gas = *atState;
    gas.vaporisationEnthalpy = enthalpy;
    return true;
}

} // namespace viskora
