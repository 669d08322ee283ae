#pragma once

#include "assays/assay_figures.h"

#include <nlohmann/json.hpp>

namespace viskora {

// An assay's figures as one JSON object (`kind`, `status`, `name`,
// `yieldBasis`, `cuts`, `oil`, `fractions`: the engine's fraction table and
// density), as the calculator writes it and the Python module gives it.
nlohmann::json assayFiguresJson(const assays::AssayFigures& figures, const char* kind);

} // namespace viskora
