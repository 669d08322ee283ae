#pragma once

#include "documents/document_records.h"
#include "forms/oil_form_view.h"
#include "forms/record_exchange.h"
#include "forms/result_units.h"

namespace viskora {

// The form of a basic calculation: the oil at atmospheric pressure and
// 20 deg.C. It owns the basic document record.
class CSimpleOilView : public OilFormView {
    Q_OBJECT

  public:
    explicit CSimpleOilView(QWidget* parent = nullptr);

    BasicDocumentRecord& record() { return record_; }
    const BasicDocumentRecord& record() const { return record_; }

    void initialUpdate() override;
    bool exchangeToRecord() override;
    void exchangeToControls() override;
    void calculate() override;

  protected:
    int& fractionCountField() override { return record_.fractionCount; }
    int useFractionsField() const override { return record_.useFractions; }

  private:
    using Result = ResultUnit<BasicDocumentRecord>;

    void changeResultUnit(const Result& result);

    BasicDocumentRecord record_;
};

} // namespace viskora
