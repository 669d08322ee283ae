#pragma once

#include "engine/calc_results.h"
#include "engine/calc_steps.h"

namespace viskora {

class COilCalc;

// Runs the basic sequence on a record whose inputs are filled: input checks
// and distribution, base and pseudocritical properties. Any exception is
// turned into the message "Error!"; a result that is not a finite, physically
// possible number stops the calculation with a message instead of being shown.
CalcOutcome runBasicCalculation(COilCalc& calc);

BasicResults basicResults(const COilCalc& calc);

// The characterisation of the oil the record last described: the whole
// oil's after the basic calculation; after the additional one the liquid
// part's, or the gas part's when everything boiled off.
Characterisation characterisationOf(const COilCalc& calc);

// Runs the additional sequence on a record whose inputs are filled: input
// checks and distribution, the whole oil's characterisation, the design-state
// questions and the phase split, the gas part, then the liquid part. The
// guard and the result check are those of the basic sequence; the results of
// a phase that is absent are 0, which is not a failure. When `wholeOil` is
// given it receives the whole oil's characterisation, taken before the split.
CalcOutcome runAdditionalCalculation(COilCalc& calc, Characterisation* wholeOil = nullptr);

// The additional sequence from the whole oil's characterisation on, for a
// record whose input step has already run (see engine/prepared_oil.h).
CalcOutcome runAdditionalCalculationAfterInputs(COilCalc& calc,
                                                Characterisation* wholeOil = nullptr);

AdditionalResults additionalResults(const COilCalc& calc);

} // namespace viskora
