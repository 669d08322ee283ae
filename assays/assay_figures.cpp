#include "assays/assay_figures.h"

#include "assays/assay_narrow_cuts.h"
#include "assays/descriptors.h"
#include "assays/resolved_assay.h"
#include "engine/correlation_constants.h"

namespace viskora::assays {
namespace {

CutFigures cutFigures(const ResolvedCut& cut) {
    CutFigures f;
    f.startC = cut.startC;
    f.endC = cut.endC;
    f.lightEnds = cut.lightEnds;
    f.component = cut.component;
    f.massPct = cut.massPct;
    f.volumePct = cut.volumePct;
    f.density15 = cut.density15;
    f.density20 = cut.density20;
    f.densityEstimated = cut.densityEstimated;
    f.midBoilingC = cut.midBoilingC();
    const double kelvin = f.midBoilingC + kKelvinOffset;
    f.specificGravity = specificGravityOf(cut.density20);
    f.apiGravity = apiGravity(f.specificGravity);
    f.watsonK = watsonK(kelvin, f.specificGravity);
    f.molarMass = cut.component ? constantsOf(*cut.component).molarMass
                                : riaziDaubertMolarMass(kelvin, f.specificGravity);
    return f;
}

} // namespace

FiguresOutcome characteriseAssay(const Assay& assay) {
    const Resolution resolution = resolveAssay(assay);
    if (!resolution.assay) {
        return {std::nullopt, resolution.problem};
    }
    const ResolvedAssay& resolved = *resolution.assay;
    AssayFigures figures;
    figures.name = resolved.name;
    figures.basis = resolved.basis;
    figures.engineOil = engineOilOf(resolved);

    std::vector<std::optional<StatedViscosity>> measured;
    for (const EngineRow& row : figures.engineOil.rows) {
        measured.push_back(resolved.cuts[row.endCut - 1].viscosity);
    }
    const AssayNarrowCuts::Build built = AssayNarrowCuts::build(figures.engineOil, measured);
    if (!built.cuts) {
        return {std::nullopt, built.problem};
    }
    const AssayNarrowCuts& narrow = *built.cuts;

    // The light ends given by component lead the list, as they boil first.
    std::size_t components = 0;
    for (const ResolvedCut& cut : resolved.cuts) {
        if (cut.component) {
            figures.cuts.insert(figures.cuts.begin() + static_cast<std::ptrdiff_t>(components),
                                cutFigures(cut));
            ++components;
        } else {
            figures.cuts.push_back(cutFigures(cut));
        }
    }
    for (std::size_t r = 0; r < figures.engineOil.rows.size(); ++r) {
        CutFigures& cut = figures.cuts[components + figures.engineOil.rows[r].endCut - 1];
        cut.viscosity40 = narrow.rowViscosity(r, 40);
        cut.viscosity100 = narrow.rowViscosity(r, 100);
        cut.viscosityAnchored = measured[r].has_value();
    }

    OilFigures& oil = figures.oil;
    oil.density15 = resolved.density15;
    oil.density20 = resolved.density20;
    oil.densityFromCuts = resolved.densityFromCuts;
    oil.specificGravity = specificGravityOf(resolved.density20);
    oil.apiGravity = apiGravity(oil.specificGravity);
    oil.watsonK = narrow.characterisation().watsonK;
    oil.molarMass = narrow.characterisation().molarMass;
    oil.viscosity20 = narrow.wholeOilViscosity(20);
    oil.viscosity40 = narrow.wholeOilViscosity(40);
    oil.viscosity50 = narrow.wholeOilViscosity(50);
    oil.viscosity100 = narrow.wholeOilViscosity(100);
    oil.viscosityIndex = viscosityIndex(oil.viscosity40, oil.viscosity100);
    for (const ResolvedCut& cut : resolved.cuts) {
        if (cut.lightEnds) {
            oil.lightEndsMassPct += cut.massPct;
            oil.lightEndsVolumePct += cut.volumePct;
        }
    }
    oil.estimatingWatsonK = resolved.estimatingWatsonK;
    oil.lightEnds = resolved.lightEnds;
    if (const std::optional<OilVolatility> volatility = narrow.volatility(resolved.lightEnds)) {
        oil.reidVapourPressure = volatility->reidVapourPressure();
        oil.trueVapourPressure20 = volatility->bubblePointPressure(20);
        oil.trueVapourPressure37_8 = volatility->bubblePointPressure(kReidTempC);
    }
    return {std::move(figures), {}};
}

} // namespace viskora::assays
