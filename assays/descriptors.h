#pragma once

#include <optional>
#include <string_view>

// The everyday descriptors of a petroleum cut or oil, one function each.
// Specific gravity (SG) is at 60/60 deg.F, against water's 999.0 kg/m3.
namespace viskora::assays {

// 60 deg.F, where specific gravity is stated.
inline constexpr double kSpecificGravityTempC = 15.556;

// The density at 15 deg.C, kg/m3, of an oil of `density20` kg/m3 at 20 deg.C,
// by the oil's linear expansion rule. Worked value: 850 gives 853.53.
double density15Of(double density20);

// SG of a density at 20 deg.C, kg/m3 (viskora::cutSpecificGravity).
// Worked value: 850 gives 0.85399.
double specificGravityOf(double density20);

// The density at 60 deg.F, kg/m3, of a specific gravity: SG x 999.0.
double densityOfSpecificGravity(double specificGravity);

// API gravity = 141.5 / SG - 131.5 (API Technical Data Book, 2.B1.1).
// Worked value: SG 0.876 gives 30.03 deg.API; water (SG 1) 10.
double apiGravity(double specificGravity);

// Watson K = (1.8 Tb)^(1/3) / SG, Tb the mean boiling point in K (Watson,
// Nelson and Murphy 1935). Worked value: Tb 400 K, SG 0.78 gives 11.49.
double watsonK(double boilingKelvin, double specificGravity);

// The SG of a cut boiling at Tb (K) of the given Watson K, the same
// relation solved for SG. Worked value: Tb 400 K, K 11.49 gives 0.78.
double specificGravityOfWatsonK(double boilingKelvin, double watsonK);

// Molecular weight of a petroleum cut, Riazi and Daubert (1980), kg/kmol:
// viskora::vapour::kMolarMass, which the vapour pressure by narrow cuts
// carries over every cut, here only within the range it was made for, mean
// boiling points of 20 to 560 deg.C (about 7 % average error): nothing
// outside it. Worked value: n-decane, Tb 447.3 K, SG 0.7342, gives 144.4 (it
// weighs 142.3).
std::optional<double> riaziDaubertMolarMass(double boilingKelvin, double specificGravity);

// Viscosity index from the kinematic viscosities at 40 and 100 deg.C,
// mm2/s, by ASTM D2270: L and H (the 40 deg.C viscosities of the oils of
// index 0 and 100 with the same viscosity at 100 deg.C) from the standard's
// Table 1 by linear interpolation for nu100 of 2 to 70 mm2/s, and above 70
// from L = 0.8353 Y^2 + 14.67 Y - 216, H = 0.1684 Y^2 + 11.85 Y - 97; then
// VI = 100 (L - U) / (L - H) where U >= H (procedure A), else
// VI = (10^N - 1) / 0.00715 + 100 with N = (log H - log U) / log Y
// (procedure B). Not rounded. Nothing below 2 mm2/s at 100 deg.C, where
// the index is not defined, or for viscosities that are not positive.
// Worked values (the standard's examples): 73.30 and 8.86 mm2/s give 92.4;
// 22.83 and 5.05 give 156.4.
std::optional<double> viscosityIndex(double viscosity40, double viscosity100);

// Why an oil has no viscosity index, as the calculator and the exports say.
inline constexpr std::string_view kViscosityIndexUndefined =
    "not defined below 2 mm2/s at 100 deg.C";

} // namespace viskora::assays
