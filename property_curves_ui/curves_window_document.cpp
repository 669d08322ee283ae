#include "property_curves_ui/curves_window.h"

#include "forms/method_box.h"
#include "grid/fraction_table_model.h"
#include "grid/fraction_table_view.h"
#include "grid/light_end_table_model.h"
#include "grid/light_end_table_view.h"
#include "property_curves_ui/curves_table_model.h"
#include "units/number_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

namespace viskora {
namespace {

void selectIndex(QComboBox* box, int index) {
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : 0);
}

// A measured row counts when either of its boxes holds something.
bool isGiven(const QLineEdit* value, const QLineEdit* temperature) {
    return !value->text().trimmed().isEmpty() || !temperature->text().trimmed().isEmpty();
}

QString notANumber(const QString& name, const QString& text) {
    return QStringLiteral("%1 must be a number: \"%2\" is not one.").arg(name, text);
}

} // namespace

void CurvesWindow::watchForEdits() {
    const auto changed = [this] {
        if (!filling_) {
            emit modified();
        }
    };
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        connect(box, &QLineEdit::textEdited, this, changed);
    }
    for (QComboBox* box : findChildren<QComboBox*>()) {
        connect(box, &QComboBox::currentIndexChanged, this, changed);
    }
    for (QSpinBox* box : findChildren<QSpinBox*>()) {
        connect(box, &QSpinBox::valueChanged, this, changed);
    }
    connect(useFractions_, &QCheckBox::toggled, this, changed);
    connect(fractionTable_, &FractionTableModel::cellEdited, this, changed);
    connect(lightEnds_, &LightEndTableModel::shareEdited, this, changed);
}

CurveDocument CurvesWindow::document() const {
    CurveDocument d;
    d.densityText = density_->text().toStdString();
    d.densityUnitIndex = densityUnit_->currentIndex();
    d.densityTempText = densityTemp_->text().toStdString();
    d.tempUnitIndex = tempUnit_->currentIndex();
    d.viscosityMethod = selectedMethod<ViscosityMethod>(*viscosityMethod_);
    d.useFractions = useFractions_->isChecked();
    // An edit still open in a cell counts, as in the forms.
    fractions_->finishEditing();
    for (int row = 0; row < fractionTable_->rowCount(); ++row) {
        FractionRow cells;
        for (int column = 0; column < FractionTableModel::kColumns; ++column) {
            cells[static_cast<std::size_t>(column)] =
                fractionTable_->text(row, column).toStdString();
        }
        d.fractions.push_back(cells);
    }
    // An edit still open in a light end's cell counts, as in the forms.
    lightEndTable_->finishEditing();
    for (int row = 0; row < LightEndTableModel::kRows; ++row) {
        d.lightEnds[static_cast<std::size_t>(row)] = lightEnds_->text(row).toStdString();
    }
    d.variable =
        variable_->currentIndex() == 0 ? SweepVariable::Temperature : SweepVariable::Pressure;
    d.fromText = from_->text().toStdString();
    d.toText = to_->text().toStdString();
    d.stepText = step_->text().toStdString();
    d.pointCount = pointCount_->value();
    d.designTempText = designTemp_->text().toStdString();
    d.designPressureText = designPressure_->text().toStdString();
    d.pressureUnitIndex = pressureUnit_->currentIndex();
    for (const MeasuredRow& row : measured_) {
        if (isGiven(row.value, row.temperature)) {
            d.measured.push_back({row.value->text().trimmed().toStdString(),
                                  row.unit->currentIndex(),
                                  row.temperature->text().trimmed().toStdString()});
        }
    }
    d.columnUnits = model_->columnUnits();
    return d;
}

QList<CurvesWindow::NamedText> CurvesWindow::numberTexts() const {
    QList<const QLineEdit*> boxes{density_, densityTemp_, from_, to_};
    if (pointCount_->value() == 0) {
        boxes << step_;
    }
    boxes << (variable_->currentIndex() == 0 ? designPressure_ : designTemp_);
    for (const MeasuredRow& row : measured_) {
        if (isGiven(row.value, row.temperature)) {
            boxes << row.value << row.temperature;
        }
    }
    QList<NamedText> texts;
    for (const QLineEdit* box : boxes) {
        texts.append({box->accessibleName(), box->text()});
    }
    if (useFractions_->isChecked()) {
        texts << fractionTexts();
    }
    return texts << lightEndTexts();
}

