#pragma once

#include "documents/document_records.h"
#include "forms/oil_form_view.h"
#include "forms/record_exchange.h"
#include "forms/result_units.h"

#include <QPointer>

namespace viskora {

class CSimpleOilView;

// The form of an additional calculation: the oil at a given absolute
// pressure and temperature, split into a gas and a liquid phase. It owns the
// additional document record.
class CComplexOilView : public OilFormView {
    Q_OBJECT

  public:
    explicit CComplexOilView(QWidget* parent = nullptr);

    AdditionalDocumentRecord& record() { return record_; }
    const AdditionalDocumentRecord& record() const { return record_; }

    // The basic form that was active when this calculation was created; the
    // initial update takes its inputs over (unless the record was read from
    // a file).
    void setTakeOverSource(CSimpleOilView* basic) { takeOverSource_ = basic; }

    // Takes over the density, the temperature and their units, and the
    // fraction table when the basic form uses it. Does nothing when the
    // record was read from a file or `basic` is null. Run by the initial
    // update; when called after it, the form is shown again afterwards.
    void takeOverFrom(CSimpleOilView* basic);

    void initialUpdate() override;
    bool exchangeToRecord() override;
    void exchangeToControls() override;
    void calculate() override;

  protected:
    int& fractionCountField() override { return record_.fractionCount; }
    int useFractionsField() const override { return record_.useFractions; }

  private:
    using Result = ResultUnit<AdditionalDocumentRecord>;

    void changeResultUnit(const Result& result);
    void mirrorDesignTempUnit();
    void copyGridRowsFrom(const CSimpleOilView& basic);

    AdditionalDocumentRecord record_;
    QPointer<CSimpleOilView> takeOverSource_;
    bool initialised_ = false;
};

} // namespace viskora
