#pragma once

// Correlations for a petroleum fraction as a liquid at a design temperature
// t (deg.C) and absolute pressure P (MPa). Tv is the volume-average boiling
// temperature (K); relative densities are against water at 4 deg.C.
namespace viskora::liquid {

// Kistyakovsky's vaporisation enthalpy, kJ/kg, at t deg.C (the logarithm is
// of t + 273, in K) for a fraction of boiling temperature Tv and molar mass M.
double kistyakovskyEnthalpy(double tempC, double tvAvg, double molarMass);

// Riazi-Daubert critical temperature, K, from Tv and d15.
double riaziDaubertCriticalTemperature(double tvAvg, double d15);

// Watson-type vaporisation enthalpy, kJ/kg, scaled by r^0.38 with
// r = (Tc - T) / (Tc - Tv).
double watsonEnthalpy(double tvAvg, double molarMass, double reducedDistance);

// Riazi-type vaporisation enthalpy, kJ/kg, scaled by r^0.38 like Watson's.
double riaziEnthalpy(double tvAvg, double d15, double molarMass, double reducedDistance);

// Vaporisation enthalpy, kJ/kg: Kistyakovsky's alone above the Riazi-Daubert
// critical temperature (t + 273.2 K), otherwise the largest of Kistyakovsky's,
// Watson's and Riazi's.
double vaporisationEnthalpy(double tempC, double tvAvg, double d15, double molarMass);

// Compression factor of the liquid: the density at P over the density at
// 0.101 MPa is 1 / kP, with kP = 1 - (P - 0.101) 0.000741.
double compressionFactor(double pressure);

// Isobaric specific heat, kJ/(kg K), at t deg.C, with d15 already divided by
// the compression factor and a characterisation factor built from Tv.
double specificHeat(double tempC, double tvAvg, double d15AtPressure);

// Density at t deg.C and atmospheric pressure, kg/m3, by the linear
// expansion rule from d20 at the reference temperature (deg.C).
double densityAtmospheric(double d20, double tempC, double referenceC);

// Kinematic viscosity at t deg.C and atmospheric pressure, mm2/s: a straight
// line in log10(log10(nu + 0.8)) against log10(T) through 20 and 50 deg.C,
// the value at 50 deg.C taken from the one at 20 deg.C by an exponential
// rule in t50 (deg.C).
double viscosityAtmospheric(double tempC, double t50, double viscosity20);

// The viscosity at atmospheric pressure raised to P (MPa), mm2/s.
double viscosityAtPressure(double viscosityAtmospheric, double pressure);

// Temperature coefficient of the thermal conductivity, 1/K: from the molar
// mass up to M = 250, from n - d20 above.
double conductivityCoefficient(double molarMass, double refrIndex, double d20);

// Thermal conductivity, W/(m K), at t deg.C from the value at 20 deg.C,
// corrected for compression by (rho_P / rho_t)^(4.55 - 2.94 T / Tc).
double conductivity(double conductivity20, double coefficient, double tempC, double densityRatio,
                    double critTemp);

// Surface tension at 20 deg.C, N/m, from the molar mass (a cubic in M / 100).
double surfaceTensionBase(double molarMass);

// Corresponding-states surface tension, N/m, at t deg.C from the
// pseudocritical temperature Tc (K), density (kg/m3) and pressure (MPa) and
// the molar mass; the reduced temperature is taken as at most 0.9.
double correspondingStatesSurfaceTension(double tempC, double critTemp, double critDensity,
                                         double critPressure, double molarMass);

// Surface tension at t deg.C, N/m: the scaled base value up to 20 deg.C,
// above it blended with the corresponding-states value by weights
// (t - 20) / t and 20 / t.
double surfaceTension(double tempC, double critTemp, double critDensity, double critPressure,
                      double molarMass);

} // namespace viskora::liquid
