#pragma once

#include "engine/calc_steps.h"

namespace viskora {

// Fills the narrow-cut table of a new record: the boundaries 35 + i and
// 36 + i deg.C, the built-in densities at 20 deg.C and the built-in typical
// mass distribution of a crude oil over cuts 0 to 514.
void fillCutTables(CutArray& low, CutArray& high, CutArray& density, CutArray& defaultShare);

} // namespace viskora
