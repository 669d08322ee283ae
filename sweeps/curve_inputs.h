#pragma once

#include "sweeps/curve_document.h"
#include "sweeps/property_sweep.h"

#include <optional>
#include <string_view>
#include <vector>

namespace viskora {

// A curves window's box read as the forms' value boxes take it: a comma is
// a decimal point, an empty box is 0, and blanks around it aside, the whole
// text must be one number. Nothing for anything else ("3OO", "1.5.2").
std::optional<double> readCurveNumber(std::string_view text);

// What runSweep needs, taken from a curves document as a form's Calculate
// takes its boxes: each text by readCurveNumber (0 when it is no number;
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
