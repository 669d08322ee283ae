#pragma once

#include "curves/distillation_curve.h"

#include <string>
#include <vector>

namespace viskora::curves {

// A curve read from its texts: the points in deg.C sorted by percent, and
// what is wrong with it. Errors stop the conversion; warnings do not.
struct CheckedCurve {
    std::vector<CurvePoint> points;
    std::vector<std::string> errors;
    std::vector<std::string> warnings;

    bool usable() const { return errors.empty(); }
};

// Reads and checks a curve typed in the temperature unit `tempUnit` (1 K,
// 2 deg.C, 3 deg.F, 4 deg.R). Each text must be a whole number, nothing
// after it. Errors: fewer than two points, a text that is not a number, a
// percent outside 0..100, two points at one percent, a temperature below
// absolute zero, a temperature that falls as the percent rises. Fewer than
// three points is a warning: the curve between and beyond them is then
// mostly estimated.
CheckedCurve checkCurve(const std::vector<CurvePointText>& texts, int tempUnit);

} // namespace viskora::curves
