#include "engine/calculation.h"

#include "engine/calc_sequence.h"
#include "engine/fill_oil_calc.h"
#include "engine/oil_calc.h"
#include "engine/recording_messages.h"

#include <memory>

namespace viskora {

BasicOutcome calculateBasic(const OilInputs& oil, const AcceptedWarnings& accepted) {
    RecordingMessages messages(accepted);
    const auto calc = std::make_unique<COilCalc>(&messages);
    fillOilCalc(*calc, oil);
    BasicOutcome outcome;
    outcome.status = runBasicCalculation(*calc);
    if (outcome.status == CalcOutcome::Completed) {
        outcome.wholeOil = calc->wholeOil;
        outcome.results = basicResults(*calc);
    }
    outcome.messages = messages.take();
    return outcome;
}

AdditionalOutcome calculateAdditional(const OilInputs& oil, const AcceptedWarnings& accepted) {
    RecordingMessages messages(accepted);
    const auto calc = std::make_unique<COilCalc>(&messages);
    fillOilCalc(*calc, oil);
    AdditionalOutcome outcome;
    outcome.status = runAdditionalCalculation(*calc, &outcome.wholeOil);
    if (outcome.status == CalcOutcome::Completed) {
        outcome.characterisation = characterisationOf(*calc);
        outcome.results = additionalResults(*calc);
    }
    outcome.messages = messages.take();
    return outcome;
}

} // namespace viskora
