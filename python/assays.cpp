#include "python/assays.h"

#include "assays/assay_document.h"
#include "assays/assay_figures.h"
#include "assays/assay_json.h"
#include "assays/blend.h"
#include "python/dict_of_json.h"
#include "python/errors.h"
#include "python/number_arguments.h"

#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

namespace py = pybind11;

namespace viskora::python {
namespace {

using assays::Assay;

std::optional<double> optionalNumber(py::handle value, const std::string& name) {
    if (value.is_none()) {
        return std::nullopt;
    }
    return finiteNumber(value, name);
}

// A cut (start, end, yield[, density[, density_temperature]]): start and end
// None where not given, the density in kg/m3 at 15 °C unless its
// temperature is given.
assays::AssayCut cutOf(py::handle row, const std::string& name) {
    if (py::isinstance<py::str>(row) || !py::isinstance<py::sequence>(row)) {
        throw py::type_error(name + " must be (start, end, yield[, density[, temperature]])");
    }
    const auto cells = py::reinterpret_borrow<py::sequence>(row);
    if (cells.size() < 3 || cells.size() > 5) {
        throw py::value_error(name + " must hold 3 to 5 values, not " +
                              std::to_string(cells.size()));
    }
    assays::AssayCut cut;
    cut.startC = optionalNumber(cells[0], name + " start");
    cut.endC = optionalNumber(cells[1], name + " end");
    cut.yield = finiteNumber(cells[2], name + " yield");
    if (cells.size() >= 4) {
        const double temp = cells.size() == 5 ? finiteNumber(cells[4], name + " temperature") : 15;
        cut.density = assays::StatedDensity{finiteNumber(cells[3], name + " density"), temp};
    }
    return cut;
}

assays::YieldBasis basisOf(const std::string& word, const char* name) {
    if (word != "mass" && word != "volume") {
        throw py::value_error(std::string(name) + " must be \"mass\" or \"volume\"");
    }
    return word == "mass" ? assays::YieldBasis::Mass : assays::YieldBasis::Volume;
}

Assay makeAssay(const std::string& name, const std::string& basis, const py::object& cuts,
                const py::object& density, const py::object& densityTemperature,
                const py::object& lightEnds) {
    Assay assay;
    assay.name = name;
    assay.basis = basisOf(basis, "basis");
    if (py::isinstance<py::str>(cuts) || !py::isinstance<py::sequence>(cuts)) {
        throw py::type_error("cuts must be a sequence of (start, end, yield, ...) rows");
    }
    const auto rows = py::reinterpret_borrow<py::sequence>(cuts);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        assay.cuts.push_back(cutOf(rows[i], "cuts row " + std::to_string(i + 1)));
    }
    if (!density.is_none()) {
        assay.density =
            assays::StatedDensity{finiteNumber(density, "density"),
                                  finiteNumber(densityTemperature, "density_temperature")};
    }
    if (!lightEnds.is_none()) {
        if (!py::isinstance<py::dict>(lightEnds)) {
            throw py::type_error("light_ends must be a dict of component to yield %");
        }
        for (const auto& [key, value] : py::reinterpret_borrow<py::dict>(lightEnds)) {
            const std::string component = py::str(key);
            const auto which = lightEndNamed(component);
            if (!which) {
                throw py::value_error("light_ends: \"" + component +
                                      "\" is not one of ethane, propane, isobutane, n-butane, "
                                      "isopentane, n-pentane");
            }
            assay.lightEnds.push_back(
                {*which, finiteNumber(value, "light_ends[\"" + component + "\"]")});
        }
    }
    return assay;
}

py::object figuresOf(const Assay& assay, const char* kind) {
    const assays::FiguresOutcome outcome = assays::characteriseAssay(assay);
    if (!outcome.figures) {
        raiseInputError(outcome.problem);
    }
    return pythonOfJson(assayFiguresJson(*outcome.figures, kind));
}

Assay blend(const py::object& parts, const std::string& by, const std::string& name) {
    if (by != "mass" && by != "volume") {
        throw py::value_error("by must be \"mass\" or \"volume\"");
    }
    std::vector<assays::BlendPart> blendParts;
    for (const py::handle part : py::reinterpret_borrow<py::iterable>(parts)) {
        const auto pair = py::cast<std::pair<Assay, py::object>>(part);
        blendParts.push_back({pair.first, finiteNumber(pair.second, "blend share")});
    }
    const assays::BlendOutcome outcome = assays::blendOils(
        blendParts, by == "mass" ? assays::ShareBasis::Mass : assays::ShareBasis::Volume, name);
    if (!outcome.blend) {
        raiseInputError(outcome.problem);
    }
    return *outcome.blend;
}

py::object cutTuple(const assays::AssayCut& cut) {
    const auto optional = [](const std::optional<double>& v) {
        return v ? py::object(py::float_(*v)) : py::object(py::none());
    };
    if (!cut.density) {
        return py::make_tuple(optional(cut.startC), optional(cut.endC), cut.yield);
    }
    return py::make_tuple(optional(cut.startC), optional(cut.endC), cut.yield, cut.density->kgPerM3,
                          cut.density->tempC);
}

constexpr const char* kAssayDoc = R"(A crude oil's assay as the laboratory reports it.

name: the oil's name.
basis: "mass" or "volume": how the cuts' yields are given.
cuts: TBP cuts (start, end, yield[, density[, density_temperature]]):
    boundaries in °C (None for the first cut's start or the last cut's end),
    yield in %, density in kg/m3 at density_temperature °C (15 unless given).
density: the whole oil's density in kg/m3 at density_temperature °C; None
    takes it from the cuts.
light_ends: {component: yield %} on the assay's basis.)";

} // namespace

