#include "forms/simple_oil_view.h"

#include "ui_basic_form.h"

#include "engine/calculation.h"
#include "forms/busy_cursor.h"

#include <QPushButton>

#include <memory>

namespace viskora {

CSimpleOilView::CSimpleOilView(QWidget* parent)
    : RecordFormView([](QWidget* form) { Ui::BasicForm().setupUi(form); }, parent) {
    connect(get<QPushButton>("calculate"), &QPushButton::clicked, this, &CSimpleOilView::calculate);
}

void CSimpleOilView::initialUpdate() {
    exchangeToControls();
    fillUnitBoxes(false);
    setUpTable(record_.fractionCount, record_.fractions);
    setFractionSwitchText();
    exchangeToControls();
    enableFractionControls(record_.useFractions == 1);
    showViscosityNote(record_.viscosityMethod);
    showVapourPressureNote(record_.vapourPressureMethod);
    keepResultsMethods(record_.viscosityMethod, record_.vapourPressureMethod);
}

void CSimpleOilView::clearResults() {
    RecordFormView::clearResults();
    showVapourPressureNote(VapourPressureMethod::AverageBoilingPoint);
}

void CSimpleOilView::calculate() {
    exchangeToRecord();
    const QuietCountBox quiet(*this);
    OilInputs oil;
    BusyCursor busy;
    fillOilInputs(oil, record_);
    BasicOutcome outcome;
    if (!runAsking(busy, outcome, [&oil](const AcceptedWarnings& accepted) {
            return calculateBasic(oil, accepted);
        })) {
        return;
    }
    showViscosityNote(oil.viscosityMethod);
    showVapourPressureNote(oil.vapourPressureMethod);
    keepResultsMethods(oil.viscosityMethod, oil.vapourPressureMethod);
    showResults(outcome.results, busy);
}

void CSimpleOilView::showVapourPressureNote(VapourPressureMethod resultsMethod) {
    control("vapourPressureMethodNote")
        ->setVisible(resultsMethod == VapourPressureMethod::NarrowCuts);
}

} // namespace viskora
