#include "forms/simple_oil_view.h"

#include "engine/calc_sequence.h"
#include "engine/oil_calc.h"
#include "forms/busy_cursor.h"

#include <QPushButton>

#include <memory>

namespace viskora {

CSimpleOilView::CSimpleOilView(QWidget* parent)
    : RecordFormView(QStringLiteral(":/forms/basic.form"), parent) {
    connect(controls_.get<QPushButton>("calculate"), &QPushButton::clicked, this,
            &CSimpleOilView::calculate);
}

void CSimpleOilView::initialUpdate() {
    exchangeToControls();
    fillUnitBoxes(false);
    setSpinRange();
    setUpGrid(record_.fractionCount, record_.fractions);
    setFractionSwitchText();
    exchangeToControls();
    enableFractionControls(record_.useFractions == 1);
    showViscosityNote(record_.viscosityMethod);
    fitToTemplate();
}

void CSimpleOilView::calculate() {
    exchangeToRecord();
    const QuietCountBox quiet(*this);
    const auto calc = std::make_unique<COilCalc>(&messages_);
    BusyCursor busy;
    fillOilInputs(*calc, record_);
    if (!runGuarded(busy, [&] { return runBasicCalculation(*calc); })) {
        return;
    }
    showViscosityNote(calc->viscosityMethod);
    showResults(basicResults(*calc), busy);
}

} // namespace viskora
