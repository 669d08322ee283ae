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
// with its density at 15 deg.C and the blend's density given. Every oil is
// resolved first (its cuts without a density take the oil's Watson K);
// volume shares become mass shares through the oils' densities. The cuts
// are recut to common boundaries, all the oils' boundaries together: each
// oil's mass between two of them is read off its cumulative TBP curve
// (mass distilled against temperature through its cut boundaries, by
// monotone cubic interpolation, which keeps every cut's own yield and
// spreads it smoothly inside the cut), and carries the density of the cut
// it comes from. A common cut's density is its pieces' volume-additive one,
// as is the blend's. The oils' light ends make the blend's: one cut when
// each oil gives them as a cut, else by component (a light-ends cut taken
// apart as lumpedLightEnds does).
// Shares must be 0 or more and add up to 100 within kShareSumTolerance.
// Measured viscosities of the oils' cuts do not carry over: the blend's
// cuts hold other oils too.
BlendOutcome blendOils(const std::vector<BlendPart>& parts, ShareBasis basis,
                       const std::string& name);

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
