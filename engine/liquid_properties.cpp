// Properties of a part of the oil as a liquid at the design pressure and
// temperature.
#include "engine/calc_steps.h"
#include "engine/oil_calc.h"

#include "engine/common_correlations.h"

#include "engine/liquid_correlations.h"

namespace viskora {

double wholeOilLiquidViscosity(const Characterisation& part, const ReferenceProperties& atReference,
                               const DesignState& state) {
    return liquid::viscosityAtPressure(
        liquid::viscosityAtmospheric(state.temperature, part.t50, atReference.kinematicViscosity),
        state.pressure);
}

LiquidProperties liquidPropertiesAt(const Characterisation& part,
                                    const ReferenceProperties& atReference, double refTemp,
                                    const DesignState& state) {
    const double t = state.temperature;
    const double p = state.pressure;
    LiquidProperties l;
    l.vaporisationEnthalpy = liquid::vaporisationEnthalpy(t, part.tvAvg, part.d15, part.molarMass);

    const double compression = liquid::compressionFactor(p);
    l.specificHeat = liquid::specificHeat(t, part.tvAvg, part.d15 / compression);

    const double densityAtmospheric = liquid::densityAtmospheric(part.d20, t, refTemp);
    l.density = densityAtmospheric / compression;

    l.viscosity = wholeOilLiquidViscosity(part, atReference, state);

    l.conductivity = liquid::conductivity(
        atReference.thermalConductivity,
        liquid::conductivityCoefficient(part.molarMass, part.refrIndex, part.d20), t,
        l.density / densityAtmospheric, part.critTemp);

    l.prandtl = prandtlNumber(l.viscosity, l.density, l.specificHeat, l.conductivity);

    l.surfaceTension = liquid::surfaceTension(t, part.critTemp, part.critDensity, part.critPressure,
                                              part.molarMass);
    return l;
}

bool COilCalc::computeLiquidProperties() {
    if (phaseState != PhaseState::GasAndLiquid && phaseState != PhaseState::LiquidOnly) {
        liquid = {};
        return true;
    }
    const std::optional<Characterisation> part =
        characterisePart(splitCut, cutEnd, liquidShareScale);
    if (!part) {
        return false;
    }
    liquidPart = *part;
    LiquidProperties l =
        liquidPropertiesAt(*part, referencePropertiesOf(*part, refTemp), refTemp, designState());
    if (viscosityMethod == ViscosityMethod::NarrowCuts) {
        l.viscosity = liquidViscosityBy(ViscosityMethod::NarrowCuts);
        l.prandtl = prandtlNumber(l.viscosity, l.density, l.specificHeat, l.conductivity);
    }
    liquid = l;
    return true;
}

} // namespace viskora
