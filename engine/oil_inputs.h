#pragma once

#include "engine/calc_results.h"
#include "engine/light_ends.h"
#include "units/unit_tables.h"

#include <vector>

namespace viskora {

// Rows a fraction table can hold.
inline constexpr int kMaxFractions = 100;

// Shares typed with a few decimals rarely add up to 100 exactly in binary:
// 13.4 + 16.585 + 47.499 + 17.09 + 5.426 is 100.00000000000001. A sum this
// close to 100 is a complete table, neither over 100 % nor short of it.
inline constexpr double kShareSumTolerance = 1e-9;

// A row of the fraction table as the user gave it: boundaries in the oil's
// temperature unit (0 is "not given"), the share in per cent of mass.
struct FractionInput {
    double start = 0;
    double end = 0;
    double share = 0;
};

// An oil and what to calculate of it, as the user gave it: every value in
// the unit its code names (unit codes as in units/unit_tables.h). The
// engine checks and converts these itself, so callers pass them as typed.
// Later options are added as members with a default that keeps the
// calculation as it was.
struct OilInputs {
    double density = 930; // in densityUnit; 0 is "not given" with a fraction table
    double densityTemp = 20;
    int densityUnit = unit::kKgPerM3;
    int tempUnit = unit::kCelsius; // of every temperature input
    // Whether the fraction table describes the oil; without it the oil is
    // fitted to its density alone and `fractions` is not looked at. More
    // than kMaxFractions rows are refused as a wrong count.
    bool useFractions = false;
    std::vector<FractionInput> fractions;
    // The design state of the additional calculation: temperature in
    // tempUnit, absolute pressure in pressureUnit.
    double designTemp = 10;
    double designPressure = 0.3;
    int pressureUnit = unit::kMPa;
    ViscosityMethod viscosityMethod = ViscosityMethod::WholeOil;
    VapourPressureMethod vapourPressureMethod = VapourPressureMethod::AverageBoilingPoint;
    // What of the oil boils below the first narrow cut, each a share of the
    // whole oil's mass; with a fraction table they are counted within its
    // first row. They are checked whenever given and used by the vapour
    // pressure by narrow cuts.
    LightEnds lightEnds;
    // Whether the last fraction row is a residue that the program itself ran
    // up to the top of the narrow cuts (an assay's residue), not an end the
    // user gave: the engine then does not ask about a last end above
    // 600 deg.C, an end the user never typed.
    bool residueRunsToTableTop = false;
};

} // namespace viskora
