#pragma once

#include "documents/document_records.h"
#include "documents/unit_name_lists.h"
#include "engine/calc_results.h"
#include "units/display_format.h"
#include "units/unit_tables.h"

#include <span>
#include <string>
#include <string_view>

namespace viskora {

// Where a field stands on a form and in the reports.
enum class FieldGroup {
    Input,       // given by the user
    Results,     // the basic calculation's results
    GasPhase,    // the additional calculation's gas phase
    LiquidPhase, // and its liquid phase
};

// How a field's unit is chosen.
enum class FieldUnit {
    Own,     // in the field's own unit box
    Shared,  // in another field's unit, named again in a read-only box beside
             // the field (the design temperature is given in the temperature unit)
    Percent, // a share of the total mass in %, without a unit box
    Number,  // a dimensionless number (the Prandtl number)
};

// One field of a form's record, described once for the file, the forms, the
// reports and the calculator. The members are those of the record (Record)
// and of the engine's results (Results: plain data, which ties no code of the
// engine to the documents); a member the field does not have is null.
template <typename Record, typename Results> struct RecordField {
    // The stem of the record's members ("resDensity" for resDensityText and
    // resDensityBase), which also names the form's box showing the value.
    std::string_view name;
    FieldGroup group;
    FieldUnit unit;
    Quantity quantity; // of an Own or Shared unit; unused otherwise
    std::string Record::*text;
    double Record::*base = nullptr; // the value in the base unit (results with a unit)
    // The unit's index in its quantity's list, and the unit's name as the
    // form shows it (not saved).
    int Record::*unitIndex = nullptr;
    std::string Record::*unitName = nullptr;
    // The box that shows the unit: a unit box named after its index member
    // without "Index" ("tempUnit"), or the read-only box of a shared unit.
    std::string_view unitBox = {};
    int defaultUnitIndex = 0;    // selected on a new form
    std::string_view label = {}; // on the form and in the reports
    // A result's name in the calculator's output ("density"), the reading of
    // its value from the engine's results (a value may lie in a phase's
    // properties, which no member pointer of the results reaches: see
    // resultAt), and for a share or a number the text the form shows of it.
    std::string_view resultName = {};
    double (*result)(const Results&) = nullptr;
    std::string Results::*resultText = nullptr;
};

// Reads the value a chain of members leads to, as a field's result:
// resultAt<&AdditionalResults::gas, &GasProperties::density> reads
// results.gas.density, resultAt<&BasicResults::density> results.density.
// The body folds .* over the members from the left.
template <auto... members, typename Results> double resultAt(const Results& results) {
    return (results.*....*members);
}

using BasicField = RecordField<BasicDocumentRecord, BasicResults>;
using AdditionalField = RecordField<AdditionalDocumentRecord, AdditionalResults>;

// The fields of each record in file order, found by the record or by the
// results of its calculation.
std::span<const BasicField> recordFields(const BasicDocumentRecord&);
std::span<const AdditionalField> recordFields(const AdditionalDocumentRecord&);
std::span<const BasicField> recordFields(const BasicResults&);
std::span<const AdditionalField> recordFields(const AdditionalResults&);

// A result's shown text in the unit its record selects for it.
template <typename Field, typename Record>
void showInSelectedUnit(const Field& field, Record& record) {
    record.*field.text = formatInUnit(field.quantity, record.*field.base, record.*field.unitIndex);
}

// The results of a completed calculation into the record: each value in its
// base unit with its text in the unit the record selects; the shares and
// numbers as the engine formatted them.
template <typename Record, typename Results>
void storeResults(const Results& results, Record& record) {
    for (const auto& field : recordFields(results)) {
        if (field.base != nullptr) {
            record.*field.base = field.result(results);
            showInSelectedUnit(field, record);
        } else if (field.resultText != nullptr) {
            record.*field.text = results.*field.resultText;
        }
    }
    if constexpr (requires { record.bubblePointBase; }) {
        record.bubblePointBase = results.bubblePointPressure;
        record.bubblePointText =
            formatInUnit(Quantity::Pressure, record.bubblePointBase, record.bubblePointUnitIndex);
    }
}

// The record's results back to a new document's (each unit kept): figures
// of one method must not stand under another's name.
template <typename Record> void clearResults(Record& record) {
    const Record fresh;
    for (const auto& field : recordFields(record)) {
        if (field.result == nullptr && field.resultText == nullptr) {
            continue;
        }
        if (field.base != nullptr) {
            record.*field.base = fresh.*field.base;
        }
        record.*field.text = fresh.*field.text;
    }
    if constexpr (requires { record.bubblePointBase; }) {
        record.bubblePointBase = fresh.bubblePointBase;
        record.bubblePointText = fresh.bubblePointText;
    }
}

// Every unit name of the record, from its unit index, as the form's boxes
// would show it: a file keeps unit indices only.
template <typename Record> void fillUnitNames(Record& record) {
    const CUnitNameLists lists;
    for (const auto& field : recordFields(record)) {
        if (field.unitIndex != nullptr) {
            record.*field.unitName = lists.nameAt(field.quantity, record.*field.unitIndex);
        }
    }
    if constexpr (requires { record.bubblePointUnitName; }) {
        record.bubblePointUnitName = lists.nameAt(Quantity::Pressure, record.bubblePointUnitIndex);
    }
}

} // namespace viskora
