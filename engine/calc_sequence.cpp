#include "engine/calc_sequence.h"

#include "engine/message_texts.h"
#include "engine/oil_calc.h"
#include "units/display_format.h"
#include "units/number_text.h"

#include <cmath>
#include <exception>
#include <initializer_list>

namespace viskora {
namespace {

bool allFinite(std::initializer_list<double> values) {
    for (double value : values) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

bool allPositive(std::initializer_list<double> values) {
    for (double value : values) {
        if (!(value > 0)) {
            return false;
        }
    }
    return true;
}

// The whole oil characterised, with its pseudocritical properties; false,
// having told the user, when a figure of it has no value.
bool characterise(COilCalc& calc) {
    calc.computeBaseProperties();
    calc.computeCriticalProperties();
    if (!characterisationIsFinite(characterisationOf(calc), calc.wholeOilCuts()) ||
        !std::isfinite(calc.pseudoCritTemp)) {
        calc.reportFailure(texts::kResultOutOfRange);
        return false;
    }
    return true;
}

bool basicResultsAreSound(const COilCalc& calc) {
    return allFinite({calc.wholeOil.density, calc.atReference.specificHeat,
                      calc.atReference.thermalConductivity, calc.atReference.kinematicViscosity,
                      calc.atReference.surfaceTension, calc.atReference.vapourPressure,
                      calc.pseudoCritTemp, calc.atReference.prandtl}) &&
           allPositive({calc.wholeOil.density, calc.atReference.specificHeat,
                        calc.atReference.thermalConductivity,
                        calc.atReference.kinematicViscosity}) &&
           (calc.vapourPressureMethod != VapourPressureMethod::NarrowCuts ||
            calc.atReference.vapourPressure > 0);
}

CalcOutcome runBasicSteps(COilCalc& calc) {
    if (!calc.prepareInputs()) {
        return CalcOutcome::Stopped;
    }
    if (!characterise(calc)) {
        return CalcOutcome::Failed;
    }
    if (!basicResultsAreSound(calc)) {
        calc.reportFailure(texts::kResultOutOfRange);
        return CalcOutcome::Failed;
    }
    return CalcOutcome::Completed;
}

// A result of an evaluated phase must be a finite, physically possible
// number: densities, specific heats, conductivities and viscosities above 0,
// vaporisation enthalpy and surface tension not below 0. The results of an
// absent phase are 0 and are not checked.
bool additionalResultsAreSound(const COilCalc& calc) {
    if (!allFinite({calc.gasMassShare, calc.liquidMassShare, calc.gas.density,
                    calc.gas.specificHeat, calc.gas.conductivity, calc.gas.viscosity,
                    calc.gas.vaporisationEnthalpy, calc.gas.prandtl, calc.liquid.density,
                    calc.liquid.specificHeat, calc.liquid.conductivity, calc.liquid.viscosity,
                    calc.liquid.surfaceTension, calc.liquid.prandtl})) {
        return false;
    }
    if (calc.gasMassShare > 0 && !(allPositive({calc.gas.density, calc.gas.specificHeat,
                                                calc.gas.conductivity, calc.gas.viscosity}) &&
                                   calc.gas.vaporisationEnthalpy >= 0)) {
        return false;
    }
    if (calc.liquidMassShare > 0 &&
        !(allPositive({calc.liquid.density, calc.liquid.specificHeat, calc.liquid.conductivity,
                       calc.liquid.viscosity}) &&
          calc.liquid.surfaceTension >= 0)) {
        return false;
    }
    return true;
}

CalcOutcome runAdditionalStepsAfterInputs(COilCalc& calc, Characterisation* wholeOil) {
    if (!characterise(calc)) {
        return CalcOutcome::Failed;
    }
    if (wholeOil != nullptr) {
        *wholeOil = characterisationOf(calc);
    }
    if (!calc.splitPhases()) {
        return calc.stepFailed ? CalcOutcome::Failed : CalcOutcome::Stopped;
    }
    if (!calc.computeGasProperties() || !calc.computeLiquidProperties() ||
        !calc.computeBubblePoint()) {
        return CalcOutcome::Failed;
    }
    if (!additionalResultsAreSound(calc)) {
        calc.reportFailure(texts::kResultOutOfRange);
        return CalcOutcome::Failed;
    }
    return CalcOutcome::Completed;
}

CalcOutcome runAdditionalSteps(COilCalc& calc, Characterisation* wholeOil) {
    if (!calc.prepareInputs()) {
        return CalcOutcome::Stopped;
    }
    return runAdditionalStepsAfterInputs(calc, wholeOil);
}

} // namespace

CalcOutcome runBasicCalculation(COilCalc& calc) {
    try {
        return runBasicSteps(calc);
    } catch (const std::exception&) {
        calc.reportFailure(texts::kCalculationError);
        return CalcOutcome::Failed;
    }
}

BasicResults basicResults(const COilCalc& calc) {
    BasicResults results;
    results.density = calc.wholeOil.density;
    results.atReference = calc.atReference;
    results.pseudoCritTemp = calc.pseudoCritTemp;
    results.prandtlText = formatForDisplay(calc.atReference.prandtl);
    return results;
}

Characterisation characterisationOf(const COilCalc& calc) {
    switch (calc.phaseState) {
    case PhaseState::GasAndLiquid:
    case PhaseState::LiquidOnly:
        return calc.liquidPart;
    case PhaseState::GasOnly:
        return calc.gasPart;
    case PhaseState::Unsplit:
        break;
    }
    return calc.wholeOil;
}

CalcOutcome runAdditionalCalculation(COilCalc& calc, Characterisation* wholeOil) {
    try {
        return runAdditionalSteps(calc, wholeOil);
    } catch (const std::exception&) {
        calc.reportFailure(texts::kCalculationError);
        return CalcOutcome::Failed;
    }
}

CalcOutcome runAdditionalCalculationAfterInputs(COilCalc& calc, Characterisation* wholeOil) {
    try {
        return runAdditionalStepsAfterInputs(calc, wholeOil);
    } catch (const std::exception&) {
        calc.reportFailure(texts::kCalculationError);
        return CalcOutcome::Failed;
    }
}

AdditionalResults additionalResults(const COilCalc& calc) {
    AdditionalResults results;
    results.gasMassShare = calc.gasMassShare;
    results.liquidMassShare = calc.liquidMassShare;
    results.gas = calc.gas;
    results.liquid = calc.liquid;
    results.gasPrandtlText = formatForDisplay(calc.gas.prandtl);
    results.liquidPrandtlText = formatForDisplay(calc.liquid.prandtl);
    // The liquid share is taken from the gas share as shown, so that the two
    // shown shares add up to 100.0.
    results.gasShareText = formatFixed(calc.gasMassShare, 1, 4);
    const double gasShown = textToNumber(results.gasShareText);
    results.liquidShareText = formatFixed(100.0 - gasShown, 1, 4);
    results.bubblePointPressure = calc.bubblePointPressure;
    return results;
}

} // namespace viskora
