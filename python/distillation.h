#pragma once

#include <pybind11/pybind11.h>

// viskora.distillation_curve: an oil's fraction table from its distillation
// curve, as the calculator's --curve options make it.
namespace viskora::python {

void addDistillation(pybind11::module_& module);

} // namespace viskora::python
