#pragma once

#include "documents/oil_texts.h"

#include <pybind11/pybind11.h>

// viskora.Oil: an oil as the calculator's options give it. It holds the
// inputs as the calculator resolves them (numbers in their shortest
// round-trip text, units as codes), so that a calculation and a saved
// document from Python are the calculator's own for the same inputs.
namespace viskora::python {

struct Oil {
    ResolvedOil resolved;
};

void addOil(pybind11::module_& module);

} // namespace viskora::python
