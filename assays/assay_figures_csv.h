#pragma once

#include "assays/assay_figures.h"

#include <string>

namespace viskora::assays {

// An assay's or a blend's figures as comma-separated text, the one layout
// the calculator's --csv and the desktop program's CSV export write: a
// heading of field names with their units in brackets (plain ASCII: deg.C,
// kg/m3, mm2/s, MPa), then a record a cut (light ends given by component
// first) and a last record for the whole oil. Every record has every
// field; a field a record has no value for is empty, and the last field,
// "note", says why where a reader could not tell (a viscosity index not
// defined, a density estimated). Numbers at full precision with a "."
// decimal mark; UTF-8; CR LF line ends.
std::string assayFiguresCsv(const AssayFigures& figures);

} // namespace viskora::assays
