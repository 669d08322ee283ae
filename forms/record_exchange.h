#pragma once

#include "forms/form_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <string>
#include <vector>

namespace viskora {

// Where each control of a form keeps its value in the form's record, in the
// order of the exchange: value texts, then the unit indices, then the unit
// names. A name entry may name a plain text box instead of a unit box; that
// box shows the name and gives it back (the additional form's design
// temperature unit). The check box, the count box and the labels come
// between the texts and the unit indices and are handled by the form.
template <typename Record> struct ExchangeLayout {
    struct Text {
        const char* name;
        std::string Record::*field;
    };
    struct UnitIndex {
        const char* name;
        int Record::*field;
    };
    struct UnitName {
        const char* name;
        std::string Record::*field;
    };
    std::vector<Text> texts;
    std::vector<UnitIndex> unitIndices;
    std::vector<UnitName> unitNames;
};

// A label whose text the form sets (the template leaves it empty).
struct LabelText {
    const char* name;
    const char* text;
};

// Controls to record, the parts before the check box.
template <typename Record>
void readTexts(const ExchangeLayout<Record>& layout, const FormControls& controls, Record& record) {
    for (const auto& text : layout.texts) {
        record.*text.field = controls.get<QLineEdit>(text.name)->text().toStdString();
    }
}

// Controls to record, the parts after the count box.
template <typename Record>
void readUnits(const ExchangeLayout<Record>& layout, const FormControls& controls, Record& record) {
    for (const auto& unit : layout.unitIndices) {
        record.*unit.field = controls.get<QComboBox>(unit.name)->currentIndex();
    }
    for (const auto& name : layout.unitNames) {
        if (const auto* box = controls.get<QComboBox>(name.name)) {
            record.*name.field = box->currentText().toStdString();
        } else {
            record.*name.field = controls.get<QLineEdit>(name.name)->text().toStdString();
        }
    }
}

template <typename Record>
void showTexts(const ExchangeLayout<Record>& layout, const FormControls& controls,
               const Record& record) {
    for (const auto& text : layout.texts) {
        controls.get<QLineEdit>(text.name)->setText(QString::fromStdString(record.*text.field));
    }
}

// Selecting an entry from the record is not the user's choice: no unit
// handler runs.
template <typename Record>
void showUnits(const ExchangeLayout<Record>& layout, const FormControls& controls,
               const Record& record) {
    for (const auto& unit : layout.unitIndices) {
        auto* box = controls.get<QComboBox>(unit.name);
        const QSignalBlocker blocker(box);
        box->setCurrentIndex(record.*unit.field);
    }
    for (const auto& name : layout.unitNames) {
        if (auto* box = controls.get<QLineEdit>(name.name)) {
            box->setText(QString::fromStdString(record.*name.field));
        }
    }
}

} // namespace viskora
