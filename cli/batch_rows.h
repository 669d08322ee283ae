#pragma once

#include "cli/additional_command.h"
#include "cli/csv.h"
#include "cli/csv_reader.h"
#include "cli/oil_options.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace viskora {

// One row of a batch file, resolved; `problem` is set when the row cannot be
// calculated as it stands (an unknown kind or unit, a malformed fraction list,
// a wrong number of fields, or a record the reader refused).
struct BatchRow {
    // As given; "basic" or "additional" unless `problem` says. A row that
    // cannot be read has what its kind field holds, or nothing.
    std::string kind = "additional";
    ResolvedOil oil;
    DesignOptions design;
    int pressureUnit = unit::kMPa;
    std::string problem;
};

// The input columns, in the order the header names them.
enum class BatchColumn {
    Kind,
    Density,
    DensityUnit,
    DensityTemp,
    TempUnit,
    DesignTemp,
    DesignPressure,
    PressureUnit,
    Fractions,
    ViscosityMethod,
    VapourPressureMethod,
};
using BatchColumns = std::vector<BatchColumn>;

// A record as the reader gave it: its fields, or, when `refusal` says why
// it was refused, an excerpt of it.
struct BatchRecord {
    csv::Record fields;
    std::string refusal;
};

// Reads the header of a batch file: its columns, or nothing with `problem`
// saying why the file cannot be read (malformed, empty, a header the reader
// refused, an unknown column or one named twice). A refused header stops
// the reading where it was found out, so that an input without end is not
// read on.
std::optional<BatchColumns> readBatchHeader(csv::RecordReader& reader, std::string& problem);

// Why a malformed record ends the reading of a batch file.
std::string malformedProblem(const csv::RecordReader& reader);

// A record below the header, resolved by its columns.
BatchRow batchRow(const BatchRecord& record, const BatchColumns& columns);

// The output record of the row at `index` (from 0), calculated on an
// engine record of its own; a calculation that throws gives an error row.
csv::Record batchOutput(std::size_t index, const BatchRow& row, bool answerYes);

// The header of the output: row, kind, status, message, then every result.
csv::Record batchHeader();

} // namespace viskora
