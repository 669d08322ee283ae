#pragma once

#include <pybind11/pybind11.h>

// The property curves document (.vkc): an oil and a sweep, saved and read.
namespace viskora::python {

void addCurvesDocument(pybind11::module_& module);

} // namespace viskora::python
