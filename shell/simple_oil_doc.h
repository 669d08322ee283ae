#pragma once

#include "forms/simple_oil_view.h"
#include "shell/oil_document.h"

namespace viskora {

// A basic calculation: the oil at atmospheric pressure and 20 deg.C.
class CSimpleOilDoc : public OilDocumentOf<CSimpleOilView, BasicDocumentRecord> {
  public:
    explicit CSimpleOilDoc(DocumentHost& host) : OilDocumentOf(host) {}
};

} // namespace viskora
