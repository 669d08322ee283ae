#pragma once

#include "property_curves/property_sweep.h"

#include <CLI/CLI.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace viskora {

// `viskora-calc curves`: the additional calculation over a range of
// temperatures at a fixed pressure, or of pressures at a fixed temperature,
// as a table, CSV or JSON.
void addCurvesCommand(CLI::App& app, int& exitStatus);

// "FROM:TO:STEP" into a sweep range, each part a value as checkNumberText
// takes it; nothing when it has another shape or a part is not a number,
// with `problem` naming `option`.
std::optional<SweepRange> parseSweepRange(std::string_view option, std::string_view text,
                                          std::string& problem);

// "VALUE@TEMP" of --measured-viscosity into a measured viscosity, likewise.
std::optional<MeasuredViscosity> parseMeasuredViscosity(std::string_view text,
                                                        std::string& problem);

} // namespace viskora
