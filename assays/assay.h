#pragma once

#include "engine/light_ends.h"
#include "engine/oil_inputs.h"

#include <optional>
#include <string>
#include <vector>

// A crude oil's assay as the laboratory reports it: its true-boiling-point
// (TBP) cuts with their yields, each cut's density and, sometimes, a measured
// viscosity, and the whole oil's density. Plain values in base units
// (deg.C, kg/m3, mm2/s, per cent); the library's functions take and give
// these and keep nothing between calls.
namespace viskora::assays {

// How the yields of an assay's cuts are given: per cent of the oil's mass,
// or of its liquid volume at 15 deg.C.
enum class YieldBasis { Mass, Volume };

// A density, kg/m3, measured at a temperature, deg.C.
struct StatedDensity {
    double kgPerM3 = 0;
    double tempC = 15;

    bool operator==(const StatedDensity&) const = default;
};

// A kinematic viscosity, mm2/s, measured at a temperature, deg.C.
struct StatedViscosity {
    double mm2PerS = 0;
    double tempC = 40;

    bool operator==(const StatedViscosity&) const = default;
};

// One TBP cut. Only the first cut may leave its start out (it holds
// whatever boils below its end) and only the last its end (a residue).
struct AssayCut {
    std::optional<double> startC;
    std::optional<double> endC;
    double yield = 0; // per cent, on the assay's basis
    std::optional<StatedDensity> density;
    std::optional<StatedViscosity> viscosity;

    bool operator==(const AssayCut&) const = default;
};

// A light end reported by component, as laboratories give a crude's gases
// and pentanes: its yield on the assay's basis, per cent of the whole oil.
struct LightEndYield {
    LightEnd component = LightEnd::Propane;
    double yield = 0;

    bool operator==(const LightEndYield&) const = default;
};

// An assay. The whole oil's density may be left out when every cut has
// one: it is then the cuts' volume-additive density. The light ends are
// given either as a cut ending at or below 36 deg.C (the assays' "butanes
// and lighter", with its density) or by component in `lightEnds`, whose
// yields add up to 100 % with the cuts'.
struct Assay {
    std::string name;
    YieldBasis basis = YieldBasis::Volume;
    std::vector<AssayCut> cuts;
    std::optional<StatedDensity> density;
    std::vector<LightEndYield> lightEnds;

    bool operator==(const Assay&) const = default;
};

// The most cuts an assay holds: the rows of the engine's fraction table.
inline constexpr std::size_t kMaxAssayCuts = 100;

// The engine's narrow cuts run from 35 to 835 deg.C: an assay's boundaries
// lie at or below the top, and a residue is spread up to it.
inline constexpr double kTableTopC = 835;

// A cut ending at or below this is the assay's light ends (the butanes and
// pentanes; n-pentane boils at 36.1 deg.C). It holds no whole 1 deg.C cut of
// the engine, whose cuts start at 35 deg.C, and is merged into the next cut
// where the engine's fraction table takes the oil; the vapour pressure by
// narrow cuts takes it apart again as its components.
inline constexpr double kLightEndsTopC = 36;

// Shares of a blend must add up to 100 % within the engine's own tolerance
// for its fraction table: a sum typed with a few decimals is 100 exactly
// but for binary rounding.
inline constexpr double kShareSumTolerance = viskora::kShareSumTolerance;

// A laboratory reports each yield rounded (to 0.1 % or to a few decimals of
// a volume), so an assay's yields seldom add up to 100 exactly: a sum within
// this many per cent of 100 is taken as rounding and the yields are scaled
// to add up to 100, as an engineer would. Further off, a cut is missing or
// mistyped, and the assay is refused.
inline constexpr double kYieldRoundingTolerance = 0.1;

} // namespace viskora::assays
