#include "distillation/oil_density.h"

#include "engine/common_correlations.h"
#include "units/unit_tables.h"

#include <cmath>

namespace viskora::distillation {

std::optional<double> densityAt20(double value, int densityUnit, double measuredAt, int tempUnit) {
    if (!(value > 0) || !std::isfinite(value)) {
        return std::nullopt;
    }
    const double kgPerM3 =
        convert(Quantity::Density, value, densityUnit, baseUnitCode(Quantity::Density));
    const double at20 = densityAtReference(kgPerM3, toCelsius(measuredAt, tempUnit), 20);
    if (!std::isfinite(at20) || !(at20 > 0)) {
        return std::nullopt;
    }
    return at20;
}

} // namespace viskora::distillation
