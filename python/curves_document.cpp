#include "python/curves_document.h"

#include "property_curves/property_curves_document.h"
#include "python/errors.h"
#include "python/number_arguments.h"
#include "python/oil.h"
#include "units/number_text.h"

#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

namespace py = pybind11;

namespace viskora::python {
namespace {

void saveCurves(const std::filesystem::path& path, const Oil& oil, const py::object& temperatures,
                const py::object& pressures, const py::object& temperature,
                const py::object& pressure, const std::string& pressureUnit,
                const py::object& measuredViscosities) {
    const bool overTemperature = !temperatures.is_none();
    if (overTemperature == !pressures.is_none()) {
        throw py::type_error("give either temperatures or pressures as (from, to, step)");
    }
    const ResolvedOil& r = oil.resolved;
    CurveDocument document;
    document.densityText = r.densityText;
    document.densityUnitIndex = r.densityUnit;
    document.densityTempText = r.densityTempText;
    document.tempUnitIndex = r.tempUnit;
    document.useFractions = !r.fractions.empty();
    document.fractions.assign(r.fractions.begin(), r.fractions.end());
    document.viscosityMethod = r.viscosityMethod;
    document.lightEnds = r.lightEnds;
    document.variable = overTemperature ? SweepVariable::Temperature : SweepVariable::Pressure;
    const auto range = numberRows(py::make_tuple(overTemperature ? temperatures : pressures), 3, 3,
                                  overTemperature ? "temperatures" : "pressures")
                           .front();
    document.fromText = numberText(range[0]);
    document.toText = numberText(range[1]);
    document.stepText = numberText(range[2]);
    if (!temperature.is_none()) {
        document.designTempText = numberText(finiteNumber(temperature, "temperature"));
    }
    if (!pressure.is_none()) {
        document.designPressureText = numberText(finiteNumber(pressure, "pressure"));
    }
    document.pressureUnitIndex = unitCode(Quantity::Pressure, pressureUnit, "pressure_unit");
    if (!measuredViscosities.is_none()) {
        for (const auto& row : numberRows(measuredViscosities, 2, 2, "measured_viscosities")) {
            document.measured.push_back({numberText(row[0]), unit::kMm2PerS, numberText(row[1])});
        }
    }
    const SaveResult saved = saveCurveDocument(path, document);
    if (!saved) {
        PyErr_SetString(PyExc_OSError, saved.message.c_str());
        throw py::error_already_set();
    }
}

double numberOf(const std::string& text) {
    return readTypedNumber(text).value_or(0.0);
}

py::dict readCurves(const std::filesystem::path& path) {
    const CurveReadResult read = openCurveDocument(path);
    if (!read.document) {
        raiseInputError(path.string() + ": " + read.message);
    }
    const CurveDocument& d = *read.document;
    Oil oil;
    ResolvedOil& r = oil.resolved;
    r.densityText = d.densityText;
    r.densityUnit = d.densityUnitIndex;
    r.densityTempText = d.densityTempText;
    r.tempUnit = d.tempUnitIndex;
    if (d.useFractions) {
        r.fractions.assign(d.fractions.begin(), d.fractions.end());
    }
    r.viscosityMethod = d.viscosityMethod;
    r.lightEnds = d.lightEnds;
    py::dict out;
    out["oil"] = oil;
    const bool overTemperature = d.variable == SweepVariable::Temperature;
    out["variable"] = overTemperature ? "temperature" : "pressure";
    out[overTemperature ? "temperatures" : "pressures"] =
        py::make_tuple(numberOf(d.fromText), numberOf(d.toText), numberOf(d.stepText));
    out["point_count"] = d.pointCount;
    out[overTemperature ? "pressure" : "temperature"] =
        numberOf(overTemperature ? d.designPressureText : d.designTempText);
    out["pressure_unit"] = unitShortName(Quantity::Pressure, d.pressureUnitIndex);
    py::list measured;
    for (const MeasuredViscosityText& m : d.measured) {
        measured.append(py::make_tuple(convert(Quantity::Viscosity, numberOf(m.viscosityText),
                                               m.viscosityUnitIndex, unit::kMm2PerS),
                                       numberOf(m.temperatureText)));
    }
    out["measured_viscosities"] = measured;
    return out;
}

} // namespace

void addCurvesDocument(py::module_& module) {
    module.def("save_curves", &saveCurves, py::arg("path"), py::arg("oil"), py::kw_only(),
               py::arg("temperatures") = py::none(), py::arg("pressures") = py::none(),
               py::arg("temperature") = py::none(), py::arg("pressure") = py::none(),
               py::arg("pressure_unit") = "MPa", py::arg("measured_viscosities") = py::none(),
               R"(Saves an oil and a sweep as a property curves document (.vkc).

temperatures or pressures: the sweep as (from, to, step), in the oil's
temperature unit or pressure_unit; temperature or pressure: the fixed state
(the calculator's 50 and 0.3 when not given); measured_viscosities:
(mm2/s, temperature) pairs.)");
    module.def("read_curves", &readCurves, py::arg("path"),
               R"(Reads a property curves document (.vkc).

Returns {"oil", "variable", "temperatures" or "pressures": (from, to, step),
"point_count", the fixed "pressure" or "temperature", "pressure_unit",
"measured_viscosities"}, the arguments of curves() and save_curves().
Raises InputError for a file that is not a curves document.)");
}

} // namespace viskora::python
