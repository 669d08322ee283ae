#pragma once

#include <nlohmann/json.hpp>
#include <pybind11/pybind11.h>

namespace viskora::python {

// A JSON value of the calculator's output as Python values, every key of an
// object in snake_case: the dicts a script reads as the calculator's JSON.
pybind11::object pythonOfJson(const nlohmann::json& value);

} // namespace viskora::python
