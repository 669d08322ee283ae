#pragma once

// Correlations that more than one step of the calculation uses, each written
// once. Relative densities are against water at 4 deg.C; temperatures are in
// K unless a name says deg.C.
namespace viskora {

// --- Watson characterisation factor ----------------------------------------
// K = 1.216 T^e / d (Watson, Nelson and Murphy 1935; 1.216 is 1.8^(1/3), the
// Rankine scale, to four figures), T a boiling temperature in K and d a
// relative density. About 10 for aromatic, 11.5 for naphthenic and 12.5 to
// 13 for paraffinic oils.
// The correlations that build it were written with the cube root's exponent
// e spelt three ways, and the spellings give different doubles: K moves by
// about 2e-5 of itself between 0.33333 and 1/3. Each caller passes the
// exponent its correlation was written with, so that no figure moves.
// Worked value: T = 440.7 K, d = 0.7747, e = 0.33333 gives K = 11.94.
double watsonFactor(double kelvin, double relativeDensity, double cubeRootExponent);

// The oil's own characterisation factor (from the mass-average boiling
// temperature) and the 20 deg.C viscosity's factor (from t50).
inline constexpr double kWatsonExponentFivePlaces = 0.33333;
// The Kesler-Lee acentric factor's factor (from the volume-average boiling
// temperature).
inline constexpr double kWatsonExponentSixPlaces = 0.333333;
// The liquid specific heat's factor at the design state.
inline constexpr double kWatsonExponentExact = 1.0 / 3;

// --- Linear thermal expansion of a petroleum liquid -------------------------
// d_t = d20 - g (t - t20), with the expansion coefficient
// g = 0.001825 - 0.0013167 d20 (relative density per deg.C): lighter oils
// expand more. Made for liquid oils near room temperature; the engine uses
// it for densities of 600 to 990 kg/m3 and warns outside them.
// Worked value: d20 = 0.85 gives g = 0.000705805 per deg.C and d15 = 0.85353.
inline constexpr double kExpansionIntercept = 0.001825;
inline constexpr double kExpansionSlope = 0.0013167;

// g of an oil of relative density d20.
double expansionCoefficient(double d20);

// d_t at t deg.C of an oil of relative density d20 at `referenceC` deg.C.
double relativeDensityAt(double d20, double tempC, double referenceC);

// The rule solved for the density at the reference temperature, kg/m3, from
// a density (kg/m3) measured at `measuredAt` deg.C:
//   rho20 = (rho_t / 1000 + 0.001825 dt) / (1 + 0.0013167 dt) x 1000,
// dt = t - t20. Worked value: 850 kg/m3 at 50 deg.C is 870.37 kg/m3 at 20.
double densityAtReference(double density, double measuredAt, double reference);

// --- Ashworth's vapour-pressure relation ------------------------------------
// For narrow petroleum fractions, lg(P / P0) = 2.68 (x - y) / (x - 0.0008)
// with x = 1 / f(T0), y = 1 / f(T) and f(T) = sqrt(T^2 + 108000) - 307.6, T
// in K: the fraction boils at T0 under P0 and at T under P. It is
// Ashworth's formula lg(P - 3158) = 7.6715 - 2.68 F(T) / F(T0), P in Pa,
// F(T) = 1250 / f(T) - 1, without the 3158 Pa and referred to a point
// (T0, P0) of the engine's choosing; 0.0008 is 1 / 1250. The engine refers
// it to the average boiling temperature at 0.1 MPa for the vapour pressure
// and to 0.101 MPa for the boiling temperatures at the design pressure; far
// from atmospheric pressure (below about 1e-19 MPa) it has no value.
// Worked value: f(435.2 K) = 237.74.
inline constexpr double kAshworthSlope = 2.68;
inline constexpr double kAshworthAsymptote = 0.0008;

double ashworthFunction(double kelvin);

// The temperature T, K, at which f(T) = `value`.
double ashworthTemperature(double value);

// --- Surface tension at 20 deg.C ---------------------------------------------
// sigma0 = (3.6603 + 22.92 q - 6.8625 q^2 + 0.73308 q^3) 0.001 N/m, with
// q = M / 100 and M the molar mass in kg/kmol. It gives 17 to 33 mN/m for
// molar masses of 70 to 400 and turns steeply upwards above 500 (52 mN/m at
// 600). Worked values: M = 135 gives 0.02390 N/m, M = 242.5 gives 0.02934.
//
// The 20 deg.C characterisation forms the linear term as 22.92 x (M / 100),
// the design-state surface tension as (22.92 x M) / 100. The two round
// differently in the last bit for about a third of all molar masses, so each
// caller says which it takes, and no figure moves.
enum class LinearTerm {
    OfScaledMass,   // 22.92 x (M / 100)
    ScaledAfterward // (22.92 x M) / 100
};

double surfaceTension20(double molarMass, LinearTerm linearTerm);

// --- Prandtl number ----------------------------------------------------------
// Pr = nu rho cp / lambda, with nu in mm2/s, rho in kg/m3, cp in kJ/(kg K)
// and lambda in W/(m K); the 1000 takes mm2/s x kJ to m2/s x J. About 7 to
// 500 for liquid oils, below 1 for their vapours. Worked value: nu = 1.224,
// rho = 770.7, cp = 2.007, lambda = 0.1178 give Pr = 16.07.
double prandtlNumber(double kinematicViscosity, double density, double specificHeat,
                     double conductivity);

} // namespace viskora
