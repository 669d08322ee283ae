#pragma once

// Correlations for a petroleum fraction at 20 deg.C and atmospheric pressure.
// Temperatures in K unless a name says deg.C; relative densities against
// water at 4 deg.C.
namespace viskora::reference {

// Density at the reference temperature (deg.C) from a density (kg/m3)
// measured at another temperature, kg/m3. The linear expansion rule
//   rho20 = rho_t + (t - 20) (0.001825 - 0.0013167 rho20), densities in g/cm3,
// solved for rho20.
double densityAtReference(double density, double measuredAt, double reference);

// Relative density at 15 deg.C from the one at 20 deg.C, by the linear
// expansion rule with the coefficient 0.001825 - 0.0013167 d20 per deg.C.
double relativeDensity15(double d20);

// Refractive index at 20 deg.C estimated from the relative density.
double refractiveIndex(double d20);

// Mean molar mass, kg/kmol, from the volume-average boiling temperature Tv
// (K), d20 and the refractive index n (a Riazi-Daubert type relation).
double molarMass(double tvAvg, double d20, double refrIndex);

// Watson characterisation factor from the mass-average boiling temperature
// (K) and d15; the cube root is taken with the exponent 0.33333.
double watsonFactor(double tmAvg, double d15);

// Isobaric specific heat of the liquid, kJ/(kg K), at t deg.C (Cragoe type,
// with a Watson-factor correction).
double referenceSpecificHeat(double tempC, double d15, double watsonK);

// Thermal conductivity of the liquid at 20 deg.C, W/(m K), in three
// branches by molar mass and by n - d20.
double thermalConductivity20(double molarMass, double d20, double refrIndex);

// Kinematic viscosity at 20 deg.C, mm2/s, from the 50 % boiling temperature
// (deg.C): a line below 121 deg.C, an exponential relation up to 390 deg.C
// and a line above.
double kinematicViscosity20(double t50, double d15);

// Saturated vapour pressure, MPa, at the reference temperature (deg.C), by
// an Ashworth-type relation through 0.1 MPa at the average boiling
// temperature Tv (K).
double vapourPressure(double tvAvg, double referenceC);

// Surface tension at 20 deg.C, N/m, from the molar mass (a cubic in M / 100).
double surfaceTensionBase(double molarMass);

// Surface tension, N/m, at t deg.C from its base value and the
// pseudocritical temperature Tc (K), by the (Tc - T)^1.19 scaling referred to
// 20 deg.C.
double surfaceTensionAt(double sigma0, double critTemp, double tempC);

} // namespace viskora::reference
