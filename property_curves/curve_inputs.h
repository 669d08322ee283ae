#pragma once

#include "property_curves/property_curves_document.h"
#include "property_curves/property_sweep.h"

#include <vector>

namespace viskora {

// What runSweep needs, taken from a curves document as a form's Calculate
// takes its boxes: each text by readTypedNumber (0 when it is no number;
// the window refuses such texts before it sweeps), unit indices as unit
// codes, measured viscosities converted to mm2/s.
struct CurveInputs {
    OilFiller fillOil;
    SweepSettings settings;
    std::vector<MeasuredViscosity> measured;
};

// The inputs refer to `document`, which must outlive them.
CurveInputs curveInputs(const CurveDocument& document);

} // namespace viskora
