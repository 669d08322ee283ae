#pragma once

#include "distillation/distillation_curve.h"
#include "distillation/riazi_distribution.h"

#include <optional>
#include <string>
#include <vector>

namespace viskora::distillation {

// A checked curve and what the conversion may use of the oil.
struct CurveRequest {
    CurveType type = CurveType::TbpMass;
    D86Method method = D86Method::Daubert;
    std::vector<CurvePoint> points; // deg.C, percents rising
    // Density of the oil at 20 deg.C, kg/m3, when known.
    std::optional<double> density20;
};

// The TBP curve at the given percents, deg.C, on the basis of the source
// curve (D86, D1160 and TBP-volume stay by volume; SimDist is by mass).
struct TbpCurve {
    std::vector<CurvePoint> points;
    CurveBasis basis = CurveBasis::Mass;
    // The Watson K used to bring a D1160 curve to atmospheric pressure.
    std::optional<double> watsonK;
    std::vector<std::string> warnings;
};

// The published methods work at their standard percents. The source curve
// is read there (the monotone cubic inside the data, the fitted curve where
// a chained method needs its 50 % point beyond them), converted, and the
// TBP - source difference carried to the given percents linearly between
// standard percents (held beyond the outermost). A converted curve that
// would fall is held level instead.
TbpCurve convertToTbp(const CurveRequest& request);

} // namespace viskora::distillation
