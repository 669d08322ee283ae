#pragma once

#include "cli/additional_command.h"
#include "cli/csv.h"
#include "cli/oil_options.h"

#include <CLI/CLI.hpp>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace viskora {

// One row of a batch file, resolved; `problem` is set when the row cannot be
// calculated as it stands (an unknown kind or unit, a malformed fraction list,
// a wrong number of fields, or a record over the reader's limits).
struct BatchRow {
    // As given; "basic" or "additional" unless `problem` says. A row that
    // cannot be read has what its kind field holds, or nothing.
    std::string kind = "additional";
    ResolvedOil oil;
    DesignOptions design;
    int pressureUnit = 4;
    std::string problem;
};

struct BatchInput {
    bool ok = true;
    std::string problem; // why the file as a whole cannot be read
    std::vector<BatchRow> rows;
};

// `viskora-calc batch [FILE|-]`: one calculation per CSV row, in parallel.
void addBatchCommand(CLI::App& app, int& exitStatus);

// Reads a batch file: a header naming some of the columns kind, density,
// density_unit, density_temp, temp_unit, design_temp, design_pressure,
// pressure_unit, fractions and viscosityMethod, then one row per calculation.
BatchInput readBatch(std::string_view text);

// The header of the output: row, kind, status, message, then every result.
csv::Record batchHeader();

// Calculates every row, each on its own engine record, on `threads` threads
// (0: one per core), and gives one output record per row in input order.
std::vector<csv::Record> calculateBatch(const std::vector<BatchRow>& rows, bool answerYes,
                                        unsigned threads);

} // namespace viskora
