#pragma once

#include "cli/additional_command.h"
#include "cli/oil_options.h"
#include "documents/calculated_documents.h"
#include "documents/document_records.h"
#include "engine/calculation.h"

#include <CLI/CLI.hpp>

#include <string>
#include <string_view>

namespace viskora {

// Exit status when the calculation succeeded but its document could not be
// written (the results have been printed).
inline constexpr int kExitSaveFailed = 5;

// The option `--save FILE.vkr` of a calculation command.
void addSaveOption(CLI::App& command, std::string& path);

// A message of the documents library for the console: its lines end in a
// line feed alone.
std::string consoleText(std::string text);

// additionalDocumentAfterCalculate with the design state of the command's
// options.
AdditionalDocumentRecord additionalDocumentAfterCalculate(const ResolvedOil& oil,
                                                          const DesignOptions& design,
                                                          int pressureUnit,
                                                          const AdditionalResults& results);

// Writes the document file; on failure tells the user on standard error,
// prefixed with the command's name, and returns false.
bool saveCalculatorDocument(const std::string& path, const std::string& bytes,
                            std::string_view commandName);

} // namespace viskora
