#pragma once

#include "documents/document_records.h"
#include "forms/record_form_view.h"

namespace viskora {

// The form of a basic calculation: the oil at atmospheric pressure and
// 20 deg.C. It owns the basic document record.
class CSimpleOilView : public RecordFormView<BasicDocumentRecord> {
    Q_OBJECT

  public:
    explicit CSimpleOilView(QWidget* parent = nullptr);

    void initialUpdate() override;
    void calculate() override;
    void clearResults() override;

  private:
    // The note "true, by narrow cuts" beside the vapour pressure, shown
    // while the results on the form were found so, by the same rule as the
    // viscosity's note.
    void showVapourPressureNote(VapourPressureMethod resultsMethod);
};

} // namespace viskora
