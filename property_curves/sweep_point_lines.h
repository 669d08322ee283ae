#pragma once

#include "documents/result_lines.h"
#include "property_curves/property_sweep.h"

#include <vector>

namespace viskora {

// A completed point's results under the calculator's names: the additional
// calculation's, except that the liquid's viscosity is given by both
// methods, the oil's as a whole as "liquidViscosity" and by narrow cuts
// beside it; the Prandtl number is that of the oil's own method.
std::vector<ResultLine> sweepPointLines(const SweepPoint& point);

} // namespace viskora
