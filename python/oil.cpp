#include "python/oil.h"

#include "documents/vapour_pressure_method_words.h"
#include "documents/viscosity_method_words.h"
#include "python/number_arguments.h"
#include "units/number_text.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

namespace py = pybind11;

namespace viskora::python {
namespace {

std::string lightEndNames() {
    std::string names;
    for (const LightEndConstants& component : kLightEnds) {
        names += (names.empty() ? "" : ", ") + std::string(component.name);
    }
    return names;
}

LightEndTexts lightEndTexts(const py::dict& shares) {
    LightEndTexts texts{};
    for (const auto& [key, value] : shares) {
        if (!py::isinstance<py::str>(key)) {
            throw py::type_error("light_ends: a component is named by a text, one of " +
                                 lightEndNames());
        }
        const std::string name = py::cast<std::string>(key);
        const std::optional<LightEnd> component = lightEndNamed(name);
        if (!component) {
            throw py::value_error("light_ends: \"" + name + "\" is not one of " + lightEndNames());
        }
        std::string& text = texts[static_cast<std::size_t>(*component)];
        if (!text.empty()) {
            throw py::value_error("light_ends: " + std::string(constantsOf(*component).name) +
                                  " is given twice");
        }
        text = numberText(finiteNumber(value, "light_ends[\"" + name + "\"]"));
    }
    return texts;
}

Oil makeOil(const py::object& density, const py::object& densityTemperature,
            const std::string& densityUnit, const std::string& temperatureUnit,
            const py::object& fractions, const std::string& viscosityMethod,
            const std::string& vapourPressureMethod, const py::object& lightEnds) {
    Oil oil;
    ResolvedOil& r = oil.resolved;
    // No density is "not given", as 0 in the calculator: the fraction table
    // then gives it.
    r.densityText = density.is_none() ? "0" : numberText(finiteNumber(density, "density"));
    r.densityTempText = numberText(finiteNumber(densityTemperature, "density_temperature"));
    r.densityUnit = unitCode(Quantity::Density, densityUnit, "density_unit");
    r.tempUnit = unitCode(Quantity::Temperature, temperatureUnit, "temperature_unit");
    const auto viscosity = viscosityMethodOfWord(viscosityMethod);
    if (!viscosity) {
        throw py::value_error("viscosity_method must be \"whole\" or \"cuts\", not \"" +
                              viscosityMethod + "\"");
    }
    r.viscosityMethod = *viscosity;
    const auto vapour = vapourPressureMethodOfWord(vapourPressureMethod);
    if (!vapour) {
        throw py::value_error("vapour_pressure_method must be \"average\" or \"cuts\", not \"" +
                              vapourPressureMethod + "\"");
    }
    r.vapourPressureMethod = *vapour;
    if (!lightEnds.is_none()) {
        if (!py::isinstance<py::dict>(lightEnds)) {
            throw py::type_error("light_ends must be a dict of component to mass %");
        }
        r.lightEnds = lightEndTexts(py::reinterpret_borrow<py::dict>(lightEnds));
    }
    if (!fractions.is_none()) {
        const auto rows = numberRows(fractions, 3, 3, "fractions");
        if (rows.size() > static_cast<std::size_t>(kMaxFractions)) {
            throw py::value_error("fractions: at most 100 fraction rows");
        }
        for (const std::vector<double>& row : rows) {
            r.fractions.push_back({numberText(row[0]), numberText(row[1]), numberText(row[2])});
        }
    }
    return oil;
}

py::object fractionArray(const ResolvedOil& r) {
    if (r.fractions.empty()) {
        return py::none();
    }
    py::array_t<double> table({static_cast<py::ssize_t>(r.fractions.size()), py::ssize_t{3}});
    auto cells = table.mutable_unchecked<2>();
    for (std::size_t i = 0; i < r.fractions.size(); ++i) {
        for (std::size_t j = 0; j < 3; ++j) {
            cells(static_cast<py::ssize_t>(i), static_cast<py::ssize_t>(j)) =
                textToNumber(r.fractions[i][j]);
        }
    }
    return table;
}

py::dict lightEndDict(const ResolvedOil& r) {
    py::dict shares;
    for (std::size_t i = 0; i < r.lightEnds.size(); ++i) {
        if (!r.lightEnds[i].empty()) {
            shares[py::str(std::string(kLightEnds[i].name))] = textToNumber(r.lightEnds[i]);
        }
    }
    return shares;
}

std::string reprOf(const Oil& oil) {
    const ResolvedOil& r = oil.resolved;
    std::string text = "viskora.Oil(density=" + r.densityText +
                       ", density_temperature=" + r.densityTempText + ", density_unit=\"" +
                       unitShortName(Quantity::Density, r.densityUnit) + "\", temperature_unit=\"" +
                       unitShortName(Quantity::Temperature, r.tempUnit) + "\"";
    if (!r.fractions.empty()) {
        text += ", fractions=[";
        for (std::size_t i = 0; i < r.fractions.size(); ++i) {
            const FractionTexts& row = r.fractions[i];
            text += (i == 0 ? "(" : ", (") + row[0] + ", " + row[1] + ", " + row[2] + ")";
        }
        text += "]";
    }
    text += ", viscosity_method=\"" + std::string(viscosityMethodWord(r.viscosityMethod)) +
            "\", vapour_pressure_method=\"" +
            std::string(vapourPressureMethodWord(r.vapourPressureMethod)) + "\"";
    const py::dict lightEnds = lightEndDict(r);
    if (!lightEnds.empty()) {
        text += ", light_ends=" + std::string(py::repr(lightEnds));
    }
    return text + ")";
}

constexpr const char* kOilDoc = R"(An oil as the calculator takes it.

density: the oil's density in density_unit at density_temperature; None
    (not given) takes it from the fraction table.
density_temperature: the temperature of that density, in temperature_unit.
density_unit: a density unit by name or number as viskora-calc
    --density-unit takes it: "kg/m3" (1), "g/cm3", "tonnes/m3", "lb/ft3", ...
temperature_unit: the unit of every temperature given with the oil (the
    fraction boundaries, design and swept temperatures): "K", "C", "F", "R"
    or a name of the calculator's list.
fractions: the fraction table, rows (start, end, share): boiling range in
    temperature_unit (0 is "not given") and share in mass %; a list of
    triples or an N x 3 array, at most 100 rows. None: the oil is fitted
    to its density alone.
viscosity_method: "whole" (of the oil as a whole) or "cuts" (by narrow cuts).
vapour_pressure_method: "average" (of one substance boiling at the average
    boiling point) or "cuts" (true, by narrow cuts and light ends).
light_ends: {component: mass % of the whole oil}, counted within the first
    fraction; components ethane, propane, isobutane, n-butane, isopentane,
    n-pentane.)";

} // namespace

