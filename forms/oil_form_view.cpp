#include "forms/oil_form_view.h"

#include "distillation/oil_density.h"
#include "engine/message_texts.h"
#include "engine/oil_calc.h"
#include "forms/busy_cursor.h"
#include "forms/distillation_curve_dialog.h"
#include "forms/enter_escape_filter.h"
#include "forms/in_place_edit.h"
#include "forms/spin_arrows.h"
#include "forms/viscosity_method_box.h"
#include "grid/grid_control.h"
#include "units/number_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <array>
#include <utility>

namespace viskora {
namespace {

// The invisible labels whose widths the grid's four columns take.
constexpr std::array kColumnWidthTemplates{"numberColumnWidth", "startColumnWidth",
                                           "endColumnWidth", "shareColumnWidth"};
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

// The templates are built into the program; one that cannot be read is a
// defect of the build, not of the user's data.
FormTemplate checkedTemplate(const QString& path) {
    FormTemplate form = loadFormTemplate(path);
    if (!form.errors.isEmpty()) {
        qFatal("form template %s: %s", qPrintable(path), qPrintable(form.errors.join(u"; ")));
    }
    return form;
}

} // namespace

OilFormView::OilFormView(const QString& templatePath, QWidget* parent)
    : QWidget(parent), controls_(buildForm(checkedTemplate(templatePath), this)),
      grid_(controls_.get<GridControl>(QStringLiteral("fractions"))), messages_(this),
      fractionRows_(*grid_) {
    grid_->setCellEditorFactory(
        [](QWidget* editorParent) { return new CInPlaceEdit(editorParent); });
    grid_->setPasteRule(&CNumEdit::cellNumber);
    installEventFilter(new EnterEscapeFilter(this));
    resize(templateSize());
    auto* method = controls_.get<QComboBox>("viscosityMethod");
    fillViscosityMethodBox(*method);
    controls_.get<QLabel>("viscosityMethodLabel")->setBuddy(method);

    connect(controls_.get<QPushButton>("apply"), &QPushButton::clicked, this, &OilFormView::apply);
    connect(controls_.get<QPushButton>("fromCurve"), &QPushButton::clicked, this,
            &OilFormView::fillFromCurve);
    connect(controls_.get<QCheckBox>("useFractions"), &QCheckBox::clicked, this, [this] {
        // A file can bring the third state; once clicked, the box has two.
        controls_.get<QCheckBox>("useFractions")->setTristate(false);
        switchFractions();
    });
    watchUserChanges();
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
    connect(controls_.get<QCheckBox>("useFractions"), &QCheckBox::clicked, this,
            &OilFormView::documentModified);
    connect(controls_.get<SpinArrows>("fractionCountSpin"), &SpinArrows::stepped, this,
            &OilFormView::documentModified);
    connect(grid_, &GridControl::cellEdited, this, &OilFormView::documentModified);
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
    int rows = grid_->rowCount();
    if (count == rows) {
        return;
    }
    for (; rows > count; --rows) {
        grid_->deleteRow(rows - 1);
    }
    while (grid_->rowCount() < count) {
        const int row = grid_->appendRow(QString::number(grid_->rowCount() + 1));
        formatGridRow(row);
        for (int column = 1; column <= 3; ++column) {
            grid_->setCellText(row, column, QStringLiteral("0"));
        }
    }
    grid_->repaintCells();
}

void OilFormView::fillFromCurve() {
    // The dialog reads the units and the density as the boxes show them now.
    const int tempUnit = controls_.get<QComboBox>("tempUnit")->currentIndex() + 1;
    const int pointUnit = tempUnit >= 1 ? tempUnit : 2;
    const auto density = distillation::densityAt20(
        textToNumber(controls_.get<QLineEdit>("density")->text().toStdString()),
        controls_.get<QComboBox>("densityUnit")->currentIndex() + 1,
        textToNumber(controls_.get<QLineEdit>("densityTemp")->text().toStdString()), pointUnit);
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
    for (int row = 0; row < static_cast<int>(rows.size()) && row < grid_->rowCount(); ++row) {
        const distillation::RowTexts& texts = rows[static_cast<std::size_t>(row)];
        grid_->setCellText(row, 1, QString::fromStdString(texts.start));
        grid_->setCellText(row, 2, QString::fromStdString(texts.end));
        grid_->setCellText(row, 3, QString::fromStdString(texts.share));
    }
    auto* box = controls_.get<QCheckBox>("useFractions");
    box->setTristate(false);
    box->setCheckState(Qt::Checked);
    switchFractions();
    emit documentModified();
}

void OilFormView::switchFractions() {
    exchangeToRecord();
    enableFractionControls(useFractionsField() == 1);
    grid_->repaintCells();
    update();
}

int OilFormView::readFractionSwitch() const {
    switch (controls_.get<QCheckBox>("useFractions")->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

bool OilFormView::readFractionCount(int& count) {
    auto* box = controls_.get<QLineEdit>("fractionCount");
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
    auto* box = controls_.get<QCheckBox>("useFractions");
    const QSignalBlocker blocker(box);
    box->setCheckState(useFractions == 2   ? Qt::PartiallyChecked
                       : useFractions == 1 ? Qt::Checked
                                           : Qt::Unchecked);
}

void OilFormView::showFractionCount(int count) {
    controls_.get<QLineEdit>("fractionCount")->setText(QString::number(count));
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
        controls_.get<QLabel>(QString::fromLatin1(name))->setText(QString::fromUtf8(text));
    }
}

ViscosityMethod OilFormView::readViscosityChoice() const {
    return selectedViscosityMethod(*controls_.get<QComboBox>("viscosityMethod"));
}

void OilFormView::showViscosityChoice(ViscosityMethod method) {
    showViscosityMethod(*controls_.get<QComboBox>("viscosityMethod"), method);
}

void OilFormView::showViscosityNote(ViscosityMethod resultsMethod) {
    controls_.widget("viscosityMethodNote")
        ->setVisible(resultsMethod == ViscosityMethod::NarrowCuts);
}

void OilFormView::setSpinRange() {
    controls_.get<SpinArrows>("fractionCountSpin")->setRange(1, 100);
}

void OilFormView::setUpGrid(int fractionCount, const FractionTable& array) {
    grid_->setDragAndDropEnabled(false);
    grid_->setCellsEditable(true);
    grid_->setTakesTab(false);
    grid_->setCellSelectionEnabled(false);

    const int rows = std::clamp(fractionCount, 0, kFractionRowCapacity);
    grid_->setColumnCount(4);
    grid_->setRowCount(rows);
    grid_->setFixedColumnCount(1);
    for (int column = 0; column < 4; ++column) {
        grid_->setColumnWidth(
            column, controls_.widget(QString::fromLatin1(kColumnWidthTemplates[column]))->width());
    }
    for (int row = 0; row < rows; ++row) {
        grid_->setCellText(row, 0, QString::number(row + 1));
        formatGridRow(row);
        for (int column = 1; column <= 3; ++column) {
            grid_->setCellText(row, column, QString::fromStdString(array[row][column - 1]));
        }
    }
    grid_->setCellFont(controls_.font);
}

void OilFormView::setFractionSwitchText() {
    controls_.get<QCheckBox>("useFractions")->setText(QStringLiteral("Use fractional composition"));
}

void OilFormView::enableFractionControls(bool enabled) {
    for (const char* name : {"fractionCount", "fractionCountSpin", "apply"}) {
        controls_.widget(QString::fromLatin1(name))->setEnabled(enabled);
    }
    for (const char* name : kFractionLabels) {
        controls_.widget(QString::fromLatin1(name))->setEnabled(enabled);
    }
    grid_->setEnabled(enabled);
}

void OilFormView::fitToTemplate() {
    setMinimumSize(templateSize());
    resize(templateSize());
    updateGeometry();
}

void OilFormView::formatGridRow(int row) {
    grid_->setRowHeight(row, controls_.widget("density")->height());
    grid_->setCellAlignment(row, 0, Qt::AlignHCenter);
    for (int column = 1; column <= 3; ++column) {
        grid_->setCellAlignment(row, column, Qt::AlignRight);
    }
}

void OilFormView::fillFractionInputs(COilCalc& calc, int useFractions, int fractionCount) const {
    if (useFractions != 1) {
        calc.inputMode = 1;
        return;
    }
    calc.inputMode = 2;
    // A count typed but not applied may lie outside 1 to 100; it is read as
    // Apply would bring it, so no row beyond the table is ever touched.
    const int count = std::clamp(fractionCount, 1, kFractionRowCapacity);
    calc.fracCountIn = count;
    for (int row = 0; row < count; ++row) {
        calc.fracStartIn[row + 1] = textToNumber(grid_->cellText(row, 1).toStdString());
        calc.fracEndIn[row + 1] = textToNumber(grid_->cellText(row, 2).toStdString());
        calc.fracShare[row + 1] = textToNumber(grid_->cellText(row, 3).toStdString());
    }
}

bool OilFormView::runGuarded(BusyCursor& busy, const std::function<CalcOutcome()>& sequence) {
    CalcOutcome outcome = CalcOutcome::Failed;
    try {
        outcome = sequence();
    } catch (...) {
        busy.restore();
        messages_.failure(texts::kCalculationError);
        return false;
    }
    return outcome == CalcOutcome::Completed;
}

void OilFormView::showCompletedCalculation(BusyCursor& busy) {
    exchangeToControls();
    busy.restore();
    emit documentModified();
    emit calculationCompleted();
}

} // namespace viskora
