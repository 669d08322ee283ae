#pragma once

#include "engine/light_ends.h"

// A light-ends cut reported as one yield with its density, as published
// assays give their "butanes and lighter", taken apart into components for
// the vapour pressure.
namespace viskora::assays {

// Isobutane to n-butane, by volume, in a crude's light ends: the ratio
// their yields in published crude assays cluster around.
inline constexpr double kIsobutanePerNormalButane = 0.5;

// The components of `massPct` per cent of light ends of density
// `density15`, kg/m3 at 15 deg.C, each a share of the whole oil's mass:
// propane, isobutane and n-butane, isobutane to n-butane 1 : 2 by volume,
// propane the share by volume that gives the cut's density as the
// volume-additive mixture (each component at SG 60/60 x 999.0 kg/m3). A
// cut denser than the butanes alone (576.39 kg/m3) holds pentanes that
// the still carried over with them: the butanes and n-pentane then share it
// in the proportion that gives its density. One lighter than propane is
// propane; one denser than n-pentane, n-pentane.
// Worked value: 2.556 % of 565.97 kg/m3 (Alaska North Slope) gives 0.341 %
// propane, 0.720 % isobutane and 1.495 % n-butane.
LightEnds lumpedLightEnds(double massPct, double density15);

} // namespace viskora::assays
