#pragma once

#include "assays/assay.h"

#include <optional>
#include <string>

namespace viskora::assays {

// The first fault of an assay that keeps it from being calculated, as a
// sentence for the user naming the cut (1-based, "Cut 3: ...") or the
// figure; nothing for a sound assay. Cuts must follow each other without
// overlap or gap, each end above its start, at or below 835 deg.C, each
// holding a whole 1 deg.C cut of the engine unless it is light ends;
// light ends by component each once and not beside a light-ends cut;
// yields 0 or more adding up to 100 % with the light ends'; densities of 500 to 1200 kg/m3 at
// -50 to 150 deg.C (the range of the oil's linear expansion rule);
// viscosities above 0 at -50 to 400 deg.C; the whole oil's density when a
// cut has none.
std::optional<std::string> assayProblem(const Assay& assay);

// The density limits, kg/m3: from a light naphtha's butanes to a
// residue's heaviest asphalt. Vacuum residues of heavy crudes weigh 1,050 to
// 1,130 kg/m3 (a published one 1,134) and asphalts and pitches up to about
// 1,200, as their aromatic cores grow: the limit is set there, not at the
// light residues'.
inline constexpr double kLightestDensity = 500;
inline constexpr double kHeaviestDensity = 1200;

// A text of a number for messages: its shortest form to twelve significant
// digits.
std::string numberForMessage(double value);

} // namespace viskora::assays
