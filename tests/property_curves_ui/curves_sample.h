#pragma once

#include "property_curves/property_sweep.h"

namespace viskora::testing {

// A sweep of four points from 20 deg.C at 0.3 MPa: all liquid, all liquid,
// two phases, and a point the engine stopped at with a message of two lines.
inline SweepResult sampleSweep() {
    SweepResult sweep;
    const double gasShares[] = {0, 0, 40};
    for (int i = 0; i < 3; ++i) {
        SweepPoint point;
        point.temperature = 20 + 40 * i;
        point.pressure = 0.3;
        point.outcome = CalcOutcome::Completed;
        AdditionalResults& r = point.results;
        r.gasMassShare = gasShares[i];
        r.liquidMassShare = 100 - gasShares[i];
        r.gas.density = gasShares[i] > 0 ? 3.25 : 0;
        r.liquid.density = 800 - 30 * i;
        r.liquid.conductivity = 0.12;
        // Within one decade, as a light oil's viscosity over a short sweep.
        point.liquidViscosityWholeOil = 0.9 - 0.2 * i;
        point.liquidViscosityByCuts = 0.8 - 0.2 * i;
        point.vapourPressure = 0.01 * (i + 1);
        point.trueVapourPressure = 0.05 * (i + 1);
        sweep.points.push_back(point);
    }
    SweepPoint stopped;
    stopped.temperature = 140;
    stopped.pressure = 0.3;
    stopped.outcome = CalcOutcome::Stopped;
    stopped.message = "Calculated temperature is too high.\nContinue?";
    sweep.points.push_back(stopped);
    return sweep;
}

} // namespace viskora::testing
