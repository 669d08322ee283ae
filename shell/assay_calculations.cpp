#include "shell/assay_calculations.h"

namespace viskora {

CurveDocument curvesForAssayOil(const assays::EngineOilTexts& oil) {
    CurveDocument document;
    document.densityText = oil.densityText;
    document.densityUnitIndex = 0;
    document.densityTempText = oil.densityTempText;
    document.tempUnitIndex = 1;
    document.useFractions = true;
    document.viscosityMethod = ViscosityMethod::NarrowCuts;
    document.lightEnds = oil.lightEnds;
    const std::size_t rows =
        std::min(oil.fractions.size(), static_cast<std::size_t>(kFractionRowCapacity));
    document.fractions.assign(oil.fractions.begin(), oil.fractions.begin() + rows);
    return document;
}

} // namespace viskora
