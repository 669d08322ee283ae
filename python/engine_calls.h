#pragma once

#include "engine/calculation.h"
#include "property_curves/property_sweep.h"

#include <string>
#include <vector>

// The module's one way into the engine: each calculation with the answer a
// script gave to every warning (Yes to all or to none), and the messages the
// engine met in order.
namespace viskora::python {

struct BasicRun {
    BasicOutcome outcome;
    std::vector<CalcMessage> messages;
};

struct AdditionalRun {
    AdditionalOutcome outcome;
    std::vector<CalcMessage> messages;
};

struct SweepRun {
    SweepResult sweep;
    std::vector<CalcMessage> messages; // each text once, in the order first met
};

BasicRun runBasic(const OilInputs& oil, bool acceptWarnings);
AdditionalRun runAdditional(const OilInputs& oil, bool acceptWarnings);
SweepRun runSweepPoints(const OilInputs& oil, const SweepSettings& settings,
                        const std::vector<double>& values,
                        const std::vector<MeasuredViscosity>& measured, bool acceptWarnings);

} // namespace viskora::python
