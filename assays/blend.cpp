#include "assays/blend.h"

#include "assays/assay_check.h"
#include "assays/assay_narrow_cuts.h"
#include "assays/engine_oil.h"
#include "assays/resolved_assay.h"
#include "engine/common_correlations.h"
#include "engine/narrow_cut_vapour_pressure.h"

#include <algorithm>
#include <cmath>

namespace viskora::assays {
namespace {

constexpr double kEngineCutsStartC = 35;

// One oil of the blend: its share of the blend's mass, its cut boundaries
// above the light ends, its light ends, and the narrow cuts the engine
// spreads it over (each row's share evenly over the 1 deg.C cuts inside
// it, their densities shifted to the row's density and the oil's).
struct BlendedOil {
    double massFraction = 0;
    ResolvedAssay assay;
    EngineOil engine;
    std::vector<double> boundaries; // deg.C, start of the first cut, then each end
    double lightMass = 0;           // per cent of the oil
    double lightVolume15 = 0;       // lightMass over its density at 15 deg.C
    double lightEnd = 0;            // deg.C, the top of the light ends
    bool componentsGiven = false;   // light ends by component
    // deg.C, the end of the engine's first row: the light ends are spread
    // over it, and the vapour pressure spreads its lightest part from its
    // start.
    double firstRowEnd = 0;
};

BlendedOil prepare(ResolvedAssay assay, double massFraction) {
    BlendedOil oil;
    oil.massFraction = massFraction;
    for (const ResolvedCut& cut : assay.cuts) {
        if (cut.lightEnds) {
            oil.lightMass += cut.massPct;
            oil.lightVolume15 += cut.massPct / cut.density15;
            oil.componentsGiven = oil.componentsGiven || cut.component.has_value();
            if (!cut.component) {
                // A component boils at one temperature, which no cut bounds.
                oil.lightEnd = std::max(oil.lightEnd, cut.highC);
            }
            continue;
        }
        if (oil.boundaries.empty()) {
            oil.boundaries.push_back(cut.startC.value_or(kEngineCutsStartC));
        }
        oil.boundaries.push_back(cut.highC);
    }
    oil.engine = engineOilOf(assay);
    if (!oil.engine.rows.empty()) {
        oil.firstRowEnd = oil.engine.rows.front().endC;
    }
    oil.assay = std::move(assay);
    return oil;
}

// The interval of `boundaries` (ascending) that holds `temperatureC`; below
// the first it is the first, above the last the last.
std::size_t intervalOf(const std::vector<double>& boundaries, double temperatureC) {
    const auto above = std::upper_bound(boundaries.begin(), boundaries.end(), temperatureC);
    const auto index = static_cast<std::size_t>(std::distance(boundaries.begin(), above));
    return std::clamp<std::size_t>(index, 1, boundaries.size() - 1) - 1;
}

// Mass (per cent of the blend) and volume at 20 deg.C of what the oils
// distil in each interval between `boundaries`: every oil's narrow cuts as
// the engine holds them, each in the interval its middle lies in, at the
// densities of the oil's cuts (the shift to the whole oil's density taken
// off again: the blend's engine makes its own from the blend's density). An
// oil recut so keeps its own narrow cuts: each piece's density is its narrow
// cuts', not the whole cut's it comes from, and a row split on the engine's
// 1 deg.C grid spreads its pieces over the same cuts with the same shares.
struct Pieces {
    std::vector<double> mass;
    std::vector<double> volume20;
};

std::optional<Pieces> piecesOf(const std::vector<BlendedOil>& oils,
                               const std::vector<double>& boundaries, std::string& problem) {
    Pieces pieces;
    pieces.mass.assign(boundaries.size() - 1, 0);
    pieces.volume20.assign(boundaries.size() - 1, 0);
    for (std::size_t k = 0; k < oils.size(); ++k) {
        const AssayNarrowCuts::Build built = AssayNarrowCuts::build(oils[k].engine, {});
        if (!built.cuts) {
            problem = "Oil " + std::to_string(k + 1) + ": " + built.problem;
            return std::nullopt;
        }
        const CutDistribution cuts = built.cuts->distribution();
        for (int i = cuts.first; i < cuts.end; ++i) {
            if (!(cuts.share[i] > 0)) {
                continue;
            }
            const std::size_t j = intervalOf(boundaries, (cuts.low[i] + cuts.high[i]) / 2);
            const double mass = oils[k].massFraction * cuts.share[i];
            pieces.mass[j] += mass;
            pieces.volume20[j] += mass / (cuts.density[i] - built.cuts->densityLevel());
        }
    }
    return pieces;
}

std::string oilName(std::size_t index) {
    return "Oil " + std::to_string(index + 1);
}

} // namespace

std::optional<std::string> blendShareProblem(const std::vector<double>& sharesPct) {
    if (sharesPct.size() < 2) {
        return "A blend needs two oils or more.";
    }
    double shareSum = 0;
    for (std::size_t k = 0; k < sharesPct.size(); ++k) {
        if (!std::isfinite(sharesPct[k]) || sharesPct[k] < 0) {
            return oilName(k) + ": the share must be a number of 0 or more.";
        }
        shareSum += sharesPct[k];
    }
    if (std::fabs(shareSum - 100) > kShareSumTolerance) {
        return "The shares add up to " + numberForMessage(shareSum) + " %, not 100 %.";
    }
    return std::nullopt;
}

BlendOutcome blendOils(const std::vector<BlendPart>& parts, ShareBasis basis,
                       const std::string& name) {
    std::vector<double> shares;
    for (const BlendPart& part : parts) {
        shares.push_back(part.sharePct);
    }
    if (auto problem = blendShareProblem(shares)) {
        return {std::nullopt, std::move(*problem)};
    }

    std::vector<ResolvedAssay> resolved;
    double massSum = 0;
    std::vector<double> masses;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        Resolution resolution = resolveAssay(parts[k].oil);
        if (!resolution.assay) {
            return {std::nullopt, oilName(k) + ": " + resolution.problem};
        }
        const double mass = basis == ShareBasis::Volume
                                ? parts[k].sharePct * resolution.assay->density15
                                : parts[k].sharePct;
        masses.push_back(mass);
        massSum += mass;
        resolved.push_back(std::move(*resolution.assay));
    }

