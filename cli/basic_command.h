#pragma once

#include "cli/oil_options.h"
#include "engine/calc_sequence.h"

#include <CLI/CLI.hpp>

#include <vector>

namespace viskora {

struct ResultLine;

// `viskora-calc basic`: the calculation at atmospheric pressure and 20 deg.C.
void addBasicCommand(CLI::App& app, int& exitStatus);

// The basic results as a new form shows them after Calculate: each converted
// from its base unit into the form's default unit and formatted.
std::vector<ResultLine> basicResultLines(const BasicResults& results);

} // namespace viskora