QList<CurvesWindow::NamedText> CurvesWindow::fractionTexts() const {
    QList<NamedText> texts;
    for (int row = 0; row < fractionTable_->rowCount(); ++row) {
        for (int column = 0; column < FractionTableModel::kColumns; ++column) {
            texts.append(
                {QStringLiteral("Fraction %1 (%2)")
                     .arg(row + 1)
                     .arg(fractionTable_->headerData(column, Qt::Horizontal, Qt::DisplayRole)
                              .toString()),
                 fractionTable_->text(row, column)});
        }
    }
    return texts;
}

// The light ends given; an empty cell is a component not given.
QList<CurvesWindow::NamedText> CurvesWindow::lightEndTexts() const {
    QList<NamedText> texts;
    for (int row = 0; row < LightEndTableModel::kRows; ++row) {
        const QString text = lightEnds_->text(row);
        if (!text.isEmpty()) {
            const QString component =
                lightEnds_->headerData(row, Qt::Vertical, Qt::DisplayRole).toString();
            texts.append({QStringLiteral("Light end %1").arg(component), text});
        }
    }
    return texts;
}

bool CurvesWindow::numbersReadable() const {
    for (const NamedText& entry : numberTexts()) {
        if (!readTypedNumber(entry.text.toStdString())) {
            showFailure(notANumber(entry.name, entry.text));
            return false;
        }
    }
    return true;
}

void CurvesWindow::setDocument(const CurveDocument& d) {
    filling_ = true;
    density_->setText(QString::fromStdString(d.densityText));
    selectIndex(densityUnit_, d.densityUnitIndex);
    densityTemp_->setText(QString::fromStdString(d.densityTempText));
    selectIndex(tempUnit_, d.tempUnitIndex);
    showMethod(*viscosityMethod_, d.viscosityMethod);
    useFractions_->setChecked(d.useFractions);
    fractionCount_->setValue(std::max(1, static_cast<int>(d.fractions.size())));
    fractionTable_->setRows(fractionCount_->value());
    for (std::size_t row = 0; row < d.fractions.size(); ++row) {
        for (int column = 0; column < FractionTableModel::kColumns; ++column) {
            fractionTable_->setText(
                static_cast<int>(row), column,
                QString::fromStdString(d.fractions[row][static_cast<std::size_t>(column)]));
        }
    }
    fractionCount_->setEnabled(d.useFractions);
    fractions_->setEnabled(d.useFractions);
    for (int row = 0; row < LightEndTableModel::kRows; ++row) {
        lightEnds_->setText(row,
                            QString::fromStdString(d.lightEnds[static_cast<std::size_t>(row)]));
    }
    variable_->setCurrentIndex(d.variable == SweepVariable::Temperature ? 0 : 1);
    designTemp_->setEnabled(d.variable == SweepVariable::Pressure);
    designPressure_->setEnabled(d.variable == SweepVariable::Temperature);
    from_->setText(QString::fromStdString(d.fromText));
    to_->setText(QString::fromStdString(d.toText));
    step_->setText(QString::fromStdString(d.stepText));
    pointCount_->setValue(d.pointCount);
    designTemp_->setText(QString::fromStdString(d.designTempText));
    designPressure_->setText(QString::fromStdString(d.designPressureText));
    selectIndex(pressureUnit_, d.pressureUnitIndex);
    for (std::size_t i = 0; i < measured_.size(); ++i) {
        const MeasuredViscosityText entry =
            i < d.measured.size() ? d.measured[i] : MeasuredViscosityText{"", 1, ""};
        measured_[i].value->setText(QString::fromStdString(entry.viscosityText));
        selectIndex(measured_[i].unit, entry.viscosityUnitIndex);
        measured_[i].temperature->setText(QString::fromStdString(entry.temperatureText));
    }
    model_->setColumnUnits(d.columnUnits);
    filling_ = false;
}

} // namespace viskora
