#pragma once

// Correlations for the gas phase of a petroleum fraction at a design
// temperature t (deg.C) and absolute pressure P (MPa).
namespace viskora::gas {

// Density, kg/m3, of a real gas of compressibility Z at reduced temperature
// Tr and reduced pressure Pr, with the pseudocritical pressure (MPa) and
// temperature (K) and the molar mass; the gas constant is taken as 8.315.
double density(double compressibility, double reducedTemp, double reducedPressure,
               double critPressure, double critTemp, double molarMass);

// Isobaric specific heat of the vapour, kJ/(kg K), at t deg.C from d15 and the
// Watson factor (a Fahrenheit-based correlation: 1.8 t + 702 is T in deg.R
// plus 210).
double specificHeat(double tempC, double d15, double watsonK);

// Dynamic viscosity of the vapour as a product of a cubic in the reduced
// temperature and a quadratic in the molar mass.
double dynamicViscosity(double reducedTemp, double molarMass);

// Thermal conductivity of the vapour, W/(m K), at t deg.C: a Sutherland-type
// relation referred to 100 deg.C.
double conductivity(double tempC);

} // namespace viskora::gas
