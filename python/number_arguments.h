#pragma once

#include "units/unit_tables.h"

#include <pybind11/pybind11.h>

#include <array>
#include <string>
#include <vector>

// The Python module's arguments read into plain values. Whatever a script
// passes that is not what the engine takes is refused here with a Python
// error naming the argument: a TypeError for the wrong kind of thing (a
// text where a number belongs), a ValueError for the wrong value (NaN, an
// infinity, a table of the wrong shape, a unit the program does not know).
namespace viskora::python {

// A finite number: a float, an int or a numpy scalar, never a text or a bool.
double finiteNumber(pybind11::handle value, const std::string& name);

// A number as the engine's inputs hold it in text: its shortest round-trip
// form, which the program's text-to-number routine reads back to the bit.
std::string numberText(double value);

// Rows of `width` finite numbers: a sequence of sequences, or a 2-D numpy
// array with `width` columns.
std::vector<std::vector<double>> numberRows(pybind11::handle rows, std::size_t minWidth,
                                            std::size_t maxWidth, const std::string& name);

// A 1-D sequence or numpy array of finite numbers.
std::vector<double> numberList(pybind11::handle values, const std::string& name);

// A unit by its name or number as the calculator takes it (see
// units/unit_codes.h).
int unitCode(Quantity quantity, const std::string& text, const std::string& name);

// A unit's name up to its first blank ("kg/m3", "MPa"), as results name it.
std::string unitShortName(Quantity quantity, int code);

// The calculator's camelCase names as Python's snake_case:
// "kinematicViscosity" is "kinematic_viscosity".
std::string snakeCase(std::string_view name);

} // namespace viskora::python
