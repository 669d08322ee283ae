#pragma once

#include <pybind11/pybind11.h>

// viskora.Assay, its figures, its document (.vka) and blends of assays.
namespace viskora::python {

void addAssays(pybind11::module_& module);

} // namespace viskora::python