void addOil(py::module_& module) {
    py::class_<Oil>(module, "Oil", kOilDoc)
        .def(py::init(&makeOil), py::kw_only(), py::arg("density") = py::none(),
             py::arg("density_temperature") = 20, py::arg("density_unit") = "kg/m3",
             py::arg("temperature_unit") = "C", py::arg("fractions") = py::none(),
             py::arg("viscosity_method") = "whole", py::arg("vapour_pressure_method") = "average",
             py::arg("light_ends") = py::none())
        .def_property_readonly(
            "density", [](const Oil& o) { return textToNumber(o.resolved.densityText); },
            "The density in density_unit (0: not given).")
        .def_property_readonly(
            "density_temperature",
            [](const Oil& o) { return textToNumber(o.resolved.densityTempText); },
            "The density's temperature in temperature_unit.")
        .def_property_readonly(
            "density_unit",
            [](const Oil& o) { return unitShortName(Quantity::Density, o.resolved.densityUnit); },
            "The density unit's name.")
        .def_property_readonly(
            "temperature_unit",
            [](const Oil& o) { return unitShortName(Quantity::Temperature, o.resolved.tempUnit); },
            "The temperature unit's name.")
        .def_property_readonly(
            "fractions", [](const Oil& o) { return fractionArray(o.resolved); },
            "The fraction table as an N x 3 array (start, end, share), or None.")
        .def_property_readonly(
            "viscosity_method",
            [](const Oil& o) {
                return std::string(viscosityMethodWord(o.resolved.viscosityMethod));
            },
            "\"whole\" or \"cuts\".")
        .def_property_readonly(
            "vapour_pressure_method",
            [](const Oil& o) {
                return std::string(vapourPressureMethodWord(o.resolved.vapourPressureMethod));
            },
            "\"average\" or \"cuts\".")
        .def_property_readonly(
            "light_ends", [](const Oil& o) { return lightEndDict(o.resolved); },
            "The light ends given, {component: mass %}.")
        .def("__repr__", &reprOf);
}

} // namespace viskora::python
