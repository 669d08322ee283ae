#pragma once

#include "documents/document_file.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

namespace viskora {

// `viskora-calc show FILE.vkr [--json]`: the kind of a document file and
// every field of its record, or the recognition message with status 2.
void addShowCommand(CLI::App& app, int& exitStatus);

// The record's fields under their record names, in record order, with the
// unit names a form shows for the unit indices and the fraction rows in use
// as an array of [start, end, share], then the viscosity method ("whole" or
// "cuts"); "kind" first.
nlohmann::ordered_json documentJson(const DocumentRecord& record);

} // namespace viskora
