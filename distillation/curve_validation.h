#pragma once

#include "distillation/distillation_curve.h"

#include <string>
#include <vector>

namespace viskora::distillation {

// A curve read from its texts: the points in deg.C sorted by percent, and
// what is wrong with it. Errors stop the conversion; warnings do not.
struct CheckedCurve {
    std::vector<CurvePoint> points;
    std::vector<std::string> errors;
    std::vector<std::string> warnings;

    bool usable() const { return errors.empty(); }
};

// The hottest temperature a curve may hold, deg.C. No oil boils anywhere
// near it (the engine's cuts end at 835 deg.C), yet the conversions hold it
// with room to spare: their power laws and the D1160 cubic run out of
// doubles only past about 1e100 degrees.
inline constexpr double kHighestCurveTemperature = 10000;

// Reads and checks a curve typed in the temperature unit `tempUnit` (a
// code of units/unit_tables.h). Each text must be a whole number, nothing
// after it. Errors: fewer than two points, a text that is not a number, a
// percent outside 0..100, two points at one percent, a temperature below
// absolute zero or above kHighestCurveTemperature, a temperature that falls
// as the percent rises. Fewer than three points is a warning: the curve
// between and beyond them is then mostly estimated.
CheckedCurve checkCurve(const std::vector<CurvePointText>& texts, int tempUnit);

// Why the conversion of `type` by `method` cannot take a checked curve
// (deg.C, percents rising), or empty when it can. Daubert's D86 conversion
// raises the 50 % point in deg.F to a power, which has no value below
// 0 deg.F; the 50 % point is read from the whole curve, as the conversion
// reads it.
std::string conversionRangeError(const std::vector<CurvePoint>& points, CurveType type,
                                 D86Method method);

} // namespace viskora::distillation
