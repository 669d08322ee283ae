#pragma once

#include "python/engine_calls.h"

#include <pybind11/pybind11.h>

#include <string>
#include <vector>

// The module's exceptions and warnings. Every error of the engine raises
// one of viskora.Error's subclasses with the engine's own text:
// InputError (also a ValueError) for inputs it cannot calculate,
// CalculationError (also a RuntimeError) for a calculation that broke down,
// and WarningRefused, a CalculationError, for a warning or question the
// script did not accept.
namespace viskora::python {

// A warning or question the engine met and the script accepted.
struct CalculationWarning {
    std::string text;
    std::string kind; // "warning" or "question"
};

// How a script answers the engine's warnings: the `warnings` argument.
bool acceptsWarnings(const std::string& answer);

void addErrors(pybind11::module_& module);

// The accepted warnings and questions, in the order met.
std::vector<CalculationWarning> acceptedWarnings(const std::vector<CalcMessage>& messages);

// Raises the exception for a calculation that did not complete: the class
// of the last message met, carrying its text.
[[noreturn]] void raiseStopped(const std::vector<CalcMessage>& messages, CalcOutcome outcome);

// Raises viskora.InputError with `text`.
[[noreturn]] void raiseInputError(const std::string& text);

} // namespace viskora::python