    // An oil of no share is checked like the others but takes no part:
    // neither its boundaries nor its light ends change the blend.
    std::vector<BlendedOil> oils;
    std::vector<double> boundaries;
    bool openEnded = false;
    bool startGiven = false;
    double oilVolume = 0; // of the blend, per unit mass
    for (std::size_t k = 0; k < resolved.size(); ++k) {
        const double fraction = masses[k] / massSum;
        if (!(fraction > 0)) {
            continue;
        }
        openEnded = openEnded || !parts[k].oil.cuts.back().endC;
        oilVolume += fraction / resolved[k].density15;
        BlendedOil oil = prepare(std::move(resolved[k]), fraction);
        startGiven = startGiven || oil.assay.cuts.front().startC.has_value();
        boundaries.insert(boundaries.end(), oil.boundaries.begin(), oil.boundaries.end());
        oils.push_back(std::move(oil));
    }
    std::sort(boundaries.begin(), boundaries.end());
    boundaries.erase(std::unique(boundaries.begin(), boundaries.end()), boundaries.end());

    Assay blend;
    blend.name = name;
    blend.basis = YieldBasis::Mass;
    blend.density = StatedDensity{1 / oilVolume, 15};

    // The blend's light ends: one cut of them all, by mass and volume, when
    // every oil gives its own as a cut; else by component, each oil's (a
    // light-ends cut taken apart) by its share of the blend's mass.
    double lightMass = 0;
    double lightVolume15 = 0;
    double lightEnd = 0;
    double firstRowEnd = 0;
    bool byComponent = false;
    LightEndAmounts lightEnds{};
    for (const BlendedOil& oil : oils) {
        lightMass += oil.massFraction * oil.lightMass;
        lightVolume15 += oil.massFraction * oil.lightVolume15;
        lightEnd = std::max(lightEnd, oil.lightEnd);
        firstRowEnd = std::max(firstRowEnd, oil.firstRowEnd);
        byComponent = byComponent || oil.componentsGiven;
        for (const LightEndShare& share : oil.assay.lightEnds) {
            lightEnds[static_cast<std::size_t>(share.component)] +=
                oil.massFraction * share.massPct;
        }
    }
    // The light ends' volume at 20 deg.C as the blend's engine oil counts it
    // when it merges them into its first row.
    double lightVolume20 = 0;
    for (std::size_t j = 0; j < lightEnds.size() && byComponent; ++j) {
        if (lightEnds[j] > 0) {
            blend.lightEnds.push_back({static_cast<LightEnd>(j), lightEnds[j]});
            lightVolume20 += lightEnds[j] / componentCut(static_cast<LightEnd>(j)).density20;
        }
    }
    if (lightMass > 0 && !byComponent) {
        const StatedDensity density{lightMass / lightVolume15, 15};
        blend.cuts.push_back({std::nullopt, lightEnd, lightMass, density, {}});
        lightVolume20 = lightMass / densityAtReference(density.kgPerM3, density.tempC, 20);
    }

