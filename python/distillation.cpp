#include "python/distillation.h"

#include "distillation/curve_conversion.h"
#include "distillation/oil_density.h"
#include "python/errors.h"
#include "python/number_arguments.h"
#include "python/oil.h"
#include "units/number_text.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

namespace py = pybind11;

namespace viskora::python {
namespace {

py::array_t<double> pointArray(const std::vector<distillation::CurvePoint>& points, int tempUnit) {
    py::array_t<double> table({static_cast<py::ssize_t>(points.size()), py::ssize_t{2}});
    auto cells = table.mutable_unchecked<2>();
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto row = static_cast<py::ssize_t>(i);
        cells(row, 0) = points[i].percent;
        cells(row, 1) = convertTemperature(points[i].temperature, unit::kCelsius, tempUnit);
    }
    return table;
}

py::dict distillationCurve(const Oil& oil, const std::string& curveType, const py::object& points,
                           const std::string& method, const std::optional<int>& rows,
                           const std::optional<int>& step) {
    const auto type = distillation::parseCurveType(curveType);
    if (!type) {
        throw py::value_error("unknown curve type: " + curveType +
                              " (D86, TBP-volume, TBP-mass, SimDist or D1160)");
    }
    const auto d86Method = distillation::parseD86Method(method);
    if (!d86Method) {
        throw py::value_error("unknown curve method: " + method + " (daubert or riazi-daubert)");
    }
    if (rows && step) {
        throw py::type_error("rows and step exclude each other");
    }
    const ResolvedOil& given = oil.resolved;
    distillation::CurveInput input;
    input.type = *type;
    input.method = *d86Method;
    input.tempUnit = given.tempUnit;
    input.density20 =
        distillation::densityAt20(textToNumber(given.densityText), given.densityUnit,
                                  textToNumber(given.densityTempText), given.tempUnit);
    input.rule = step
                     ? distillation::RowRule{distillation::RowRule::Kind::Step, *step}
                     : distillation::RowRule{distillation::RowRule::Kind::Count, rows.value_or(10)};
    for (const std::vector<double>& point : numberRows(points, 2, 2, "points")) {
        input.points.push_back({numberText(point[0]), numberText(point[1])});
    }
    const distillation::CurveOutcome outcome = distillation::convertCurve(input);
    if (!outcome.usable()) {
        std::string text;
        for (const std::string& error : outcome.errors) {
            text += (text.empty() ? "" : "\n") + error;
        }
        raiseInputError(text);
    }
    Oil withTable = oil;
    withTable.resolved.fractions.clear();
    for (const distillation::RowTexts& row : outcome.rowTexts) {
        withTable.resolved.fractions.push_back({row.start, row.end, row.share});
    }
    py::dict result;
    result["oil"] = withTable;
    result["tbp"] = pointArray(outcome.tbp.points, given.tempUnit);
    result["basis"] = outcome.tbp.basis == distillation::CurveBasis::Mass ? "mass" : "volume";
    result["start_temperature"] =
        convertTemperature(outcome.startTemperature, unit::kCelsius, given.tempUnit);
    result["watson_k"] =
        outcome.tbp.watsonK ? py::object(py::float_(*outcome.tbp.watsonK)) : py::object(py::none());
    result["warnings"] = outcome.warnings;
    return result;
}

constexpr const char* kDistillationDoc =
    R"(An oil's fraction table from its distillation curve, as viskora-calc --curve.

curve_type: "D86", "TBP-volume", "TBP-mass", "SimDist" or "D1160" (at 10 mmHg).
points: (percent distilled, temperature) pairs, temperatures in the oil's
    temperature unit.
method: the D86 to TBP conversion, "daubert" (1994) or "riazi-daubert" (1986).
rows: fractions to make (default one per 10 % distilled); or step: the
    boundaries every `step` °C.
The oil's density, when given, helps the conversion. Returns {"oil": the oil
with the curve's fraction table, "tbp": N x 2 array of percent and TBP
temperature, "basis", "start_temperature", "watson_k", "warnings"}; a curve
the conversion refuses raises InputError with its reasons.)";

} // namespace

void addDistillation(py::module_& module) {
    module.def("distillation_curve", &distillationCurve, kDistillationDoc, py::arg("oil"),
               py::arg("curve_type"), py::arg("points"), py::kw_only(),
               py::arg("method") = "daubert", py::arg("rows") = py::none(),
               py::arg("step") = py::none());
}

} // namespace viskora::python
