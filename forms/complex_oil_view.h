#pragma once

#include "documents/document_records.h"
#include "forms/record_form_view.h"

#include <QPointer>

namespace viskora {

class CSimpleOilView;

// The form of an additional calculation: the oil at a given absolute
// pressure and temperature, split into a gas and a liquid phase. It owns the
// additional document record.
class CComplexOilView : public RecordFormView<AdditionalDocumentRecord> {
    Q_OBJECT

  public:
    explicit CComplexOilView(QWidget* parent = nullptr);

    // The basic form that was active when this calculation was created; the
    // initial update takes its inputs over (unless the record was read from
    // a file).
    void setTakeOverSource(CSimpleOilView* basic) { takeOverSource_ = basic; }

    // Takes over the density, the temperature and their units, the
    // viscosity method, and the fraction table when the basic form uses it.
    // Does nothing when the record was read from a file or `basic` is null.
    // Run by the initial update; when called after it, the form is shown
    // again afterwards.
    void takeOverFrom(CSimpleOilView* basic);

    void initialUpdate() override;
    void calculate() override;

  private:
    void copyTableRowsFrom(const CSimpleOilView& basic);

    QPointer<CSimpleOilView> takeOverSource_;
    bool initialised_ = false;
};

} // namespace viskora
