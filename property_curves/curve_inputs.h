#pragma once

#include "property_curves/property_curves_document.h"
#include "property_curves/property_sweep.h"

#include <vector>

namespace viskora {

// What runSweep needs, taken from a curves document as a form's Calculate
// takes its boxes: each text by readTypedNumber (0 when it is no number;
// the window refuses such texts before it sweeps), measured viscosities
// converted to mm2/s.
struct CurveInputs {
    OilInputs oil;
    SweepSettings settings;
    std::vector<MeasuredViscosity> measured;
};

CurveInputs curveInputs(const CurveDocument& document);

} // namespace viskora
