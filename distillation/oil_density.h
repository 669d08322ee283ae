#pragma once

#include <optional>

namespace viskora::distillation {

// The oil's density at 20 deg.C in kg/m3, as the curve conversion uses it,
// from a density as the form or the calculator holds it: the value in the
// density unit `densityUnit` (a code of units/unit_tables.h), measured at `measuredAt` in the
// temperature unit `tempUnit`. Nothing when the density is not given (0) or
// not positive, as the engine reads a 0 density as "take it from the cuts".
std::optional<double> densityAt20(double value, int densityUnit, double measuredAt, int tempUnit);

} // namespace viskora::distillation
