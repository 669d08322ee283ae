#pragma once

#include <CLI/CLI.hpp>

namespace viskora {

// `viskora-calc report FILE.vkr (--text | --html | --xlsx | --pdf) [--output PATH]`:
// writes a report of a document file, to PATH or else into the output
// folder under the file's base name, and prints the path written. Nothing
// is opened.
void addReportCommand(CLI::App& app, int& exitStatus);

} // namespace viskora
