#pragma once

#include "assays/blend.h"
#include "documents/document_records.h"
#include "documents/light_end_texts.h"
#include "units/number_text.h"
#include "units/unit_tables.h"

#include <optional>
#include <string>

namespace viskora {

// The oil of a calculation form's record as an assay by mass without cut
// densities (assayOfFractionTable): the density and its temperature read
// as the form's Calculate reads them, in the form's units, and the fraction
// table's rows, with its light ends. Nothing, with `problem` for the user, when the form does not
// use a fraction table or its density is not a number.
template <typename Record>
std::optional<assays::Assay> assayOfRecord(const std::string& name, const Record& record,
                                           std::string& problem) {
    if (record.useFractions != 1) {
        problem = "It gives no fraction composition.";
        return std::nullopt;
    }
    const auto density = readTypedNumber(record.densityText);
    const auto densityTemp = readTypedNumber(record.densityTempText);
    if (!density || !densityTemp) {
        problem = "Its density or the density's temperature is not a number.";
        return std::nullopt;
    }
    const int tempCode = record.tempUnitIndex;
    // A boundary of 0 is "not given" whatever the unit, as the form takes it.
    const auto celsius = [tempCode](double value) {
        return value == 0 ? 0.0 : convertTemperature(value, tempCode, unit::kCelsius);
    };
    std::vector<assays::FractionTableRow> rows;
    const int count = std::clamp(record.fractionCount, 0, kFractionRowCapacity);
    for (int row = 0; row < count; ++row) {
        const FractionRow& cells = record.fractions[static_cast<std::size_t>(row)];
        rows.push_back({celsius(textToNumber(cells[0])), celsius(textToNumber(cells[1])),
                        textToNumber(cells[2])});
    }
    const assays::StatedDensity stated{
        convert(Quantity::Density, *density, record.densityUnitIndex, unit::kKgPerM3),
        convertTemperature(*densityTemp, tempCode, unit::kCelsius)};
    return assays::assayOfFractionTable(name, rows, stated, lightEndsOfTexts(record.lightEnds));
}

} // namespace viskora
