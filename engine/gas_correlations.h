#pragma once

// Correlations for the gas phase of a petroleum fraction at a design
// temperature t (deg.C) and absolute pressure P (MPa), for the light part of
// an oil boiled off at that state.
namespace viskora::gas {

// Density, kg/m3, of a real gas of compressibility Z at reduced temperature
// Tr and reduced pressure Pr:
//   rho = Pc / (Z Tr / Pr) / R / Tc x M / 1000,
// Pc in Pa, Tc in K, M in kg/kmol and the gas constant R taken as
// 8.315 J/(mol K). Worked value: Z 0.9, Tr 1.1, Pr 0.2, Pc 3 MPa, Tc 600 K,
// M 100 give 12.148 kg/m3.
double density(double compressibility, double reducedTemp, double reducedPressure,
               double critPressure, double critTemp, double molarMass);

// Isobaric specific heat of the vapour, kJ/(kg K): Bahlke and Kay's
// (4 - d15) (T + 670) / 6450 BTU/(lb F) for petroleum vapours, T in deg.F
// (1.8 t + 702 is 1.8 t + 32 + 670), times the Watson-factor correction
// 0.0935 K - 0.111 (1 at K = 11.88), with the international kilocalorie.
// Worked value: t 150, d15 0.72, K 12 give 2.092 kJ/(kg K).
double specificHeat(double tempC, double d15, double watsonK);

// Dynamic viscosity of the vapour, in the units that make mu / rho a
// kinematic viscosity in mm2/s: a cubic in the reduced temperature times a
// quadratic in the molar mass,
//   (0.78075 Tr + 0.13816 + 0.1076 Tr^2 - 0.025369 Tr^3)
//   (14.3421 - 0.099072 M + 0.000287399 M^2).
// Worked value: Tr 1.1, M 100 give 7.992.
double dynamicViscosity(double reducedTemp, double molarMass);

// Thermal conductivity of the vapour, W/(m K): a Sutherland-type relation
// 9.86 / (T + 120) (T / 373.15)^1.5, T = t + 273.15, referred to 100 deg.C
// (0.0200 W/(m K) there). Worked value: 150 deg.C gives 0.02192 W/(m K).
double conductivity(double tempC);

} // namespace viskora::gas
