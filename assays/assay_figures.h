#pragma once

#include "assays/assay.h"
#include "assays/engine_oil.h"

#include <optional>
#include <string>
#include <vector>

namespace viskora::assays {

// One cut of an assay characterised. Boiling figures refer to the range
// the engine holds the cut over (a start not given is 35 deg.C, or -0.5
// deg.C for light ends; a residue runs to 835 deg.C); a light end given by
// component boils at its normal boiling point.
struct CutFigures {
    std::optional<double> startC; // as given
    std::optional<double> endC;   // as given
    bool lightEnds = false;
    std::optional<LightEnd> component; // a light end given by component
    double massPct = 0;
    double volumePct = 0;
    double density15 = 0; // kg/m3
    double density20 = 0; // kg/m3
    bool densityEstimated = false;
    double midBoilingC = 0;
    double specificGravity = 0; // 60/60 deg.F
    double apiGravity = 0;
    double watsonK = 0;
    std::optional<double> molarMass; // kg/kmol, Riazi-Daubert, within its range
    // mm2/s by narrow cuts; none for light ends, which the engine holds
    // within the next cut (whose figures then include them).
    std::optional<double> viscosity40;
    std::optional<double> viscosity100;
    bool viscosityAnchored = false; // a measured viscosity anchors the cut
};

// The whole oil characterised.
struct OilFigures {
    double density15 = 0; // kg/m3
    double density20 = 0; // kg/m3
    bool densityFromCuts = false;
    double specificGravity = 0;
    double apiGravity = 0;
    double watsonK = 0;     // as the engine characterises the oil
    double molarMass = 0;   // kg/kmol, likewise
    double viscosity20 = 0; // mm2/s, by narrow cuts, each cut at its own density
    double viscosity40 = 0;
    double viscosity50 = 0;
    double viscosity100 = 0;
    std::optional<double> viscosityIndex; // ASTM D2270, from the 40 and 100 deg.C figures
    double lightEndsMassPct = 0;
    double lightEndsVolumePct = 0;
    LightEnds lightEnds; // by component, per cent of the oil's mass
    // MPa, by narrow cuts and light ends (Raoult's law; dissolved air left
    // out): the Reid vapour pressure (ASTM D323, D6377's VPCR4) and the true
    // vapour pressure at 20 and 37.8 deg.C; nothing when they have no value.
    std::optional<double> reidVapourPressure;
    std::optional<double> trueVapourPressure20;
    std::optional<double> trueVapourPressure37_8;
    std::optional<double> estimatingWatsonK; // given to the cuts without a density
};

struct AssayFigures {
    std::string name;
    YieldBasis basis = YieldBasis::Volume;
    std::vector<CutFigures> cuts; // light ends given by component first, then the cuts
    OilFigures oil;
    EngineOil engineOil; // the basic and additional calculations' inputs
};

struct FiguresOutcome {
    std::optional<AssayFigures> figures;
    std::string problem; // why there are none, for the user
};

// Checks, resolves and characterises an assay.
FiguresOutcome characteriseAssay(const Assay& assay);

} // namespace viskora::assays
