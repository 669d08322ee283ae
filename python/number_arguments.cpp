#include "python/number_arguments.h"

#include "units/display_format.h"
#include "units/unit_codes.h"

#include <pybind11/numpy.h>

#include <cctype>
#include <cmath>

namespace py = pybind11;

namespace viskora::python {
namespace {

std::string typeName(py::handle value) {
    return py::str(py::type::handle_of(value).attr("__name__"));
}

bool isText(py::handle value) {
    return py::isinstance<py::str>(value) || py::isinstance<py::bytes>(value);
}

// A sequence that is not a text: a list, a tuple, an array.
py::sequence sequenceOf(py::handle value, const std::string& name) {
    if (isText(value) || !py::isinstance<py::sequence>(value)) {
        throw py::type_error(name + " must be a sequence of numbers, not " + typeName(value));
    }
    return py::reinterpret_borrow<py::sequence>(value);
}

} // namespace

double finiteNumber(py::handle value, const std::string& name) {
    if (isText(value) || py::isinstance<py::bool_>(value) || !PyNumber_Check(value.ptr())) {
        throw py::type_error(name + " must be a number, not " + typeName(value));
    }
    const double number = py::cast<double>(py::float_(py::reinterpret_borrow<py::object>(value)));
    if (!std::isfinite(number)) {
        throw py::value_error(name + " must be a finite number, not " + numberText(number));
    }
    return number;
}

std::string numberText(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value > 0 ? "infinity" : "-infinity";
    }
    return shortestNumberText(value);
}

std::vector<std::vector<double>> numberRows(py::handle rows, std::size_t minWidth,
                                            std::size_t maxWidth, const std::string& name) {
    const std::string widthText =
        minWidth == maxWidth ? std::to_string(minWidth)
                             : std::to_string(minWidth) + " to " + std::to_string(maxWidth);
    if (py::isinstance<py::array>(rows)) {
        const auto array = py::reinterpret_borrow<py::array>(rows);
        const bool shaped = array.ndim() == 2 &&
                            array.shape(1) >= static_cast<py::ssize_t>(minWidth) &&
                            array.shape(1) <= static_cast<py::ssize_t>(maxWidth);
        if (!shaped) {
            throw py::value_error(name + " must be an N x " + widthText + " array");
        }
    }
    std::vector<std::vector<double>> table;
    const py::sequence sequence = sequenceOf(rows, name);
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        const std::string rowName = name + " row " + std::to_string(i + 1);
        const py::sequence row = sequenceOf(sequence[i], rowName);
        if (row.size() < minWidth || row.size() > maxWidth) {
            throw py::value_error(rowName + " must hold " + widthText + " numbers, not " +
                                  std::to_string(row.size()));
        }
        std::vector<double> numbers;
        for (std::size_t j = 0; j < row.size(); ++j) {
            numbers.push_back(finiteNumber(row[j], rowName));
        }
        table.push_back(std::move(numbers));
    }
    return table;
}

std::vector<double> numberList(py::handle values, const std::string& name) {
    if (py::isinstance<py::array>(values) &&
        py::reinterpret_borrow<py::array>(values).ndim() != 1) {
        throw py::value_error(name + " must be a 1-D array");
    }
    const py::sequence sequence = sequenceOf(values, name);
    std::vector<double> numbers;
    numbers.reserve(sequence.size());
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        numbers.push_back(finiteNumber(sequence[i], name + " item " + std::to_string(i + 1)));
    }
    return numbers;
}

int unitCode(Quantity quantity, const std::string& text, const std::string& name) {
    if (const auto code = parseUnitCode(quantity, text)) {
        return *code;
    }
    std::string known;
    for (const std::string_view unit : unitNames(quantity)) {
        known += (known.empty() ? "" : ", ") + std::string(unit.substr(0, unit.find(' ')));
    }
    throw py::value_error(name + ": unknown unit \"" + text + "\" (one of " + known + ")");
}

std::string snakeCase(std::string_view name) {
    std::string snake;
    for (const char c : name) {
        if (std::isupper(static_cast<unsigned char>(c)) != 0) {
            snake += '_';
            snake += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else {
            snake += c;
        }
    }
    return snake;
}

std::string unitShortName(Quantity quantity, int code) {
    const std::string_view name = unitNames(quantity)[static_cast<std::size_t>(code)];
    return std::string(name.substr(0, name.find(' ')));
}

} // namespace viskora::python
