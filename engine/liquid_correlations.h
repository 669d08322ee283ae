#pragma once

// Correlations for a petroleum fraction as a liquid at a design temperature
// t (deg.C) and absolute pressure P (MPa). Tv is the volume-average boiling
// temperature (K); relative densities are against water at 4 deg.C. They
// are used for parts of an oil whose cuts boil between 35 and 835 deg.C.
namespace viskora::liquid {

// Kistyakovsky's vaporisation enthalpy, kJ/kg: his rule for the entropy of
// vaporisation, 4.571 lg T + 8.751 kcal/(kmol K), times Tv / M, with T the
// design temperature in whole kelvins (t + 273) and the international
// kilocalorie. Worked value: t 20, Tv 450 K, M 140 give 269.53 kJ/kg.
double kistyakovskyEnthalpy(double tempC, double tvAvg, double molarMass);

// Riazi-Daubert critical temperature, K (Riazi and Daubert 1987):
//   TcR = 9.523265 exp(-0.000931445 Tv - 0.54444 d15 + 0.00064791 Tv d15)
//         Tv^0.81067 d15^0.53691.
// Worked value: Tv 450 K, d15 0.78 give 636.84 K.
double riaziDaubertCriticalTemperature(double tvAvg, double d15);

// Watson-type vaporisation enthalpy, kJ/kg: (0.041 Tv + 69.4) Tv / M at the
// boiling point, carried to the design temperature by Watson's scaling
// r^0.38, r = (TcR - T) / (TcR - Tv). Worked value: Tv 450 K, M 140, r 0.5
// give 216.99 kJ/kg.
double watsonEnthalpy(double tvAvg, double molarMass, double reducedDistance);

// Riazi-Daubert vaporisation enthalpy at the boiling point,
// 37.323 Tv^1.14086 d15^0.00977089 kJ/kmol / M (Riazi and Daubert 1987),
// scaled by r^0.38 like Watson's. Worked value: Tv 450 K, d15 0.78, M 140,
// r 0.5 give 217.44 kJ/kg.
double riaziEnthalpy(double tvAvg, double d15, double molarMass, double reducedDistance);

// Vaporisation enthalpy at the design temperature, kJ/kg: Kistyakovsky's
// alone when the design temperature (t + 273.2 K) lies above TcR, where the
// two scaled enthalpies have no value; otherwise the largest of the three.
// No jump at TcR: the scaled ones fall to 0 there. Worked value: t 20,
// Tv 450 K, d15 0.78, M 140 give 356.70 kJ/kg (Riazi's wins; Watson's wins
// for heavy fractions).
double vaporisationEnthalpy(double tempC, double tvAvg, double d15, double molarMass);

// Compression factor of the liquid, kP = 1 - (P - 0.101) 0.000741: the
// density at P over the one at 0.101 MPa is 1 / kP. It falls to 0 at about
// 1350 MPa, far beyond any design pressure; the calculation refuses the
// results there. Worked value: 10 MPa gives 0.99266484.
double compressionFactor(double pressure);

// Isobaric specific heat, kJ/(kg K), at t deg.C: the Cragoe-type
// (0.0009 t + 0.403) / sqrt(d) kcal/(kg K) times 0.0547 K + 0.35, with d
// the relative density d15 already divided by kP and K the Watson factor of
// Tv and that d with the exponent exactly 1/3 (see viskora::watsonFactor).
// Worked value: t 100, Tv 586.1 K, d 0.8535 give 2.239 kJ/(kg K).
double specificHeat(double tempC, double tvAvg, double d15AtPressure);

// Density at t deg.C and atmospheric pressure, kg/m3, by the linear
// expansion rule (viskora::relativeDensityAt) from d20 at the reference
// temperature (deg.C). Worked value: d20 0.85 at 100 deg.C gives
// 793.5356 kg/m3.
double densityAtmospheric(double d20, double tempC, double referenceC);

// Kinematic viscosity at t deg.C and atmospheric pressure, mm2/s: a straight
// line in lg lg(nu + 0.8) against lg T through 20 and 50 deg.C (293.15 and
// 323.15 K), the value at 50 deg.C taken from the one at 20 deg.C by
// nu50 = nu20 exp(a / 323.15) / exp(a / 293.15), a = exp(0.00526 (t50 +
// 273.15) + 4.717); the line is read at T = t + 273, in whole kelvins.
// Worked value: t 100, t50 339 deg.C, nu20 37.0 give 5.676 mm2/s.
double viscosityAtmospheric(double tempC, double t50, double viscosity20);

// The viscosity at atmospheric pressure raised to P (MPa), mm2/s:
//   nu_P = nu 10^(0.142 P (0.0239 + 0.762 (nu / 1e6)^0.278)).
// Worked value: 10 mm2/s at 10 MPa gives 11.97 mm2/s.
double viscosityAtPressure(double viscosityAtmospheric, double pressure);

// Temperature coefficient of the thermal conductivity, 1/K, in two
// branches:
//   M <= 250:  (2.15 - 0.0115 (M - 102)) / 1000
//   above:     0.02517 (n - d20) - 0.02159 + 0.00442 / (n - d20)
// They jump where they meet: for n 1.477, d20 0.85, from 0.000448 at
// M = 250 to 0.001241 just above. Worked value: M 135 gives 0.0017705.
double conductivityCoefficient(double molarMass, double refrIndex, double d20);

// Thermal conductivity, W/(m K), at t deg.C from the value at 20 deg.C by
// the linear coefficient b, lambda_t = lambda20 (1 - b (t - 20)), corrected
// for compression by (rho_P / rho_t)^(4.55 - 2.94 T / Tc), T = t + 273.15.
// Worked value: lambda20 0.1286, b 0.00053425 (M 242.5), t 100 deg.C, no
// compression, Tc 759.85 K give 0.1231 W/(m K).
double conductivity(double conductivity20, double coefficient, double tempC, double densityRatio,
                    double critTemp);

// Surface tension at 20 deg.C, N/m, from the molar mass, with the linear
// term formed as (22.92 M) / 100 (see viskora::surfaceTension20).
double surfaceTensionBase(double molarMass);

// Corresponding-states surface tension, N/m, in the Brock-Bird form
//   sigma = k^(1/3) Q Pc^(2/3) Tc^(1/3) p(1 - Tr),
// k Boltzmann's constant, Pc in Pa, Q = 6.392 - 2.176 e + 0.6012 e^2
// - 0.0639 e^3 with e = 40903.9 exp(-22.525335 Tc rho_c / Pc / (M / 1000)),
// and p(s) = 1.149 s + 8.69 s^2 - 26.46 s^3 + 44.49 s^4 - 26.87 s^5. The
// reduced temperature Tr = (t + 273.15) / Tc is taken as at most 0.9, so
// the value stays constant above 0.9 Tc. Worked value: t 100, Tc 617 K,
// rho_c 252.5 kg/m3, Pc 2.521 MPa, M 135 give 0.01666 N/m.
double correspondingStatesSurfaceTension(double tempC, double critTemp, double critDensity,
                                         double critPressure, double molarMass);

// Surface tension at t deg.C, N/m: the 20 deg.C value scaled to t
// (reference::surfaceTensionAt) up to 20 deg.C; above it blended with the
// corresponding-states value by the weights (t - 20) / t and 20 / t, which
// leaves no jump at 20 deg.C. Worked value: t 100 with the oil above gives
// 0.01673 N/m.
double surfaceTension(double tempC, double critTemp, double critDensity, double critPressure,
                      double molarMass);

} // namespace viskora::liquid
