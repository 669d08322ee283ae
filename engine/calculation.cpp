#include "engine/calculation.h"

#include "engine/calc_sequence.h"
#include "engine/fill_oil_calc.h"
#include "engine/oil_calc.h"

#include <memory>

namespace viskora {

BasicOutcome calculateBasic(const OilInputs& oil, CalcMessages* messages) {
    const auto calc = std::make_unique<COilCalc>(messages);
    fillOilCalc(*calc, oil);
    BasicOutcome outcome;
    outcome.status = runBasicCalculation(*calc);
    if (outcome.status == CalcOutcome::Completed) {
        outcome.wholeOil = calc->wholeOil;
        outcome.results = basicResults(*calc);
    }
    return outcome;
}

AdditionalOutcome calculateAdditional(const OilInputs& oil, CalcMessages* messages) {
    const auto calc = std::make_unique<COilCalc>(messages);
    fillOilCalc(*calc, oil);
    AdditionalOutcome outcome;
    outcome.status = runAdditionalCalculation(*calc, &outcome.wholeOil);
    if (outcome.status == CalcOutcome::Completed) {
        outcome.characterisation = characterisationOf(*calc);
        outcome.results = additionalResults(*calc);
    }
    return outcome;
}

} // namespace viskora
