#include "forms/complex_oil_view.h"

#include "ui_additional_form.h"

#include "engine/calculation.h"
#include "forms/busy_cursor.h"
#include "forms/simple_oil_view.h"
#include "units/number_text.h"

#include <QPushButton>

#include <algorithm>
#include <memory>

namespace viskora {

CComplexOilView::CComplexOilView(QWidget* parent)
    : RecordFormView([](QWidget* form) { Ui::AdditionalForm().setupUi(form); }, parent) {
    connect(get<QPushButton>("calculate"), &QPushButton::clicked, this,
            &CComplexOilView::calculate);
}

void CComplexOilView::initialUpdate() {
    exchangeToControls();
    fillUnitBoxes(true);
    setUpTable(record_.fractionCount, record_.fractions);
    takeOverFrom(takeOverSource_);
    setFractionSwitchText();
    exchangeToControls();
    enableFractionControls(record_.useFractions == 1);
    mirrorSharedUnits();
    showViscosityNote(record_.viscosityMethod);
    initialised_ = true;
}

void CComplexOilView::takeOverFrom(CSimpleOilView* basic) {
    if (basic == nullptr || record_.loadedFromFile) {
        return;
    }
    basic->exchangeToRecord();
    const BasicDocumentRecord& source = basic->record();
    record_.densityText = source.densityText;
    record_.densityUnitIndex = source.densityUnitIndex;
    record_.densityTempText = source.densityTempText;
    record_.tempUnitIndex = source.tempUnitIndex;
    record_.viscosityMethod = source.viscosityMethod;
    if (source.useFractions == 1) {
        record_.fractionCount = source.fractionCount;
        record_.useFractions = 1;
        exchangeToControls();
        apply();
        copyTableRowsFrom(*basic);
    }
    if (initialised_) {
        exchangeToControls();
        enableFractionControls(record_.useFractions == 1);
        mirrorSharedUnits();
    }
}

void CComplexOilView::copyTableRowsFrom(const CSimpleOilView& basic) {
    const FractionTableModel& from = basic.fractionTable();
    for (int row = 0; row < from.rowCount(); ++row) {
        for (int column = 0; column < FractionTableModel::kColumns; ++column) {
            fractionTable_.setText(row, column, from.text(row, column));
        }
    }
}

void CComplexOilView::calculate() {
    exchangeToRecord();
    const QuietCountBox quiet(*this);
    OilInputs oil;
    BusyCursor busy;
    fillOilInputs(oil, record_);
    oil.designTemp = textToNumber(record_.designTempText);
    oil.designPressure = textToNumber(record_.designPressureText);
    oil.pressureUnit = record_.pressureUnitIndex;
    AdditionalOutcome outcome;
    if (!runGuarded(busy,
                    [&] { return (outcome = calculateAdditional(oil, &messages_)).status; })) {
        return;
    }
    showViscosityNote(oil.viscosityMethod);
    showResults(outcome.results, busy);
}

} // namespace viskora
