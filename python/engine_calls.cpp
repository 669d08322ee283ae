#include "python/engine_calls.h"

namespace viskora::python {
namespace {

AcceptedWarnings answers(bool acceptWarnings) {
    return acceptWarnings ? AcceptedWarnings::all() : AcceptedWarnings();
}

} // namespace

BasicRun runBasic(const OilInputs& oil, bool acceptWarnings) {
    BasicRun run{calculateBasic(oil, answers(acceptWarnings)), {}};
    run.messages = run.outcome.messages;
    return run;
}

AdditionalRun runAdditional(const OilInputs& oil, bool acceptWarnings) {
    AdditionalRun run{calculateAdditional(oil, answers(acceptWarnings)), {}};
    run.messages = run.outcome.messages;
    return run;
}

SweepRun runSweepPoints(const OilInputs& oil, const SweepSettings& settings,
                        const std::vector<double>& values,
                        const std::vector<MeasuredViscosity>& measured, bool acceptWarnings) {
    SweepRun run{runSweepAt(oil, settings, values, measured, answers(acceptWarnings)), {}};
    run.messages = run.sweep.messages;
    return run;
}

} // namespace viskora::python
