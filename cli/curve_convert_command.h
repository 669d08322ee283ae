#pragma once

#include <CLI/CLI.hpp>

namespace viskora {

// `viskora-calc curve-convert`: a distillation curve converted to TBP and
// into fraction rows, printed without calculating.
void addCurveConvertCommand(CLI::App& app, int& exitStatus);

} // namespace viskora