void addAssays(py::module_& module) {
    py::class_<Assay>(module, "Assay", kAssayDoc)
        .def(py::init(&makeAssay), py::kw_only(), py::arg("name") = "", py::arg("basis") = "mass",
             py::arg("cuts") = py::list(), py::arg("density") = py::none(),
             py::arg("density_temperature") = 15, py::arg("light_ends") = py::none())
        .def_readonly("name", &Assay::name)
        .def_property_readonly(
            "basis",
            [](const Assay& a) { return a.basis == assays::YieldBasis::Mass ? "mass" : "volume"; })
        .def_property_readonly("cuts",
                               [](const Assay& a) {
                                   py::list cuts;
                                   for (const assays::AssayCut& cut : a.cuts) {
                                       cuts.append(cutTuple(cut));
                                   }
                                   return cuts;
                               })
        .def(
            "figures", [](const Assay& a) { return figuresOf(a, "assay"); },
            R"(The assay's characterised figures, as viskora-calc assay --json gives them
(keys in snake_case): each cut's, the whole oil's and the engine's fraction
table. Raises InputError for an assay that cannot be characterised.)")
        .def(
            "save",
            [](const Assay& a, const std::filesystem::path& path) {
                const SaveResult saved = assays::saveAssayDocument(path, a);
                if (!saved) {
                    PyErr_SetString(PyExc_OSError, saved.message.c_str());
                    throw py::error_already_set();
                }
            },
            py::arg("path"), "Saves the assay as an assay document (.vka).")
        .def("__eq__", [](const Assay& a, const Assay& b) { return a == b; })
        .def("__repr__", [](const Assay& a) {
            return "viskora.Assay(name=" + std::string(py::repr(py::str(a.name))) + ", " +
                   std::to_string(a.cuts.size()) + " cuts)";
        });

    module.def(
        "read_assay",
        [](const std::filesystem::path& path) {
            const assays::AssayReadResult read = assays::openAssayDocument(path);
            if (!read.assay) {
                raiseInputError(path.string() + ": " + read.message);
            }
            return *read.assay;
        },
        py::arg("path"), "Reads an assay document (.vka); InputError when it is not one.");
    module.def("blend", &blend, py::arg("parts"), py::kw_only(), py::arg("by") = "mass",
               py::arg("name") = "Blend",
               R"(The blend of two or more assays, as viskora-calc blend.

parts: (Assay, share %) pairs; by: "mass" or "volume", the shares' basis.
Returns the blend as an Assay by mass; its .figures() are the calculator's
blend figures. Raises InputError with the reason when the oils cannot blend.)");
}

} // namespace viskora::python
