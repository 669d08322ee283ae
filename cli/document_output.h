#pragma once

#include "cli/additional_command.h"
#include "cli/oil_options.h"
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

// The record a new basic form holds after Calculate with these inputs: the
// inputs and their units as given, the viscosity method, the results in the
// form's default units
// as it shows them, and the fraction rows given (five rows of "0" and the
// switch off when none were).
BasicDocumentRecord basicDocumentAfterCalculate(const ResolvedOil& oil,
                                                const BasicResults& results);

// A message of the documents library for the console: its lines end in a
// line feed alone.
std::string consoleText(std::string text);

// The same for a new additional form: the design state as given, the shares
// and results as the form shows them.
AdditionalDocumentRecord additionalDocumentAfterCalculate(const ResolvedOil& oil,
                                                          const DesignOptions& design,
                                                          int pressureUnit,
                                                          const AdditionalResults& results);

// Writes the document file; on failure tells the user on standard error,
// prefixed with the command's name, and returns false.
bool saveCalculatorDocument(const std::string& path, const std::string& bytes,
                            std::string_view commandName);

} // namespace viskora
