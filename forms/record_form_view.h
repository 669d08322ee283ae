#pragma once

#include "documents/record_fields.h"
#include "documents/unit_name_lists.h"
#include "forms/oil_form_view.h"
#include "grid/fraction_table_view.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QString>

#include <string>
#include <string_view>

namespace viskora {

// A calculation form over its record, driven by the record's field table
// (documents/record_fields.h): the exchange between the controls and the
// record, a result's unit change, and the read-only boxes naming a unit that
// belongs to another field. The table names the controls: the value box
// after the field, the unit box after its unit, and the label after the
// value box with "Label" added.
template <typename Record> class RecordFormView : public OilFormView {
  public:
    Record& record() { return record_; }
    const Record& record() const { return record_; }

    // Controls to record: the texts, the switch, the viscosity and vapour
    // pressure methods, the light ends, the count box (where the exchange
    // stops when it holds no integer), then the units.
    bool exchangeToRecord() override {
        table_->finishEditing();
        for (const auto& field : recordFields(record_)) {
            record_.*field.text = textBox(field.name)->text().toStdString();
        }
        record_.useFractions = readFractionSwitch();
        record_.viscosityMethod = readViscosityChoice();
        record_.vapourPressureMethod = readVapourPressureChoice();
        readLightEnds(record_.lightEnds);
        if (!readFractionCount(record_.fractionCount)) {
            return false;
        }
        for (const auto& field : recordFields(record_)) {
            if (field.unit == FieldUnit::Own) {
                const QComboBox* box = unitBox(field.unitBox);
                record_.*field.unitIndex = box->currentIndex();
                record_.*field.unitName = box->currentText().toStdString();
            } else if (field.unit == FieldUnit::Shared) {
                record_.*field.unitName = textBox(field.unitBox)->text().toStdString();
            }
        }
        return true;
    }

    // Record to controls. Selecting a unit from the record is not the user's
    // choice: no unit handler runs.
    void exchangeToControls() override {
        for (const auto& field : recordFields(record_)) {
            textBox(field.name)->setText(QString::fromStdString(record_.*field.text));
        }
        showFractionSwitch(record_.useFractions);
        showViscosityChoice(record_.viscosityMethod);
        showVapourPressureChoice(record_.vapourPressureMethod);
        showLightEnds(record_.lightEnds);
        showFractionCount(record_.fractionCount);
        for (const auto& field : recordFields(record_)) {
            get<QLabel>(nameOf(field.name) + QStringLiteral("Label"))
                ->setText(QString::fromUtf8(field.label.data(),
                                            static_cast<qsizetype>(field.label.size())));
        }
        showFractionLabels();
        for (const auto& field : recordFields(record_)) {
            if (field.unit == FieldUnit::Own) {
                QComboBox* box = unitBox(field.unitBox);
                const QSignalBlocker blocker(box);
                box->setCurrentIndex(record_.*field.unitIndex);
            } else if (field.unit == FieldUnit::Shared) {
                textBox(field.unitBox)->setText(QString::fromStdString(record_.*field.unitName));
            }
        }
    }

  protected:
    // Connects each result's unit box to its unit change, and the unit box of
    // a shared unit to the boxes that name it again.
    RecordFormView(SetUpUi setUpUi, QWidget* parent) : OilFormView(setUpUi, parent) {
        for (const auto& field : recordFields(record_)) {
            if (field.base != nullptr) {
                connect(unitBox(field.unitBox), &QComboBox::activated, this,
                        [this, &field] { changeResultUnit(field); });
            } else if (field.unit == FieldUnit::Shared) {
                connect(unitBox(ownerOf(field).unitBox), &QComboBox::activated, this,
                        [this] { mirrorSharedUnits(); });
            }
        }
    }

    // The results and the notes on them go, and the form shows a new
    // document's results.
    void clearResults() override {
        viskora::clearResults(record_);
        for (const auto& field : recordFields(record_)) {
            if (field.result != nullptr || field.resultText != nullptr) {
                textBox(field.name)->setText(QString::fromStdString(record_.*field.text));
            }
        }
        showViscosityNote(ViscosityMethod::WholeOil);
    }

    int& fractionCountField() override { return record_.fractionCount; }
    int useFractionsField() const override { return record_.useFractions; }

    // Every unit box gets its quantity's unit names; a new basic form
    // selects none until the record's units are shown, an additional form
    // the first.
    void fillUnitBoxes(bool selectFirst) {
        const CUnitNameLists lists;
        for (const auto& field : recordFields(record_)) {
            if (field.unit != FieldUnit::Own) {
                continue;
            }
            QComboBox* box = unitBox(field.unitBox);
            const QSignalBlocker blocker(box);
            for (const std::string& name : lists.names(field.quantity)) {
                box->addItem(QString::fromStdString(name));
            }
            box->setCurrentIndex(selectFirst ? 0 : -1);
        }
    }

    // The read-only boxes name the unit the record holds: when the exchange
    // stopped at the count box, the unit box goes back to that unit, and so
    // do they.
    void mirrorSharedUnits() {
        exchangeToRecord();
        const CUnitNameLists lists;
        for (const auto& field : recordFields(record_)) {
            if (field.unit == FieldUnit::Shared) {
                record_.*field.unitName = lists.nameAt(field.quantity, record_.*field.unitIndex);
            }
        }
        exchangeToControls();
    }

    // The end of a completed Calculate: the results into the record, each in
    // the unit its box selects, and the form shown again.
    template <typename Results> void showResults(const Results& results, BusyCursor& busy) {
        storeResults(results, record_);
        showCompletedCalculation(busy);
    }

    Record record_;

  private:
    using Field = std::remove_cvref_t<decltype(recordFields(std::declval<Record>())[0])>;

    static QString nameOf(std::string_view name) {
        return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    }
    QLineEdit* textBox(std::string_view name) const { return get<QLineEdit>(nameOf(name)); }
    QComboBox* unitBox(std::string_view name) const { return get<QComboBox>(nameOf(name)); }

    // The field whose unit box selects a shared unit.
    const Field& ownerOf(const Field& shared) const {
        for (const auto& field : recordFields(record_)) {
            if (field.unit == FieldUnit::Own && field.unitIndex == shared.unitIndex) {
                return field;
            }
        }
        return shared;
    }

    void changeResultUnit(const Field& field) {
        exchangeToRecord();
        showInSelectedUnit(field, record_);
        exchangeToControls();
    }
};

} // namespace viskora
