#pragma once

#include <pybind11/pybind11.h>

// viskora.curves: the additional calculation over many temperatures or
// pressures, its figures as numpy arrays by column.
namespace viskora::python {

void addCurves(pybind11::module_& module);

} // namespace viskora::python
