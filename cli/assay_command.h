#pragma once

#include <CLI/CLI.hpp>

namespace viskora {

// `viskora-calc assay`: an assay (a .vka file or --cut rows) characterised
// cut by cut and as a whole oil.
void addAssayCommand(CLI::App& app, int& exitStatus);

// `viskora-calc blend`: two or more oils (.vka assays, .vkr calculations
// with a fraction table) blended by mass or volume, characterised as an
// assay.
void addBlendCommand(CLI::App& app, int& exitStatus);

} // namespace viskora
