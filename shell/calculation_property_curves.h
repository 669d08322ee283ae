#pragma once

#include "documents/document_records.h"
#include "property_curves/property_curves_document.h"

namespace viskora {

// A curves document for the oil of a calculation form's record: its
// density, density temperature, units, fraction table and viscosity method;
// the design state of an additional calculation becomes the sweep's fixed
// state.
CurveDocument curvesForOil(const BasicDocumentRecord& record);
CurveDocument curvesForOil(const AdditionalDocumentRecord& record);

} // namespace viskora
