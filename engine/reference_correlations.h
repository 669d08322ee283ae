#pragma once

// Correlations for a petroleum fraction at the reference temperature
// (20 deg.C) and atmospheric pressure. Temperatures in K unless a name says
// deg.C; relative densities against water at 4 deg.C. The worked values are
// those of two oils: one fraction up to 300 deg.C (d20 0.7707, Tv 435.2 K,
// Tm 440.7 K, t50 169 deg.C, M 135.0) and 850 kg/m3 fitted to the typical
// distribution (d20 0.85, Tv 586.1 K, t50 339 deg.C, M 242.5).
namespace viskora::reference {

// Relative density at 15 deg.C from the one at 20 deg.C by the linear
// expansion rule. Worked value: d20 0.85 gives d15 0.85353.
double relativeDensity15(double d20);

// Refractive index at 20 deg.C, n = 1.218 + 0.358 d20^2, for oils of d20
// 0.6 to 1.0. Worked value: d20 0.85 gives n 1.4767.
double refractiveIndex(double d20);

// Mean molar mass, kg/kmol:
//   M = exp(1.02498 (ln Tv - d20 ln n) - 1.925106 + 0.00231496 Tv - 0.15765 d20),
// a Riazi-Daubert type relation in the volume-average boiling temperature
// Tv (K), d20 and n, used over the cut table's boiling range (35 to 835
// deg.C).
// Worked value: Tv 586.1 K, d20 0.85 and its n (1.476655) give M 242.45.
double molarMass(double tvAvg, double d20, double refrIndex);

// The oil's Watson characterisation factor from the mass-average boiling
// temperature (K) and d15, with the exponent 0.33333 (see
// viskora::watsonFactor). Worked value: Tm 440.7 K, d15 0.7747 give 11.94.
double watsonFactor(double tmAvg, double d15);

// Isobaric specific heat of the liquid, kJ/(kg K), at t deg.C: the
// Cragoe-type c = (0.403 + 0.0009 t) / sqrt(d15) kcal/(kg K), times the
// Watson-factor correction 0.0547 K + 0.35 (1 at K = 11.88), converted with
// the 20-degree kilocalorie. The engine uses it at the reference temperature
// only. Worked value: t 20, d15 0.8535, K 12.01 give 1.919 kJ/(kg K).
double referenceSpecificHeat(double tempC, double d15, double watsonK);

// Thermal conductivity of the liquid at 20 deg.C, W/(m K), from M, d20 and
// n, in three branches, each linear in M, d20^3 and lg n:
//   M >= 400:          0.2362 + 0.000067 M - 0.0292 d20^3 - 0.674 lg n
//   n - d20 >= 0.595:  0.000168 M - 0.2269 - 0.308 d20^3 + 2.977 lg n
//   otherwise:         0.000402 M - 0.1127 + 0.000475 d20^3 + 0.729 lg n
// (lg n formed as ln n / ln 10), with n = 1.218 + 0.358 d20^2 the middle
// branch holds up to d20 about 0.93. The branches do not meet: at M = 400
// the value jumps down (for d20 0.9, from 0.1469 just below to 0.1215 W/(m K)
// at 400; for d20 0.95, from 0.1854 to 0.1114). Worked values:
// M 135, d20 0.7707 (middle branch) give 0.1178; M 242.5, d20 0.85 (last
// branch) give 0.1286.
double thermalConductivity20(double molarMass, double d20, double refrIndex);

// Kinematic viscosity at 20 deg.C, mm2/s, from the 50 % boiling temperature
// t50 (deg.C, 36 to 835 over the cut table) and d15, in three branches:
//   t50 <= 121:  the line 0.83 - (121 - t50) / 300, through 0.83 mm2/s at
//                121 deg.C falling 1/300 mm2/s per degree (0.53 at 31);
//   t50 <= 390:  with T = t50 + 273.15 K, A = exp(0.00526 T + 4.717),
//                Kt = 1.216 T^0.33333 / d15 (the Watson factor of T) and
//                B = (91.836 T^-0.175 - 29.263) Kt / A, nu = B exp(A / 293.2);
//   above:       the line from 172.4 mm2/s at 390 deg.C to 456 mm2/s at
//                533 deg.C, continued.
// The branches jump where they meet. For d15 = 0.8: 0.83 at 121 deg.C and
// 0.7815 just above; 187.98 at 390 deg.C (the exponential branch still
// holds there) and 172.40 just above. Worked values: t50 169, d15 0.7747
// give 1.224; t50 339, d15 0.8535 give 37.00.
double kinematicViscosity20(double t50, double d15);

// Saturated vapour pressure, MPa, at the reference temperature (deg.C, taken
// to K in whole kelvins), by Ashworth's relation (viskora::ashworthFunction)
// through 0.1 MPa at the average boiling temperature Tv (K). It is 0.1 MPa
// when Tv equals the reference temperature in K, and less the heavier the
// oil. Worked values at 20 deg.C: Tv 435.2 K gives 0.0002396 MPa, Tv 586.1 K
// gives 2.487e-8 MPa.
double vapourPressure(double tvAvg, double referenceC);

// Surface tension at 20 deg.C, N/m, from the molar mass, with the linear
// term formed as 22.92 (M / 100) (see viskora::surfaceTension20). Worked
// value: M 135 gives 0.02390 N/m.
double surfaceTensionBase(double molarMass);

// Surface tension, N/m, at t deg.C from its value sigma0 at 20 deg.C and the
// pseudocritical temperature Tc (K), by the corresponding-states scaling
//   sigma = sigma0 (|Tc - T| / (Tc - 293.15))^1.19, T = t + 273.15,
// (the absolute value formed as the root of the square). Worked value:
// sigma0 0.02390 N/m, Tc 617 K, t 100 deg.C give 0.01705 N/m.
double surfaceTensionAt(double sigma0, double critTemp, double tempC);

} // namespace viskora::reference
