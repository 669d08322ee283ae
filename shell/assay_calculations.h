#pragma once

#include "assays/engine_oil.h"
#include "documents/document_records.h"
#include "property_curves/property_curves_document.h"

#include <algorithm>

namespace viskora {

// An assay's oil as a calculation form holds it: its density at 15 deg.C
// in kg/m3, temperatures in deg.C, the fraction table switched on, its light
// ends, and the viscosity and vapour pressure by narrow cuts, the methods the
// assay's own figures are made by.
template <typename Record> void fillAssayOil(Record& record, const assays::EngineOilTexts& oil) {
    record.densityText = oil.densityText;
    record.densityUnitIndex = 0;
    record.densityTempText = oil.densityTempText;
    record.tempUnitIndex = 1;
    record.useFractions = 1;
    const int rows = std::min(static_cast<int>(oil.fractions.size()), kFractionRowCapacity);
    record.fractionCount = rows;
    std::copy_n(oil.fractions.begin(), rows, record.fractions.begin());
    record.viscosityMethod = ViscosityMethod::NarrowCuts;
    record.vapourPressureMethod = VapourPressureMethod::NarrowCuts;
    record.lightEnds = oil.lightEnds;
}

// A property curves document for an assay's oil, likewise.
CurveDocument curvesForAssayOil(const assays::EngineOilTexts& oil);

} // namespace viskora
