#pragma once

namespace viskora::boiling {

// Boiling temperature of a narrow cut at another pressure, deg.C, from its
// boiling temperature at atmospheric pressure (deg.C) by the Ashworth-type
// vapour-pressure relation with f(T) = sqrt(T^2 + 108000) - 307.6 (T in K),
// referred to 0.101 MPa. Pressure in MPa absolute. At 0.101 MPa the
// temperature comes back unchanged up to rounding; 300 deg.C at 1 MPa gives
// about 444 deg.C.
double ashworthBoilingPointAtPressure(double boilingC, double pressure);

} // namespace viskora::boiling
