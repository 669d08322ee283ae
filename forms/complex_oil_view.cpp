#include "forms/complex_oil_view.h"

#include "ui_additional_form.h"

#include "documents/field_labels.h"
#include "documents/record_fields.h"
#include "documents/unit_name_lists.h"
#include "engine/bubble_point_note.h"
#include "engine/calculation.h"
#include "forms/busy_cursor.h"
#include "forms/simple_oil_view.h"
#include "units/display_format.h"
#include "units/number_text.h"
#include "units/unit_tables.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSizePolicy>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace viskora {

CComplexOilView::CComplexOilView(QWidget* parent)
    : RecordFormView([](QWidget* form) { Ui::AdditionalForm().setupUi(form); }, parent) {
    connect(get<QPushButton>("calculate"), &QPushButton::clicked, this,
            &CComplexOilView::calculate);
    get<QLabel>("bubblePointLabel")
        ->setText(QString::fromUtf8(field_labels::kBubblePoint.data(),
                                    static_cast<qsizetype>(field_labels::kBubblePoint.size())));
    auto* unitBox = get<QComboBox>("bubblePointUnit");
    {
        const QSignalBlocker blocker(unitBox);
        const CUnitNameLists lists;
        for (const std::string& name : lists.names(Quantity::Pressure)) {
            unitBox->addItem(QString::fromStdString(name));
        }
    }
    connect(unitBox, &QComboBox::activated, this, &CComplexOilView::changeBubblePointUnit);
    // The note keeps room for two lines while hidden, so that a note shown
    // by a later Calculate moves nothing on the form.
    auto* note = get<QLabel>("bubblePointNote");
    note->setMinimumHeight(2 * note->fontMetrics().lineSpacing());
    QSizePolicy notePolicy = note->sizePolicy();
    notePolicy.setRetainSizeWhenHidden(true);
    note->setSizePolicy(notePolicy);
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
    showBubblePoint(record_.vapourPressureMethod);
    keepResultsMethods(record_.viscosityMethod, record_.vapourPressureMethod);
    initialised_ = true;
}

void CComplexOilView::clearResults() {
    RecordFormView::clearResults();
    showBubblePoint(VapourPressureMethod::AverageBoilingPoint);
}

bool CComplexOilView::exchangeToRecord() {
    if (!RecordFormView::exchangeToRecord()) {
        return false;
    }
    const auto* box = get<QComboBox>("bubblePointUnit");
    record_.bubblePointUnitIndex = box->currentIndex();
    record_.bubblePointUnitName = box->currentText().toStdString();
    return true;
}

void CComplexOilView::exchangeToControls() {
    RecordFormView::exchangeToControls();
    showBubblePointText();
    auto* box = get<QComboBox>("bubblePointUnit");
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(record_.bubblePointUnitIndex);
}

void CComplexOilView::changeBubblePointUnit() {
    exchangeToRecord();
    record_.bubblePointText =
        formatInUnit(Quantity::Pressure, record_.bubblePointBase, record_.bubblePointUnitIndex);
    exchangeToControls();
}

void CComplexOilView::showBubblePointText() {
    get<QLineEdit>("bubblePoint")
        ->setText(resultsByNarrowCuts_ ? QString::fromStdString(record_.bubblePointText)
                                       : QString());
}

void CComplexOilView::showBubblePoint(VapourPressureMethod resultsMethod) {
    resultsByNarrowCuts_ = resultsMethod == VapourPressureMethod::NarrowCuts;
    control("bubblePointRow")->setEnabled(resultsByNarrowCuts_);
    showBubblePointText();
    const double designPressure =
        convert(Quantity::Pressure, textToNumber(record_.designPressureText),
                record_.pressureUnitIndex, unit::kMPa);
    const std::optional<std::string_view> note = bubblePointNote(
        designPressure, record_.bubblePointBase, textToNumber(record_.gasShareText));
    auto* label = get<QLabel>("bubblePointNote");
    label->setText(note ? QString::fromUtf8(note->data(), static_cast<qsizetype>(note->size()))
                        : QString());
    label->setVisible(note.has_value());
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
    record_.vapourPressureMethod = source.vapourPressureMethod;
    record_.lightEnds = source.lightEnds;
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
    if (!runAsking(busy, outcome, [&oil](const AcceptedWarnings& accepted) {
            return calculateAdditional(oil, accepted);
        })) {
        return;
    }
    showViscosityNote(oil.viscosityMethod);
    keepResultsMethods(oil.viscosityMethod, oil.vapourPressureMethod);
    storeResults(outcome.results, record_);
    showBubblePoint(oil.vapourPressureMethod);
    showCompletedCalculation(busy);
}

} // namespace viskora
