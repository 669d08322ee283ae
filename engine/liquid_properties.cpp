// Properties of the part of the oil the record describes, as a liquid at the
// design pressure and temperature.
#include "engine/oil_calc.h"

#include "engine/liquid_correlations.h"

namespace viskora {

void COilCalc::computeLiquidProperties() {
    if (phaseState == 3) {
        // No liquid part; the gas part's vaporisation enthalpy stays.
        liquidSpecificHeat = 0;
        liquidDensity = 0;
        liquidViscosity = 0;
        liquidConductivity = 0;
        liquidSurfaceTension = 0;
        prandtl = 0;
        return;
    }
    if (phaseState != 1) {
        return;
    }
    const double t = designTemp;
    const double p = designPressure;

    vaporisationEnthalpy = liquid::vaporisationEnthalpy(t, tvAvg, d15, molarMass);

    const double compression = liquid::compressionFactor(p);
    liquidSpecificHeat = liquid::specificHeat(t, tvAvg, d15 / compression);

    const double densityAtmospheric = liquid::densityAtmospheric(d20, t, refTemp);
    liquidDensity = densityAtmospheric / compression;

    liquidViscosity =
        liquid::viscosityAtPressure(liquid::viscosityAtmospheric(t, t50, kinematicViscosity), p);

    liquidConductivity = liquid::conductivity(
        thermalConductivity, liquid::conductivityCoefficient(molarMass, refrIndex, d20), t,
        liquidDensity / densityAtmospheric, critTemp);

    prandtl = liquidViscosity * liquidDensity * liquidSpecificHeat / liquidConductivity / 1000;

    liquidSurfaceTension =
        liquid::surfaceTension(t, critTemp, critDensity, critPressure, molarMass);
}

} // namespace viskora
