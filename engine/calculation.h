#pragma once

#include "engine/calc_results.h"
#include "engine/calc_steps.h"
#include "engine/oil_inputs.h"

// The calculations as the forms, the calculator and the other tools ask for
// them: an oil's inputs in, the outcome as plain values out. The engine's
// record and steps stay behind these functions.
namespace viskora {

class CalcMessages;

// The basic calculation: the whole oil at the reference temperature and
// atmospheric pressure.
struct BasicOutcome {
    CalcOutcome status = CalcOutcome::Failed;
    Characterisation wholeOil; // with its pseudocritical properties
    BasicResults results;      // base units; valid when completed
};

// The additional calculation: the gas and liquid phases at the design state.
struct AdditionalOutcome {
    CalcOutcome status = CalcOutcome::Failed;
    Characterisation wholeOil; // taken before the split
    // The liquid part's characterisation, or the gas part's when everything
    // boiled off.
    Characterisation characterisation;
    AdditionalResults results; // base units; valid when completed
};

// Each runs the whole sequence on the oil's inputs. Input errors, warnings,
// questions and failures go to `messages` (none: errors are silent and
// every question is answered No); no exception leaves them.
BasicOutcome calculateBasic(const OilInputs& oil, CalcMessages* messages);
AdditionalOutcome calculateAdditional(const OilInputs& oil, CalcMessages* messages);

} // namespace viskora
