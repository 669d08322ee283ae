#pragma once

#include "documents/document_records.h"
#include "forms/record_form_view.h"

#include <QPointer>

namespace viskora {

class CSimpleOilView;

// The form of an additional calculation: the oil at a given absolute
// pressure and temperature, split into a gas and a liquid phase. It owns the
// additional document record. By narrow cuts it shows the whole oil's
// bubble-point pressure at the design temperature as well, in a unit of its
// own, and a note where the bubble point and the phase split disagree.
class CComplexOilView : public RecordFormView<AdditionalDocumentRecord> {
    Q_OBJECT

  public:
    explicit CComplexOilView(QWidget* parent = nullptr);

    // The basic form that was active when this calculation was created; the
    // initial update takes its inputs over (unless the record was read from
    // a file).
    void setTakeOverSource(CSimpleOilView* basic) { takeOverSource_ = basic; }

    // Takes over the density, the temperature and their units, the
    // viscosity and vapour pressure methods, the light ends, and the
    // fraction table when the basic form uses it.
    // Does nothing when the record was read from a file or `basic` is null.
    // Run by the initial update; when called after it, the form is shown
    // again afterwards.
    void takeOverFrom(CSimpleOilView* basic);

    void initialUpdate() override;
    void calculate() override;
    void clearResults() override;

    // The exchange of every field, then of the bubble point's unit (read
    // only when the exchange got through the count box, as the other
    // units) and its shown value.
    bool exchangeToRecord() override;
    void exchangeToControls() override;

  private:
    void copyTableRowsFrom(const CSimpleOilView& basic);
    // The bubble point shown in the unit its box selects, as the other
    // results are on a unit change.
    void changeBubblePointUnit();
    // The bubble point with its note, shown while the results on the form
    // were found by narrow cuts: those of the record when the form is first
    // shown, then those of each completed calculation; otherwise its row is
    // empty and disabled. The note weighs the design pressure and the gas
    // share the results were found with.
    void showBubblePoint(VapourPressureMethod resultsMethod);
    void showBubblePointText();

    QPointer<CSimpleOilView> takeOverSource_;
    bool initialised_ = false;
    bool resultsByNarrowCuts_ = false;
};

} // namespace viskora
