#include "engine/oil_cuts.h"

#include "engine/calc_sequence.h"
#include "engine/fill_oil_calc.h"
#include "engine/oil_calc.h"
#include "engine/recording_messages.h"

#include <memory>

namespace viskora {

CutsOutcome calculateCuts(const OilInputs& oil, const AcceptedWarnings& accepted) {
    RecordingMessages messages(accepted);
    const auto calc = std::make_unique<COilCalc>(&messages);
    fillOilCalc(*calc, oil);
    CutsOutcome outcome;
    outcome.status = runBasicCalculation(*calc);
    outcome.messages = messages.take();
    if (outcome.status != CalcOutcome::Completed) {
        return outcome;
    }
    OilCuts& cuts = outcome.cuts;
    cuts.low = calc->cutLow;
    cuts.high = calc->cutHigh;
    cuts.density = calc->cutDensity;
    cuts.share = calc->cutShare;
    cuts.first = calc->cutFirst;
    cuts.end = calc->cutEnd;
    for (int row = 1; row <= calc->fracCount; ++row) {
        cuts.rows.push_back({calc->fracStart[row], calc->fracEnd[row]});
    }
    cuts.density20 = calc->density;
    cuts.wholeOil = calc->wholeOil;
    return outcome;
}

} // namespace viskora
