#pragma once

#include <span>
#include <vector>

namespace viskora::distillation {

// A temperature at one of a method's standard percents.
struct StandardPoint {
    double percent = 0;
    double temperature = 0;
};

// The standard percents of each method, rising.
std::span<const double> daubertD86Percents();      // 0 10 30 50 70 90 100
std::span<const double> riaziDaubertD86Percents(); // 0 10 30 50 70 90 95
std::span<const double> daubertSimDistPercents();  // 5 10 30 50 70 90 95 100
std::span<const double> d1160Percents();           // 0 10 30 50

// The methods below take points at neighbouring standard percents of the
// method, rising, and return the TBP at the same percents. The chained
// methods need the 50 % point among them; a point without it is returned
// unchanged.

// ASTM D86 to TBP by volume, Daubert 1994 (Hydrocarbon Processing; API
// Technical Data Book procedure 3A1.1). Temperatures in deg.F.
// TBP50 = 0.8718 D86_50^1.0258; each interval's TBP difference is
// A (delta D86)^B, summed outward from 50 %. Range of the correlation:
// D86 curves of products, about 100 to 750 deg.F.
// Worked value: D86 10/30/50/70/90 % = 350/380/404/433/469 deg.F give
// 316.5/372.6/411.2/451.2/496.7 deg.F.
std::vector<StandardPoint> daubertD86ToTbp(std::span<const StandardPoint> d86);

// ASTM D86 to TBP by volume, Riazi and Daubert 1986 (Riazi 2005, eq. 3.14):
// TBP = a D86^b at each standard percent, temperatures in K. Range: about
// 0 to 400 deg.C of D86.
// Worked value (Riazi 2005, Ex. 3.3): D86 0/10/30/50/70/90 % =
// 165.6/173.7/193.3/206.7/222.8/242.8 deg.C give
// 134.2/157.4/190.3/209.0/230.2/254.7 deg.C.
std::vector<StandardPoint> riaziDaubertD86ToTbp(std::span<const StandardPoint> d86);

// ASTM D2887 simulated distillation to TBP, both by mass, Daubert 1994 (API
// procedure 3A3.1). Temperatures in deg.F. TBP50 = SD50; each interval's
// difference is C (delta SD)^D, summed outward from 50 %.
// Worked value: SD 5/10/30/50/70/90/95 % = 293/305/324/336/344/359/369 deg.F
// give 322.2/327.7/332.4/336.0/339.6/350.1/357.4 deg.F.
std::vector<StandardPoint> daubertSimDistToTbp(std::span<const StandardPoint> simDist);

// ASTM D1160 to TBP, both at 10 mmHg (Riazi 2005, eq. 3.22), deg.C. At 50 %
// and above the two are equal. Below, with dT the D1160 difference to the
// next point up, the TBP difference is
//   F = 0.3 + 1.2775 dT - 5.539e-3 dT^2 + 2.7486e-5 dT^3   from 10 % up,
//   F = 2.2566 dT - 266.2e-4 dT^2 + 1.4093e-4 dT^3         from 0 to 10 %.
// Worked value (Riazi 2005, Ex. 3.6): D1160 30/50/70/90 % = 205/250/290/350
// deg.C give 200.9/250/290/350 deg.C; the 10 % point 150 deg.C gives
// 142.5 deg.C by these coefficients (the example prints 146.6).
std::vector<StandardPoint> d1160ToTbp(std::span<const StandardPoint> d1160);

// Normal boiling point (K) of a petroleum fraction from its boiling point
// `temperature` (K) at `pressure` mmHg, by Maxwell and Bonnell (Riazi 2005,
// eqs. 3.29-3.30; API procedure 5A1.19) with the Watson K correction, whose
// factor F rises from 0 at 367 K to 1 at 478 K of boiling point. Range:
// pressures below 760 mmHg to vacuum, boiling points to about 1000 K.
// Worked value: 365 deg.F at 10 mmHg, Watson K 12.5, gives about 602 K.
double normalBoilingPoint(double temperature, double pressure, double watsonK);

// Watson characterisation factor K = (1.8 Tb)^(1/3) / SG, Tb in K, SG the
// specific gravity 60/60 deg.F. Paraffinic oils about 12.5 to 13,
// naphthenic about 11 to 12, aromatic about 10.
// Worked value: Tb 600 K and SG 0.85 give 12.07.
double watsonFactor(double boilingPoint, double specificGravity);

} // namespace viskora::distillation
