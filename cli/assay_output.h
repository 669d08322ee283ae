#pragma once

#include "assays/assay_figures.h"
#include "assays/assay_json.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace viskora {

// An assay's figures as the calculator writes them: a text table, the JSON
// object of assays/assay_json.h, or CSV records (`cut` and `oil` with named
// fields).
void printAssayFigures(std::ostream& out, const assays::AssayFigures& figures);
void writeAssayCsv(std::ostream& out, const assays::AssayFigures& figures);

} // namespace viskora
