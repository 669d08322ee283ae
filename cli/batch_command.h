#pragma once

#include "cli/batch_rows.h"
#include "cli/csv.h"

#include <CLI/CLI.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace viskora {

struct BatchInput {
    bool ok = true;
    std::string problem; // why the file as a whole cannot be read
    std::vector<BatchRow> rows;
};

// `viskora-calc batch [FILE|-]`: one calculation per CSV row, in parallel,
// the input streamed a window of rows at a time (batch_stream.h).
void addBatchCommand(CLI::App& app, int& exitStatus);

// Reads a whole batch file held in memory: a header naming some of the
// columns kind, density, density_unit, density_temp, temp_unit,
// design_temp, design_pressure, pressure_unit, fractions and
// viscosityMethod, then one row per calculation.
BatchInput readBatch(std::string_view text);

// Calculates every row, each on its own engine record, on `threads` threads
// (0: one per core), and gives one output record per row in input order.
std::vector<csv::Record> calculateBatch(const std::vector<BatchRow>& rows, bool answerYes,
                                        unsigned threads);

} // namespace viskora
