#include "assays/resolved_assay.h"
#include "units/unit_tables.h"

#include "assays/assay_check.h"
#include "assays/descriptors.h"
#include "assays/light_end_split.h"
#include "engine/common_correlations.h"

#include <cmath>

namespace viskora::assays {
namespace {

constexpr double kEngineCutsStartC = 35;
constexpr double kButaneBoilingC = -0.5;
constexpr double kLowestWatsonK = 8;
constexpr double kHighestWatsonK = 15;
constexpr int kBisectionSteps = 200;

// A density to 15 and 20 deg.C by the oil's linear expansion rule; one given
// at 15 deg.C is kept as it is.
void setDensities(ResolvedCut& cut, const StatedDensity& stated) {
    cut.density20 = densityAtReference(stated.kgPerM3, stated.tempC, 20);
    cut.density15 = stated.tempC == 15 ? stated.kgPerM3 : density15Of(cut.density20);
}

// Every light end by component: those given so, and the light-ends cuts
// taken apart.
LightEnds lightEndsOf(const std::vector<ResolvedCut>& cuts) {
    LightEnds light;
    for (const ResolvedCut& cut : cuts) {
        if (cut.component) {
            light.push_back({*cut.component, cut.massPct});
        } else if (cut.lightEnds) {
            const LightEnds parts = lumpedLightEnds(cut.massPct, cut.density15);
            light.insert(light.end(), parts.begin(), parts.end());
        }
    }
    return light;
}

ResolvedCut rangeOf(const AssayCut& given) {
    ResolvedCut cut;
    cut.startC = given.startC;
    cut.endC = given.endC;
    cut.highC = given.endC.value_or(kTableTopC);
    cut.lightEnds = cut.highC <= kLightEndsTopC;
    const double defaultStart =
        cut.lightEnds ? std::min(kButaneBoilingC, cut.highC) : kEngineCutsStartC;
    cut.lowC = given.startC.value_or(defaultStart);
    cut.viscosity = given.viscosity;
    return cut;
}

// The oil's density at 15 deg.C from the cuts' densities at 15 deg.C and
// the yields: by volume the plain mean, by mass the harmonic one.
double volumeAdditiveDensity(const std::vector<ResolvedCut>& cuts,
                             const std::vector<double>& yields, YieldBasis basis) {
    double sum = 0;
    double weights = 0;
    for (std::size_t i = 0; i < cuts.size(); ++i) {
        weights += yields[i];
        sum += basis == YieldBasis::Volume ? yields[i] * cuts[i].density15
                                           : yields[i] / cuts[i].density15;
    }
    return basis == YieldBasis::Volume ? sum / weights : weights / sum;
}

void setEstimatedDensities(std::vector<ResolvedCut>& cuts, double watsonK) {
    for (ResolvedCut& cut : cuts) {
        if (cut.densityEstimated) {
            const double gravity =
                specificGravityOfWatsonK(cut.midBoilingC() + kKelvinOffset, watsonK);
            setDensities(cut, {densityOfSpecificGravity(gravity), kSpecificGravityTempC});
        }
    }
}

// The Watson K of the cuts without a density that gives the oil's density,
// by bisection: a higher K gives lighter cuts and a lighter oil.
std::optional<double> estimatingWatsonK(std::vector<ResolvedCut>& cuts,
                                        const std::vector<double>& yields, YieldBasis basis,
                                        double oilDensity15) {
    const auto densityAt = [&](double watsonK) {
        setEstimatedDensities(cuts, watsonK);
        return volumeAdditiveDensity(cuts, yields, basis);
    };
    double low = kLowestWatsonK;
    double high = kHighestWatsonK;
    if (densityAt(low) < oilDensity15 || densityAt(high) > oilDensity15) {
        return std::nullopt;
    }
    for (int step = 0; step < kBisectionSteps && high - low > 1e-13; ++step) {
        const double middle = (low + high) / 2;
        (densityAt(middle) > oilDensity15 ? low : high) = middle;
    }
    const double watsonK = (low + high) / 2;
    setEstimatedDensities(cuts, watsonK);
    return watsonK;
}

// The yields scaled to add up to 100 %: they differ from it by the
// laboratory's rounding at most (kYieldRoundingTolerance).
std::vector<double> yieldsScaledTo100(std::vector<double> yields) {
    double sum = 0;
    for (double yield : yields) {
        sum += yield;
    }
    for (double& yield : yields) {
        yield *= 100 / sum;
    }
    return yields;
}

// Both yields of every cut from the given ones.
void convertYields(std::vector<ResolvedCut>& cuts, const std::vector<double>& yields,
                   YieldBasis basis) {
    double total = 0;
    for (std::size_t i = 0; i < cuts.size(); ++i) {
        total += basis == YieldBasis::Volume ? yields[i] * cuts[i].density15
                                             : yields[i] / cuts[i].density15;
    }
    for (std::size_t i = 0; i < cuts.size(); ++i) {
        if (basis == YieldBasis::Volume) {
            cuts[i].volumePct = yields[i];
            cuts[i].massPct = yields[i] * cuts[i].density15 / total * 100;
        } else {
            cuts[i].massPct = yields[i];
            cuts[i].volumePct = yields[i] / cuts[i].density15 / total * 100;
        }
    }
}

} // namespace

ResolvedCut componentCut(LightEnd component) {
    const LightEndConstants& constants = constantsOf(component);
    ResolvedCut cut;
    cut.lightEnds = true;
    cut.component = component;
    cut.lowC = constants.boilingK - kKelvinOffset;
    cut.highC = cut.lowC;
    setDensities(cut, {densityOfSpecificGravity(constants.specificGravity), kSpecificGravityTempC});
    return cut;
}

Resolution resolveAssay(const Assay& assay) {
    if (auto problem = assayProblem(assay)) {
        return {std::nullopt, *problem};
    }
    ResolvedAssay resolved;
    resolved.name = assay.name;
    resolved.basis = assay.basis;
    std::vector<double> yields;
    bool anyWithoutDensity = false;
    for (const AssayCut& given : assay.cuts) {
        ResolvedCut cut = rangeOf(given);
        if (given.density) {
            setDensities(cut, *given.density);
        } else {
            cut.densityEstimated = true;
            anyWithoutDensity = true;
        }
        resolved.cuts.push_back(cut);
        yields.push_back(given.yield);
    }
    for (const LightEndYield& given : assay.lightEnds) {
        resolved.cuts.push_back(componentCut(given.component));
        yields.push_back(given.yield);
    }
    if (assay.density) {
        ResolvedCut oil;
        setDensities(oil, *assay.density);
        resolved.density15 = oil.density15;
        resolved.density20 = oil.density20;
    }
    if (anyWithoutDensity) {
        resolved.estimatingWatsonK =
            estimatingWatsonK(resolved.cuts, yields, assay.basis, resolved.density15);
        if (!resolved.estimatingWatsonK) {
            return {std::nullopt,
                    "The cuts without a density cannot make the whole oil's density of " +
                        numberForMessage(resolved.density15) +
                        " kg/m3 at 15 deg.C: the cuts with one are too light or too heavy "
                        "for it."};
        }
    }
    if (!assay.density) {
        resolved.densityFromCuts = true;
        resolved.density15 = volumeAdditiveDensity(resolved.cuts, yields, assay.basis);
        resolved.density20 = densityAtReference(resolved.density15, 15, 20);
    }
    convertYields(resolved.cuts, yieldsScaledTo100(yields), assay.basis);
    resolved.lightEnds = lightEndsOf(resolved.cuts);
    return {std::move(resolved), {}};
}

} // namespace viskora::assays
