#pragma once

#include "forms/complex_oil_view.h"
#include "shell/oil_document.h"

namespace viskora {

// An additional calculation: the oil at a given absolute pressure and
// temperature, split into a gas and a liquid phase.
class CComplexOilDoc : public OilDocumentOf<CComplexOilView, AdditionalDocumentRecord> {
  public:
    explicit CComplexOilDoc(DocumentHost& host) : OilDocumentOf(host) {}
};

} // namespace viskora
