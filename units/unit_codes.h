#pragma once

#include "units/unit_tables.h"

#include <optional>
#include <string_view>

namespace viskora {

// A unit code given as the unit's number in its list (counted from 1, as
// the calculator's help says and scripts write it) or as its name, for
// temperatures also as K, C, F or R. Nothing when it names no unit. Every
// tool that takes units by name (the calculator, the Python module) reads
// them here, so a script's unit means the same everywhere.
std::optional<int> parseUnitCode(Quantity quantity, std::string_view text);

} // namespace viskora
