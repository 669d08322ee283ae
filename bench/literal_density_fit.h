#pragma once

namespace viskora {

class COilCalc;

// The density-only fit written out step by step, one exp call per cut and
// per renormalising round, exactly as the method is stated. It is the
// reference the engine's fit is checked and timed against, and is kept
// plain on purpose.
//
// Fits `calc.cutShare` over cuts 0..514 to `calc.density` (kg/m3 at 20
// deg.C), starting from the construction tables `cutDefaultShare` and
// `cutDensity`; the cut densities are shifted by the final residual when it
// exceeds 0.0001.
void fitDensityLiterally(COilCalc& calc);

} // namespace viskora
