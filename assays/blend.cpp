#include "assays/blend.h"

#include "assays/assay_check.h"
#include "assays/resolved_assay.h"
#include "distillation/monotone_cubic.h"
#include "engine/narrow_cut_vapour_pressure.h"

#include <algorithm>
#include <cmath>

namespace viskora::assays {
namespace {

constexpr double kEngineCutsStartC = 35;

// One oil's share of the blend by mass and its cuts above the light ends,
// with the cumulative mass distilled at their boundaries.
struct BlendedOil {
    double massFraction = 0;
    ResolvedAssay assay;
    std::vector<double> boundaries; // deg.C, start of the first cut, then each end
    std::vector<double> cumulative; // per cent of the oil's mass distilled at each
    double lightMass = 0;           // per cent of the oil
    double lightVolume = 0;         // lightMass over its density at 15 deg.C
    double lightEnd = 0;            // deg.C, the top of the light ends
    bool componentsGiven = false;   // light ends by component
};

BlendedOil prepare(ResolvedAssay assay, double massFraction) {
    BlendedOil oil;
    oil.massFraction = massFraction;
    double distilled = 0;
    for (const ResolvedCut& cut : assay.cuts) {
        if (cut.lightEnds) {
            oil.lightMass += cut.massPct;
            oil.lightVolume += cut.massPct / cut.density15;
            oil.componentsGiven = oil.componentsGiven || cut.component.has_value();
            if (!cut.component) {
                // A component boils at one temperature, which no cut bounds.
                oil.lightEnd = std::max(oil.lightEnd, cut.highC);
            }
            continue;
        }
        if (oil.boundaries.empty()) {
            oil.boundaries.push_back(cut.startC.value_or(kEngineCutsStartC));
            oil.cumulative.push_back(0);
        }
        distilled += cut.massPct;
        oil.boundaries.push_back(cut.highC);
        oil.cumulative.push_back(distilled);
    }
    oil.assay = std::move(assay);
    return oil;
}

// The density of the oil's cut that holds the interval from `low` up.
double densityAbove(const BlendedOil& oil, double low) {
    for (const ResolvedCut& cut : oil.assay.cuts) {
        if (!cut.lightEnds && cut.highC > low) {
            return cut.density15;
        }
    }
    return oil.assay.cuts.back().density15;
}

std::string oilName(std::size_t index) {
    return "Oil " + std::to_string(index + 1);
}

} // namespace

BlendOutcome blendOils(const std::vector<BlendPart>& parts, ShareBasis basis,
                       const std::string& name) {
    if (parts.size() < 2) {
        return {std::nullopt, "A blend needs two oils or more."};
    }
    double shareSum = 0;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        if (!std::isfinite(parts[k].sharePct) || parts[k].sharePct < 0) {
            return {std::nullopt, oilName(k) + ": the share must be a number of 0 or more."};
        }
        shareSum += parts[k].sharePct;
    }
    if (std::fabs(shareSum - 100) > kShareSumTolerance) {
        return {std::nullopt,
                "The shares add up to " + numberForMessage(shareSum) + " %, not 100 %."};
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

    std::vector<BlendedOil> oils;
    std::vector<double> boundaries;
    bool openEnded = false;
    bool startGiven = false;
    double oilVolume = 0; // of the blend, per unit mass
    for (std::size_t k = 0; k < resolved.size(); ++k) {
        const double fraction = masses[k] / massSum;
        openEnded = openEnded || (fraction > 0 && !parts[k].oil.cuts.back().endC);
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
    double lightVolume = 0;
    double lightEnd = 0;
    bool byComponent = false;
    LightEndAmounts lightEnds{};
    for (const BlendedOil& oil : oils) {
        lightMass += oil.massFraction * oil.lightMass;
        lightVolume += oil.massFraction * oil.lightVolume;
        lightEnd = std::max(lightEnd, oil.lightEnd);
        byComponent = byComponent || (oil.massFraction > 0 && oil.componentsGiven);
        for (const LightEndShare& share : oil.assay.lightEnds) {
            lightEnds[static_cast<std::size_t>(share.component)] +=
                oil.massFraction * share.massPct;
        }
    }
    for (std::size_t j = 0; j < lightEnds.size() && byComponent; ++j) {
        if (lightEnds[j] > 0) {
            blend.lightEnds.push_back({static_cast<LightEnd>(j), lightEnds[j]});
        }
    }
    if (lightMass > 0 && !byComponent) {
        blend.cuts.push_back(
            {std::nullopt, lightEnd, lightMass, StatedDensity{lightMass / lightVolume, 15}, {}});
    }

    // Below the light ends' top the blend holds light ends only: what the
    // oils distil there joins the first cut above them.
    const double lowest = boundaries.front();
    std::optional<double> cutStart = startGiven ? std::optional(lowest) : std::nullopt;
    if (lightMass > 0) {
        cutStart = std::max(lightEnd, lowest);
        std::erase_if(boundaries, [&](double b) { return b != lowest && b <= *cutStart; });
    }
    std::vector<distillation::MonotoneCubic> curves;
    for (const BlendedOil& oil : oils) {
        curves.emplace_back(oil.boundaries, oil.cumulative);
    }
    const std::size_t firstCut = blend.cuts.size();
    for (std::size_t j = 0; j + 1 < boundaries.size(); ++j) {
        const double low = boundaries[j];
        const double high = boundaries[j + 1];
        double mass = 0;
        double volume = 0;
        for (std::size_t k = 0; k < oils.size(); ++k) {
            const double piece =
                oils[k].massFraction * std::max(0.0, curves[k](high) - curves[k](low));
            mass += piece;
            volume += piece / densityAbove(oils[k], low);
        }
        if (!(mass > 0)) {
            // Nothing boils here: the interval joins the cut below, if any.
            if (blend.cuts.size() > firstCut) {
                blend.cuts.back().endC = high;
                cutStart = high;
            }
            continue;
        }
        blend.cuts.push_back({cutStart, high, mass, StatedDensity{mass / volume, 15}, {}});
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
