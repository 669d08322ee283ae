#pragma once

#include <CLI/CLI.hpp>

namespace viskora {

// `viskora-calc basic`: the calculation at atmospheric pressure and 20 deg.C.
void addBasicCommand(CLI::App& app, int& exitStatus);

} // namespace viskora
