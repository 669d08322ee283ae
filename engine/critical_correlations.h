#pragma once

// Pseudocritical properties of a petroleum fraction from its boiling
// temperature Tb (K) and relative density (against water at 4 deg.C), for
// boiling averages of the cut table's range, 35 to 835 deg.C. The
// worked values are those of the fraction up to 300 deg.C (Tb 435.2 K, d20
// 0.7707, d15 0.7747) unless said otherwise.
namespace viskora::critical {

// Kesler-Lee pseudocritical temperature, K (Kesler and Lee 1976, in the SI
// form given by Riazi 2005):
//   Tc = 189.833 + 450.56 d15 + (0.4244 + 0.1174 d15) Tb
//        + (0.1441 - 1.00688 d15) 1e5 / Tb.
// Worked value: 617.0 K (and 759.82 K for the 850 kg/m3 oil, Tb 586.1 K,
// d15 0.8535).
double keslerLeeCriticalTemperature(double tb, double d15);

// Riazi-Daubert critical volume, m3/kg (Riazi and Daubert 1987, as given by
// Riazi 2005 in cm3/g, divided by 1000 here), taken with d20 as the relative
// density:
//   Vc = 6.049e-5 exp(-0.0026422 Tb - 0.26404 d + 0.001971 Tb d) Tb^0.7506
//        d^-1.2028.
// Worked value: 1 / Vc is 252.5 kg/m3 (250.8 for Tb 586.1 K, d20 0.85).
double riaziDaubertCriticalVolume(double tb, double d20);

// Kesler-Lee pseudocritical pressure, MPa (Kesler and Lee 1976, as given by
// Riazi 2005 in bar, divided by 10 here: 3.38639 is 5.689 - ln 10):
//   ln Pc = 3.38639 - 0.0566 / d - (4.12164 / d + 0.436392 + 0.213426 / d^2)
//           Tb 1e-3 + (11.81952 / d + 4.75794 + 1.530155 / d^2) Tb^2 1e-7
//           - (9.900986 / d^2 + 2.450548) Tb^3 1e-10,  d = d15.
// Worked value: 2.520 MPa (1.569 for Tb 586.1 K, d15 0.8535).
double keslerLeeCriticalPressure(double tb, double d15);

// Lee-Kesler acentric factor (Lee and Kesler 1975; Riazi 2005),
// for a reduced boiling temperature theta = Tb / Tc of at most 0.8, Pc in
// MPa and the atmosphere as 0.101325 MPa:
//   omega = (ln(0.101325 / Pc) - 5.92714 + 6.09648 / theta + 1.28862 ln theta
//            - 0.169347 theta^6)
//           / (15.2518 - 15.6875 / theta - 13.4721 ln theta + 0.43577 theta^6).
// Worked value: theta 0.7053, Pc 2.521 MPa give 0.4335.
double leeKeslerAcentric(double theta, double critPressure);

// The same from the logarithms a caller holds already: ln theta and
// ln(0.101325 / Pc), Pc in MPa.
double leeKeslerAcentricOfLogs(double theta, double logTheta, double logReducedAtmosphere);

// Kesler-Lee acentric factor for theta above 0.8 (Kesler and Lee 1976;
// Riazi 2005):
//   omega = -7.904 + 0.1352 K - 0.007465 K^2 + 8.359 theta
//           + (1.408 - 0.01063 K) / theta,
// with the Watson factor K built from Tb with the exponent 0.333333 (see
// viskora::watsonFactor). The two acentric relations do not quite meet at
// theta 0.8: for d15 0.75 (Tb 570.3 K, theta 0.80002) Lee-Kesler's gives 0.8274
// there and this one 0.8330. Worked value: theta 0.85, Tb 600 K, d15 0.86 give 1.259.
double keslerLeeAcentric(double theta, double tb, double d15);

} // namespace viskora::critical
