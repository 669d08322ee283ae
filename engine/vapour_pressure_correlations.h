#pragma once

// The correlations that make a narrow petroleum cut a pseudo-component of
// an oil's vapour: its molar mass and critical constants from its normal
// boiling point Tb (K) and specific gravity SG (60/60 deg.F), and its vapour
// pressure at any temperature. The worked values are n-heptane's (Tb
// 371.58 K, SG 0.6882) unless said otherwise.
namespace viskora::vapour {

// --- The Riazi-Daubert form ------------------------------------------------------
// theta = a exp(b Tb + c SG + d Tb SG) Tb^e SG^f (Riazi and Daubert 1980,
// 1987; Riazi, Characterization and Properties of Petroleum Fractions, ASTM
// MNL50, 2005, eq. 2.38). An oil's cuts boil at fixed temperatures, so its
// logarithm is taken in two parts: what the boiling point alone gives,
// ln a + b Tb + e ln Tb, formed once per cut, and what the gravity adds,
// (c + d Tb) SG + f ln SG.
struct RiaziDaubertForm {
    double a, b, c, d, e, f;
};

// Critical temperature, K (Riazi and Daubert 1987; Riazi 2005, eq. 2.38 and
// Table 2.5; API Technical Data Book 4D3.1). Made for Tb of about 300 to 850
// K. Worked value: 542.06 K (542.1 printed by the source; 540.2 measured).
inline constexpr RiaziDaubertForm kCriticalTemperature{9.5233,    -9.314e-4, -0.544442,
                                                       6.4791e-4, 0.81067,   0.53691};

// Critical pressure, MPa (the same source, 3.1958e5 in bar there).
// Worked value: 2.6773 MPa (26.77 bar printed; 2.74 MPa measured).
inline constexpr RiaziDaubertForm kCriticalPressure{3.1958e4, -8.505e-3, -4.8014,
                                                    5.749e-3, -0.4844,   4.0846};

// Molar mass, kg/kmol (Riazi and Daubert 1980; Riazi 2005, eq. 2.51; API
// Technical Data Book 2B2.1). Made for M of 70 to 700 (Tb of about 300 to
// 850 K); the engine carries it over its heavier cuts, whose moles are few
// beside the light ones'. Worked value: 100.19 (100.20 it weighs); n-decane,
// Tb 447.3 K, SG 0.7342, gives 144.4 (142.3).
inline constexpr RiaziDaubertForm kMolarMass{42.965,     2.097e-4, -7.78712,
                                             2.08476e-3, 1.26007,  4.98308};

struct RiaziDaubertBoilingPart {
    double logPart = 0;      // ln a + b Tb + e ln Tb
    double gravitySlope = 0; // c + d Tb
};

// The part of ln theta the boiling point gives; `logTb` is ln Tb.
RiaziDaubertBoilingPart boilingPart(const RiaziDaubertForm& form, double tb, double logTb);

// ln theta with the gravity's part added; `logSg` is ln SG.
double logRiaziDaubert(const RiaziDaubertForm& form, const RiaziDaubertBoilingPart& boiling,
                       double sg, double logSg);

// theta itself.
double riaziDaubert(const RiaziDaubertForm& form, double tb, double sg);

// --- Lee-Kesler vapour pressure ------------------------------------------------------
// Vapour pressure, MPa, by the Lee-Kesler (1975) corresponding-states
// relation (Riazi 2005, eq. 7.18), Tr = T / Tc:
//   ln(Psat / Pc) = f0 + omega f1,
//   f0 = 5.92714 - 6.09648 / Tr - 1.28862 ln Tr + 0.169347 Tr^6,
//   f1 = 15.2518 - 15.6875 / Tr - 13.4721 ln Tr + 0.43577 Tr^6.
// With the acentric factor of viskora::critical::leeKeslerAcentric, the same
// relation solved at the boiling point, it gives one atmosphere at Tb. Made
// for Tr of about 0.3 to 1; above the critical temperature it is carried on
// as the hypothetical vapour pressure that Raoult's law takes for a light
// component. Worked values: n-heptane (Tc 542.06 K, Pc 2.6773 MPa, omega
// 0.3247) 0.011280 MPa at 37.8 deg.C (0.0112 measured); propane (369.83 K,
// 4.248 MPa, 0.152) 1.3057 MPa.
struct LeeKeslerTerms {
    double f0 = 0;
    double f1 = 0;
};

// f0 and f1 at a reduced temperature `tr` whose logarithm is `logTr`.
LeeKeslerTerms leeKeslerTerms(double tr, double logTr);

double leeKeslerVapourPressure(double tempK, double critTemp, double critPressure, double acentric);

} // namespace viskora::vapour
