#pragma once

#include "cli/oil_options.h"

#include <optional>
#include <string>

namespace viskora {

// Puts the oil of the assay at `path` (when one is given) into `oil`: its
// density at 15 deg.C and its fraction table (light ends in the first row,
// a residue up to 835 deg.C), in the oil's density and temperature units.
// Returns the status to stop with, after saying why on stderr: a usage
// fault when --fraction is given too, an input error when the file cannot
// be read or its assay cannot be calculated.
std::optional<int> applyAssayToOil(const std::string& path, ResolvedOil& oil,
                                   const std::string& command);

} // namespace viskora
