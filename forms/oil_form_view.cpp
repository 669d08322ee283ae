#include "forms/oil_form_view.h"

#include "distillation/oil_density.h"
#include "engine/calculation.h"
#include "engine/message_texts.h"
#include "forms/busy_cursor.h"
#include "forms/distillation_curve_dialog.h"
#include "forms/enter_escape_filter.h"
#include "forms/method_box.h"
#include "grid/fraction_table_view.h"
#include "grid/number_validator.h"
#include "units/number_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>
#include <array>
#include <utility>

namespace viskora {
namespace {

// The boxes the user types values into; the additional form has all four.
constexpr std::array kValueBoxes{"density", "densityTemp", "designTemp", "designPressure"};
// The labels of the fraction table, switched on and off with it.
constexpr std::array kFractionLabels{"fractionTitle", "startColumnTitle", "endColumnTitle",
                                     "shareColumnTitle", "fractionCountLabel"};

// A decimal integer as the count box must hold it: blanks, an optional sign
// and digits, nothing else.
bool isInteger(const QString& text) {
    const QString trimmed = text.trimmed();
    int pos = 0;
    if (pos < trimmed.size() &&
        (trimmed[pos] == QLatin1Char('+') || trimmed[pos] == QLatin1Char('-'))) {
        ++pos;
    }
    if (pos == trimmed.size()) {
        return false;
    }
    return std::all_of(trimmed.begin() + pos, trimmed.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

} // namespace

OilFormView::OilFormView(SetUpUi setUpUi, QWidget* parent)
    : QWidget(parent), table_(nullptr), messages_(this), fractionRows_(fractionTable_) {
    setUpUi(this);
    table_ = get<FractionTableView>(QStringLiteral("fractions"));
    table_->setFractionModel(&fractionTable_);
    for (const char* name : kValueBoxes) {
        if (auto* box = get<QLineEdit>(QString::fromLatin1(name))) {
            box->setValidator(new NumberValidator(box));
        }
    }
    installEventFilter(new EnterEscapeFilter(this));
    auto* method = get<QComboBox>("viscosityMethod");
    fillMethodBox<ViscosityMethod>(*method);
    get<QLabel>("viscosityMethodLabel")->setBuddy(method);
    setUpVapourPressureChoice();
    for (const char* name : {"viscosityMethod", "vapourPressureMethod"}) {
        connect(get<QComboBox>(QString::fromLatin1(name)), &QComboBox::activated, this,
                &OilFormView::dropResultsOfOtherMethods);
    }

    connect(get<QPushButton>("apply"), &QPushButton::clicked, this, &OilFormView::apply);
    connect(get<QPushButton>("fromCurve"), &QPushButton::clicked, this,
            &OilFormView::fillFromCurve);
    connect(get<QCheckBox>("useFractions"), &QCheckBox::clicked, this, [this] {
        // A file can bring the third state; once clicked, the box has two.
        get<QCheckBox>("useFractions")->setTristate(false);
        switchFractions();
    });
    watchUserChanges();
}

void OilFormView::dropResultsOfOtherMethods() {
    const std::pair chosen{readViscosityChoice(), readVapourPressureChoice()};
    if (chosen != resultsMethods_) {
        resultsMethods_ = chosen;
        clearResults();
    }
}

void OilFormView::watchUserChanges() {
    // Only signals of the user's own actions: the form fills its controls
    // with setText and setCurrentIndex, which emit none of them.
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        connect(box, &QLineEdit::textEdited, this, &OilFormView::documentModified);
    }
    for (QComboBox* box : findChildren<QComboBox*>()) {
        connect(box, &QComboBox::activated, this, &OilFormView::documentModified);
    }
    connect(get<QCheckBox>("useFractions"), &QCheckBox::clicked, this,
            &OilFormView::documentModified);
    connect(get<QSpinBox>("fractionCount"), &QSpinBox::valueChanged, this,
            &OilFormView::documentModified);
    connect(&fractionTable_, &FractionTableModel::cellEdited, this, &OilFormView::documentModified);
    connect(&lightEndTable_, &LightEndTableModel::shareEdited, this,
            &OilFormView::documentModified);
}

void OilFormView::apply() {
    exchangeToRecord();
    int& count = fractionCountField();
    if (count > kFractionRowCapacity) {
        count = kFractionRowCapacity;
        exchangeToControls();
    }
    if (count < 1) {
        count = 1;
        exchangeToControls();
    }
    fractionTable_.setRows(count);
}

void OilFormView::fillFromCurve() {
    // The dialog reads the units and the density as the boxes show them now.
    const int tempUnit = get<QComboBox>("tempUnit")->currentIndex();
    const int pointUnit = tempUnit >= 0 ? tempUnit : unit::kCelsius;
    const auto density = distillation::densityAt20(
        textToNumber(get<QLineEdit>("density")->text().toStdString()),
        get<QComboBox>("densityUnit")->currentIndex(),
        textToNumber(get<QLineEdit>("densityTemp")->text().toStdString()), pointUnit);
    CurveDialog dialog(pointUnit, density, this);
    if (lastCurve_) {
        dialog.setEntries(*lastCurve_);
    }
    const int answer = dialog.exec();
    // Kept however the dialog closed: a curve typed and then cancelled is
    // there to finish next time.
    lastCurve_ = dialog.entries();
    if (answer != QDialog::Accepted || dialog.rows().empty()) {
        return;
    }
    const std::vector<distillation::RowTexts>& rows = dialog.rows();
    showFractionCount(static_cast<int>(rows.size()));
    apply();
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const distillation::RowTexts& texts = rows[static_cast<std::size_t>(row)];
        fractionTable_.setText(row, 0, QString::fromStdString(texts.start));
        fractionTable_.setText(row, 1, QString::fromStdString(texts.end));
        fractionTable_.setText(row, 2, QString::fromStdString(texts.share));
    }
    auto* box = get<QCheckBox>("useFractions");
    box->setTristate(false);
    box->setCheckState(Qt::Checked);
    switchFractions();
    emit documentModified();
}

void OilFormView::switchFractions() {
    exchangeToRecord();
    enableFractionControls(useFractionsField() == 1);
}

int OilFormView::readFractionSwitch() const {
    switch (get<QCheckBox>("useFractions")->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

bool OilFormView::readFractionCount(int& count) {
    auto* box = get<QSpinBox>("fractionCount");
    if (!isInteger(box->text())) {
        if (!quietCountBox_) {
            MessageBoxMessages::show(this, QMessageBox::Warning,
                                     QStringLiteral("Enter an integer."), QMessageBox::Ok);
        }
        box->setFocus();
        box->selectAll();
        return false;
    }
    count = textToInt(box->text().toStdString());
    return true;
}

void OilFormView::showFractionSwitch(int& useFractions) {
    if (useFractions < 0 || useFractions > 2) {
        useFractions = 0;
    }
    auto* box = get<QCheckBox>("useFractions");
    const QSignalBlocker blocker(box);
    box->setCheckState(useFractions == 2   ? Qt::PartiallyChecked
                       : useFractions == 1 ? Qt::Checked
                                           : Qt::Unchecked);
}

void OilFormView::showFractionCount(int count) {
    auto* box = get<QSpinBox>("fractionCount");
    const QSignalBlocker blocker(box);
    box->setValue(count);
}

void OilFormView::showFractionLabels() {
    const std::pair<const char*, const char*> labels[] = {
        {"fractionTitle", "Temperature at the atmosphere pressure"},
        {"startColumnTitle", "Boiling starting point"},
        {"endColumnTitle", "Boiling final point"},
        {"shareColumnTitle", "The fraction % in the total mass of the substance"},
        {"fractionCountLabel", "The number of fractions"},
    };
    for (const auto& [name, text] : labels) {
        get<QLabel>(QString::fromLatin1(name))->setText(QString::fromUtf8(text));
    }
}

ViscosityMethod OilFormView::readViscosityChoice() const {
    return selectedMethod<ViscosityMethod>(*get<QComboBox>("viscosityMethod"));
}

void OilFormView::showViscosityChoice(ViscosityMethod method) {
    showMethod(*get<QComboBox>("viscosityMethod"), method);
}

void OilFormView::showViscosityNote(ViscosityMethod resultsMethod) {
    control("viscosityMethodNote")->setVisible(resultsMethod == ViscosityMethod::NarrowCuts);
}

void OilFormView::setUpTable(int fractionCount, const FractionTable& array) {
    const int rows = std::clamp(fractionCount, 0, kFractionRowCapacity);
    fractionTable_.setRows(rows);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < FractionTableModel::kColumns; ++column) {
            fractionTable_.setText(row, column, QString::fromStdString(array[row][column]));
        }
    }
}

void OilFormView::setFractionSwitchText() {
    get<QCheckBox>("useFractions")->setText(QStringLiteral("Use fractional composition"));
}

void OilFormView::enableFractionControls(bool enabled) {
    for (const char* name : {"fractionCount", "apply"}) {
        control(QString::fromLatin1(name))->setEnabled(enabled);
    }
    for (const char* name : kFractionLabels) {
        control(QString::fromLatin1(name))->setEnabled(enabled);
    }
    table_->setEnabled(enabled);
}

void OilFormView::fillFractionInputs(OilInputs& oil, int useFractions, int fractionCount) const {
    oil.useFractions = useFractions == 1;
    if (!oil.useFractions) {
        return;
    }
    // A count typed but not applied may lie outside 1 to 100; it is read as
    // Apply would bring it, so no row beyond the table is ever touched.
    const int count = std::clamp(fractionCount, 1, kFractionRowCapacity);
    for (int row = 0; row < count; ++row) {
        oil.fractions.push_back({textToNumber(fractionTable_.text(row, 0).toStdString()),
                                 textToNumber(fractionTable_.text(row, 1).toStdString()),
                                 textToNumber(fractionTable_.text(row, 2).toStdString())});
    }
}

bool OilFormView::askToGoOn(const std::vector<CalcMessage>& met, AcceptedWarnings& accepted) {
    const CalcMessage* stop = stoppingMessage(met);
    if (stop == nullptr || !messages_.answer(*stop)) {
        return false;
    }
    accepted.accept(stop->text);
    return true;
}

void OilFormView::showCalculationError(BusyCursor& busy) {
    busy.restore();
    messages_.failure(texts::kCalculationError);
}

void OilFormView::showCompletedCalculation(BusyCursor& busy) {
    exchangeToControls();
    busy.restore();
    emit documentModified();
    emit calculationCompleted();
}

} // namespace viskora