    // Below the light ends' top the blend holds light ends only: what the
    // oils distil there joins the first cut above them. The engine spreads
    // an oil's light ends over the whole first row of its table, and the
    // vapour pressure the row's lightest part from its start, so no boundary
    // splits an oil's first row either: the blend's first cut holds them all.
    const double lowest = boundaries.front();
    std::optional<double> cutStart = startGiven ? std::optional(lowest) : std::nullopt;
    const double lightTop = lightMass > 0 ? lightEnd : lowest;
    if (lightMass > 0) {
        cutStart = std::max(lightEnd, lowest);
    }
    std::erase_if(boundaries,
                  [&](double b) { return b != lowest && (b <= lightTop || b < firstRowEnd); });
    std::string problem;
    std::optional<Pieces> pieces = piecesOf(oils, boundaries, problem);
    if (!pieces) {
        return {std::nullopt, problem};
    }
    // The narrow cuts of the first interval hold the light ends too.
    pieces->mass.front() -= lightMass;
    pieces->volume20.front() -= lightVolume20;

    const std::size_t firstCut = blend.cuts.size();
    for (std::size_t j = 0; j + 1 < boundaries.size(); ++j) {
        const double high = boundaries[j + 1];
        const double mass = pieces->mass[j];
        if (!(mass > 0)) {
            // Nothing boils here: the interval joins the cut below, if any.
            if (blend.cuts.size() > firstCut) {
                blend.cuts.back().endC = high;
                cutStart = high;
            }
            continue;
        }
        blend.cuts.push_back(
            {cutStart, high, mass, StatedDensity{mass / pieces->volume20[j], 20}, {}});
        cutStart = high;
    }
    if (openEnded && blend.cuts.size() > firstCut) {
        blend.cuts.back().endC = std::nullopt;
    }
    return {std::move(blend), {}};
}

Assay assayOfFractionTable(const std::string& name, const std::vector<FractionTableRow>& rows,
                           StatedDensity density, const LightEnds& lightEnds) {
    Assay assay;
    assay.name = name;
    assay.basis = YieldBasis::Mass;
    assay.density = density;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        AssayCut cut;
        if (i > 0 || rows[i].startC != 0) {
            cut.startC = rows[i].startC;
        }
        if (i + 1 < rows.size() || rows[i].endC != 0) {
            cut.endC = rows[i].endC;
        }
        cut.yield = rows[i].massPct;
        assay.cuts.push_back(cut);
    }
    // Shares short of 100 % with the last end given leave a remainder that
    // boils above it, as the calculation's own table takes them: one more
    // cut, a residue.
    double shareSum = 0;
    for (const FractionTableRow& row : rows) {
        shareSum += row.massPct;
    }
    if (!rows.empty() && rows.back().endC != 0 && shareSum < 100 - kShareSumTolerance) {
        assay.cuts.push_back({rows.back().endC, std::nullopt, 100 - shareSum, {}, {}});
    }
    const LightEndAmounts amounts = lightEndAmounts(lightEnds);
    for (std::size_t j = 0; j < amounts.size(); ++j) {
        if (amounts[j] > 0 && !assay.cuts.empty()) {
            assay.lightEnds.push_back({static_cast<LightEnd>(j), amounts[j]});
            assay.cuts.front().yield -= amounts[j];
        }
    }
    return assay;
}

} // namespace viskora::assays
