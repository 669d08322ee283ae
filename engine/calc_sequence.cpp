#include "engine/calc_sequence.h"

#include "engine/message_texts.h"
#include "engine/oil_calc.h"
#include "units/display_format.h"

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

bool basicResultsAreSound(const COilCalc& calc) {
    return allFinite({calc.density, calc.specificHeat, calc.thermalConductivity,
                      calc.kinematicViscosity, calc.surfaceTension, calc.vapourPressure,
                      calc.pseudoCritTemp, calc.prandtl}) &&
           allPositive({calc.density, calc.specificHeat, calc.thermalConductivity,
                        calc.kinematicViscosity});
}

CalcOutcome runBasicSteps(COilCalc& calc) {
    if (!calc.prepareInputs()) {
        return CalcOutcome::Stopped;
    }
    calc.computeBaseProperties();
    calc.computeCriticalProperties();
    if (!basicResultsAreSound(calc)) {
        calc.reportFailure(texts::kResultOutOfRange);
        return CalcOutcome::Failed;
    }
    return CalcOutcome::Completed;
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
    results.density = calc.density;
    results.specificHeat = calc.specificHeat;
    results.thermalConductivity = calc.thermalConductivity;
    results.kinematicViscosity = calc.kinematicViscosity;
    results.surfaceTension = calc.surfaceTension;
    results.vapourPressure = calc.vapourPressure;
    results.pseudoCritTemp = calc.pseudoCritTemp;
    results.prandtl = calc.prandtl;
    results.prandtlText = formatForDisplay(calc.prandtl);
    return results;
}

} // namespace viskora
