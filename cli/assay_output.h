#pragma once

#include "assays/assay_figures.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace viskora {

// An assay's figures as the calculator writes them: a text table, one JSON
// object (`kind`, `status`, `name`, `yieldBasis`, `cuts`, `oil`,
// `fractions`: the engine's fraction table and density) or CSV records
// (`cut` and `oil` with named fields).
void printAssayFigures(std::ostream& out, const assays::AssayFigures& figures);
nlohmann::json assayFiguresJson(const assays::AssayFigures& figures, const char* kind);
void writeAssayCsv(std::ostream& out, const assays::AssayFigures& figures);

} // namespace viskora
