#pragma once

#include "assays/engine_oil.h"
#include "documents/document_records.h"
#include "property_curves/property_curves_document.h"

#include <algorithm>

namespace viskora {

// An assay's oil as a calculation form holds it: its density at 15 deg.C
// in kg/m3, temperatures in deg.C, the fraction table switched on, and the
// viscosity by narrow cuts, the method the assay's own viscosity figures
// are made by.
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
}

// A property curves document for an assay's oil, likewise.
CurveDocument curvesForAssayOil(const assays::EngineOilTexts& oil);

} // namespace viskora
