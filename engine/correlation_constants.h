#pragma once

#include "units/unit_tables.h"

// Constants that the engine's correlations share. Each correlation keeps the
// offset and the kilocalorie it was written with: they differ in the fourth
// or fifth figure, and changing one would move the published figures.
namespace viskora {

// deg.C to K: the exact offset kKelvinOffset (units/unit_tables.h), used
// wherever a correlation takes an absolute temperature unless one of the two
// below says otherwise.

// deg.C to K rounded to a tenth: the volume- and mass-average boiling
// temperatures of a cut distribution and the distance to the Riazi-Daubert
// critical temperature in the vaporisation enthalpy were written with it.
inline constexpr double kKelvinOffsetTenths = 273.2;

// deg.C to K in whole kelvins: the logarithms of Kistyakovsky's enthalpy and
// of the viscosity-temperature line, and the reference temperature of the
// vapour pressure, were written with it.
inline constexpr double kKelvinOffsetWhole = 273;

// kJ per kcal. The international table kilocalorie (4.1868 kJ) to four
// figures: the specific heats and the enthalpy at the design state.
inline constexpr double kKilojoulesPerKcal = 4.187;

// kJ per kcal. The 20-degree kilocalorie (4.1819 kJ, the heat that warms a
// kilogram of water from 19.5 to 20.5 deg.C) to four figures: the specific
// heat at the reference temperature of 20 deg.C. It lies 0.12 % below the
// international one.
inline constexpr double kKilojoulesPerKcalAt20 = 4.182;

// The atmospheric pressure the design-state correlations are referred to,
// MPa (101 kPa, not the standard 101.325).
inline constexpr double kAtmosphericPressure = 0.101;

} // namespace viskora
