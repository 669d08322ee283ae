#pragma once

#include "assays/assay.h"

#include <optional>
#include <string>
#include <vector>

namespace viskora::assays {

// How the shares of a blend are given: per cent of its mass or of its
// volume at 15 deg.C.
enum class ShareBasis { Mass, Volume };

struct BlendPart {
    Assay oil;
    double sharePct = 0;
};

struct BlendOutcome {
    std::optional<Assay> blend;
    std::string problem; // why there is none, naming the oil (1-based) or the shares
};

// The blend of two or more oils as an assay of its own, by mass, each cut
// with its density at 20 deg.C (as the engine holds its narrow cuts) and the
// blend's density at 15 deg.C given. Every oil is resolved first (its cuts
// without a density take the oil's Watson K); volume shares become mass
// shares through the oils' densities. The cuts are recut to common
// boundaries, all the oils' boundaries together (an oil of no share takes no
// part): each oil's mass and volume between two of them are those of its
// narrow cuts there, as the engine spreads the oil over its 1 deg.C cuts
// with their densities shifted to the oil's cuts and whole oil
// (AssayNarrowCuts). A piece of a cut so has its own density, not the whole
// cut's, and an oil recut at boundaries on the engine's grid keeps its
// figures. No boundary splits the engine's first row of an oil whose light
// ends it holds. A common cut's density is its pieces' volume-additive one,
// as is the blend's. The oils' light ends make the blend's: one cut when
// each oil gives them as a cut, else by component (a light-ends cut taken
// apart as lumpedLightEnds does).
// The shares must make a blend (blendShareProblem).
// Measured viscosities of the oils' cuts do not carry over: the blend's
// cuts hold other oils too.
BlendOutcome blendOils(const std::vector<BlendPart>& parts, ShareBasis basis,
                       const std::string& name);

// Why shares (per cent, one per oil) cannot make a blend: fewer than two
// oils, a share that is not a number of 0 or more, or shares that do not add
// up to 100 within kShareSumTolerance (the sentence gives their sum).
// Nothing when they can. The blend window checks its shares by it too.
std::optional<std::string> blendShareProblem(const std::vector<double>& sharesPct);

// An oil given by a fraction table (boiling ranges in deg.C, a start or end
// of 0 not given, mass shares in per cent) and its density, as an assay by
// mass without cut densities: the forms' and .vkr files' oils as blend parts.
struct FractionTableRow {
    double startC = 0;
    double endC = 0;
    double massPct = 0;
};

// Light ends given with the table (mass % of the whole oil, counted within
// its first row) become components, taken out of the first row's yield.
// Shares short of 100 % with the last end given make a residue above it of
// the rest, as the calculation forms take such a table.
Assay assayOfFractionTable(const std::string& name, const std::vector<FractionTableRow>& rows,
                           StatedDensity density, const LightEnds& lightEnds = {});

} // namespace viskora::assays
