#pragma once

#include "assays/assay.h"

#include <optional>
#include <string>
#include <vector>

namespace viskora::assays {

// A cut of an assay with everything the calculations need: both yields,
// a density at 15 and at 20 deg.C, and its boiling range as the engine
// takes it.
struct ResolvedCut {
    std::optional<double> startC; // as given
    std::optional<double> endC;   // as given
    double lowC = 0;              // the start, or 35 deg.C (the engine's first cut) when not given;
                                  // for light ends without a start, -0.5 deg.C (n-butane)
    double highC = 0;             // the end, or 835 deg.C for a residue
    double massPct = 0;
    double volumePct = 0;
    double density15 = 0;              // kg/m3
    double density20 = 0;              // kg/m3
    bool densityEstimated = false;     // from the oil's Watson K, not given
    bool lightEnds = false;            // ends at or below 36 deg.C, or a component
    std::optional<LightEnd> component; // a light end given by component
    std::optional<StatedViscosity> viscosity;

    // The mid boiling point, deg.C, of the range lowC..highC.
    double midBoilingC() const { return (lowC + highC) / 2; }
};

struct ResolvedAssay {
    std::string name;
    YieldBasis basis = YieldBasis::Volume;
    // The assay's cuts in order, then its light ends given by component,
    // each at its normal boiling point.
    std::vector<ResolvedCut> cuts;
    // Every light end by component, per cent of the whole oil's mass: those
    // given so, and a light-ends cut taken apart (lumpedLightEnds).
    LightEnds lightEnds;
    double density15 = 0; // kg/m3, the whole oil's
    double density20 = 0;
    bool densityFromCuts = false; // not given: the cuts' volume-additive density
    // The Watson K given to the cuts without a density, when any.
    std::optional<double> estimatingWatsonK;
};

struct Resolution {
    std::optional<ResolvedAssay> assay;
    std::string problem; // why there is none, for the user
};

// A light end given by component as the resolution holds it: a cut at its
// normal boiling point and its own density, no yield yet.
ResolvedCut componentCut(LightEnd component);

// Checks the assay (assayProblem) and resolves it. Yields go between
// volume and mass through the cuts' densities at 15 deg.C (an assay's
// volumes are at standard conditions): w_i = v_i rho_i / sum(v_j rho_j).
// Densities at other temperatures go to 15 and 20 deg.C by the oil's
// linear expansion rule (viskora::densityAtReference). Cuts without a
// density take the specific gravity of one Watson K shared by all of them,
// SG = (1.8 Tb)^(1/3) / K at their mid boiling point, with K chosen so that
// all the cuts add up by volume to the whole oil's density (Watson K is
// about constant across the cuts of one crude, so the missing cuts follow
// the oil's character rather than one flat density); a K outside 8 to 15
// is refused as cuts that cannot make that oil. Light ends given by
// component are cuts of their own at the component's density.
Resolution resolveAssay(const Assay& assay);

} // namespace viskora::assays
