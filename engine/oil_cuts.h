#pragma once

#include "engine/calc_results.h"
#include "engine/calc_steps.h"
#include "engine/calc_warnings.h"
#include "engine/oil_inputs.h"

#include <vector>

namespace viskora {

// A fraction row's boundaries, deg.C, as the engine placed them over the
// narrow cuts (a boundary not given is where the engine took it).
struct RowBounds {
    double start = 0;
    double end = 0;
};

// The whole oil's narrow-cut distribution, as the basic calculation builds
// it from the oil's inputs.
struct OilCuts {
    CutArray low{};     // deg.C
    CutArray high{};    // deg.C
    CutArray density{}; // kg/m3 at 20 deg.C, the built-in densities
    CutArray share{};   // per cent of mass
    int first = 0;      // the oil lies in cuts first <= i < end
    int end = 0;
    std::vector<RowBounds> rows; // one per fraction row, in order
    double density20 = 0;        // kg/m3, the oil's as given (or its cuts')
    Characterisation wholeOil;

    CutDistribution distribution() const { return {low, high, density, share, first, end}; }
};

struct CutsOutcome {
    CalcOutcome status = CalcOutcome::Failed;
    OilCuts cuts;                      // valid when completed
    std::vector<CalcMessage> messages; // as calculateBasic's
};

// The basic calculation, keeping the distribution it built; warnings are
// answered from `accepted` as calculateBasic's are.
CutsOutcome calculateCuts(const OilInputs& oil, const AcceptedWarnings& accepted);

} // namespace viskora
