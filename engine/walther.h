#pragma once

#include <optional>

namespace viskora::walther {

// The viscosity-temperature relation of ASTM D341 (Walther):
//   log10(log10 Z) = A - B log10 T,
//   Z = nu + 0.7 + exp(-1.47 - 1.84 nu - 0.51 nu^2),
// nu the kinematic viscosity in mm2/s, T the temperature in K. The
// exponential term keeps the line straight down to about 0.2 mm2/s, where
// the plain Z = nu + 0.7 bends away. Source: ASTM D341; the API Technical
// Data Book, procedure 11A4.4, gives the worked example used in the tests
// (1.644 mm2/s at 0 deg.C and 0.925 mm2/s at 40 deg.C give 1.201 mm2/s at
// 20 deg.C).

// Z of a viscosity, mm2/s. Worked value: Z(1.644) = 2.347.
double z(double viscosity);

// The ordinate log10(log10 Z) of a viscosity; nothing where Z <= 1, below
// about 0.1 mm2/s, where the relation has no line to stand on.
std::optional<double> ordinate(double viscosity);

// The viscosity whose ordinate is `ordinate`, mm2/s, by Halley's method on
// Z(nu) = 10^(10^ordinate), started near Z - 0.7; Z(nu) is increasing and
// convex above 0, with a single root. Nothing when the value is too large
// for a double.
std::optional<double> viscosityAt(double ordinate);

// The viscosity whose Z is `z`, mm2/s, by the same method; nothing where Z
// is not above 1 or not a number.
std::optional<double> viscosityOfZ(double z);

// One straight line in the Walther chart.
struct Line {
    double a = 0;
    double b = 0; // positive: the viscosity falls as the temperature rises

    double ordinateAt(double kelvin) const;
    // The line's viscosity at a temperature in K, mm2/s.
    std::optional<double> viscosityAt(double kelvin) const;
};

// The line through two measured points (viscosity mm2/s, temperature K).
// Nothing when an ordinate does not exist, the temperatures are equal or
// not above 0 K, or the viscosity does not fall as the temperature rises.
std::optional<Line> lineThrough(double viscosity1, double kelvin1, double viscosity2,
                                double kelvin2);

// The line through one point with the given slope B.
std::optional<Line> lineThrough(double viscosity, double kelvin, double slope);

} // namespace viskora::walther
