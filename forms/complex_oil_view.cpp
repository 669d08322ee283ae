#include "forms/complex_oil_view.h"

#include "engine/calc_sequence.h"
#include "engine/oil_calc.h"
#include "forms/busy_cursor.h"
#include "forms/simple_oil_view.h"
#include "grid/grid_control.h"
#include "units/number_text.h"

#include <QPushButton>

#include <algorithm>
#include <memory>

namespace viskora {

CComplexOilView::CComplexOilView(QWidget* parent)
    : RecordFormView(QStringLiteral(":/forms/additional.form"), parent) {
    connect(controls_.get<QPushButton>("calculate"), &QPushButton::clicked, this,
            &CComplexOilView::calculate);
}

void CComplexOilView::initialUpdate() {
    exchangeToControls();
    fillUnitBoxes(true);
    setSpinRange();
    setUpGrid(record_.fractionCount, record_.fractions);
    takeOverFrom(takeOverSource_);
    setFractionSwitchText();
    exchangeToControls();
    enableFractionControls(record_.useFractions == 1);
    mirrorSharedUnits();
    showViscosityNote(record_.viscosityMethod);
    fitToTemplate();
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
        copyGridRowsFrom(*basic);
    }
    if (initialised_) {
        exchangeToControls();
        enableFractionControls(record_.useFractions == 1);
        mirrorSharedUnits();
    }
}

void CComplexOilView::copyGridRowsFrom(const CSimpleOilView& basic) {
    const GridControl& from = basic.grid();
    const int rows = std::min(from.rowCount(), grid_->rowCount());
    for (int row = 0; row < rows; ++row) {
        grid_->setCellText(row, 0, QString::number(row + 1));
        formatGridRow(row);
        for (int column = 1; column <= 3; ++column) {
            grid_->setCellText(row, column, from.cellText(row, column));
        }
    }
}

void CComplexOilView::calculate() {
    exchangeToRecord();
    const QuietCountBox quiet(*this);
    const auto calc = std::make_unique<COilCalc>(&messages_);
    BusyCursor busy;
    fillOilInputs(*calc, record_);
    calc->designTempIn = textToNumber(record_.designTempText);
    calc->designPressureIn = textToNumber(record_.designPressureText);
    calc->pressureUnit = record_.pressureUnitIndex + 1;
    if (!runGuarded(busy, [&] { return runAdditionalCalculation(*calc); })) {
        return;
    }
    showViscosityNote(calc->viscosityMethod);
    showResults(additionalResults(*calc), busy);
}

} // namespace viskora
