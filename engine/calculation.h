#pragma once

#include "engine/calc_results.h"
#include "engine/calc_steps.h"
#include "engine/calc_warnings.h"
#include "engine/oil_inputs.h"

// The calculations as the forms, the calculator and the other tools ask for
// them: an oil's inputs and the warnings the caller accepts in, the outcome
// and the messages met as plain values out. The engine's record and steps
// stay behind these functions, and nothing is asked mid-run.
namespace viskora {

// The basic calculation: the whole oil at the reference temperature and
// atmospheric pressure.
struct BasicOutcome {
    CalcOutcome status = CalcOutcome::Failed;
    Characterisation wholeOil; // with its pseudocritical properties
    BasicResults results;      // base units; valid when completed
    // In the order met: the accepted warnings and questions, and when the
    // calculation did not complete, what stopped it last.
    std::vector<CalcMessage> messages;
};

// The additional calculation: the gas and liquid phases at the design state.
struct AdditionalOutcome {
    CalcOutcome status = CalcOutcome::Failed;
    Characterisation wholeOil; // taken before the split
    // The liquid part's characterisation, or the gas part's when everything
    // boiled off.
    Characterisation characterisation;
    AdditionalResults results;         // base units; valid when completed
    std::vector<CalcMessage> messages; // as BasicOutcome's
};

// Each runs the whole sequence on the oil's inputs. A warning or question
// whose text is not in `accepted` stops it, as the answer No; no exception
// leaves them.
BasicOutcome calculateBasic(const OilInputs& oil, const AcceptedWarnings& accepted = {});
AdditionalOutcome calculateAdditional(const OilInputs& oil, const AcceptedWarnings& accepted = {});

} // namespace viskora
