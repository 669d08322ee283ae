#pragma once

// Pseudocritical properties of a petroleum fraction from its boiling
// temperature Tb (K) and relative density.
namespace viskora::critical {

// Kesler-Lee pseudocritical temperature, K, from Tb (K) and d15.
double keslerLeeCriticalTemperature(double tb, double d15);

// Riazi-Daubert critical volume, m3/kg, with d20 as the relative density.
double riaziDaubertCriticalVolume(double tb, double d20);

// Kesler-Lee pseudocritical pressure, MPa.
double keslerLeeCriticalPressure(double tb, double d15);

// Lee-Kesler acentric factor for a reduced boiling temperature theta <= 0.8;
// pc in MPa.
double leeKeslerAcentric(double theta, double critPressure);

// Kesler-Lee acentric factor for theta above 0.8, with the Watson factor
// built from Tb and the exponent 0.333333.
double keslerLeeAcentric(double theta, double tb, double d15);

} // namespace viskora::critical
