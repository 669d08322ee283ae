#pragma once

#include <pybind11/pybind11.h>

// viskora.basic and viskora.additional, their result classes, and the
// calculation documents (.vkr) they save and read.
namespace viskora::python {

void addCalculations(pybind11::module_& module);

} // namespace viskora::python
