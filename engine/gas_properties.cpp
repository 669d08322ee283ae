// Properties of the gas part at the design state by the Lee-Kesler
// corresponding-states method, then the switch of the record to the liquid
// part.
#include "engine/oil_calc.h"

#include "engine/correlation_constants.h"
#include "engine/gas_correlations.h"
#include "engine/lee_kesler.h"
#include "engine/message_texts.h"

#include <optional>

namespace viskora {

void COilCalc::computeGasProperties() {
    if (phaseState == 1) {
        gasVaporisationEnthalpy = vaporisationEnthalpy;
        const double reducedPressure = designPressure / critPressure;
        const double reducedTemp = (designTemp + kKelvinOffset) / critTemp;

        // The reference fluid first, then the simple fluid.
        const std::optional<double> referenceVolume =
            leekesler::reducedVolume(leekesler::kReferenceFluid, reducedTemp, reducedPressure);
        const std::optional<double> simpleVolume =
            referenceVolume
                ? leekesler::reducedVolume(leekesler::kSimpleFluid, reducedTemp, reducedPressure)
                : std::nullopt;
        if (!simpleVolume) {
            stepFailed = true;
            reportFailure(texts::kGasVolumeNotConverged);
        } else {
            const double simpleZ = reducedPressure * *simpleVolume / reducedTemp;
            const double referenceZ = reducedPressure * *referenceVolume / reducedTemp;
            const double z =
                simpleZ + (acentric / leekesler::kReferenceAcentric) * (referenceZ - simpleZ);

            gasDensity =
                gas::density(z, reducedTemp, reducedPressure, critPressure, critTemp, molarMass);
            gasSpecificHeat = gas::specificHeat(designTemp, d15, watsonK);
            gasViscosity = gas::dynamicViscosity(reducedTemp, molarMass) / gasDensity;
            gasConductivity = gas::conductivity(designTemp);
            gasPrandtl = gasViscosity * gasDensity * gasSpecificHeat / gasConductivity / 1000;
        }
    } else if (phaseState == 2) {
        gasVaporisationEnthalpy = 0;
        gasDensity = 0;
        gasSpecificHeat = 0;
        gasViscosity = 0;
        gasConductivity = 0;
        gasPrandtl = 0;
    }

    // The liquid part: its shares were rescaled by the phase split.
    cutEnd = savedCutEnd;
    cutFirst = splitCut;
    phaseState = liquidMassShare != 0 ? 1 : 3;
}

} // namespace viskora
