#include "python/calculations.h"

#include "documents/calculated_documents.h"
#include "documents/document_file.h"
#include "documents/record_fields.h"
#include "documents/result_lines.h"
#include "engine/bubble_point_note.h"
#include "python/engine_calls.h"
#include "python/errors.h"
#include "python/number_arguments.h"
#include "python/oil.h"
#include "units/number_text.h"
#include "units/unit_tables.h"

#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <optional>

namespace py = pybind11;

namespace viskora::python {
namespace {

// What a completed calculation gives a script, and what its document needs.
struct BasicResult {
    ResolvedOil oil;
    BasicResults results;
    Characterisation characterisation;
    std::vector<ResultLine> lines;
    std::vector<CalculationWarning> warnings;
};

struct AdditionalResult {
    ResolvedOil oil;
    std::string designTempText;
    std::string designPressureText;
    int pressureUnit = unit::kMPa;
    AdditionalResults results;
    Characterisation characterisation; // of the liquid part, or of the gas part without liquid
    Characterisation wholeOil;
    std::vector<ResultLine> lines;
    std::vector<CalculationWarning> warnings;
    std::optional<std::string> bubblePointNote;
};

py::dict characterisationDict(const Characterisation& characterisation) {
    py::dict figures;
    for (const CharacterisationFigure& figure : characterisationFigures()) {
        figures[py::str(snakeCase(figure.name))] = characterisation.*figure.value;
    }
    return figures;
}

py::dict figuresDict(const std::vector<ResultLine>& lines) {
    py::dict figures;
    for (const ResultLine& line : lines) {
        figures[py::str(snakeCase(line.name))] = line.value;
    }
    return figures;
}

py::dict shownDict(const std::vector<ResultLine>& lines) {
    py::dict shown;
    for (const ResultLine& line : lines) {
        shown[py::str(snakeCase(line.name))] = line.shown;
    }
    return shown;
}

// One read-only attribute per result, named as the calculator's JSON key in
// snake_case, with its base unit in its docstring.
template <typename Result>
void addFigureAttributes(py::class_<Result>& cls, const std::vector<ResultLine>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string doc = lines[i].name + " in " + lines[i].baseUnit;
        cls.def_property_readonly(
            snakeCase(lines[i].name).c_str(), [i](const Result& r) { return r.lines[i].value; },
            doc.c_str());
    }
}

void saveBytes(const std::filesystem::path& path, const std::string& bytes) {
    const SaveResult saved = saveDocumentFile(path, bytes);
    if (!saved) {
        PyErr_SetString(PyExc_OSError, saved.message.c_str());
        throw py::error_already_set();
    }
}

BasicResult basic(const Oil& oil, const std::string& warnings) {
    const bool accept = acceptsWarnings(warnings);
    const OilInputs inputs = oilInputsOf(oil.resolved);
    BasicRun run;
    {
        py::gil_scoped_release released;
        run = runBasic(inputs, accept);
    }
    if (run.outcome.status != CalcOutcome::Completed) {
        raiseStopped(run.messages, run.outcome.status);
    }
    return {oil.resolved, run.outcome.results, run.outcome.wholeOil,
            resultLines(run.outcome.results), acceptedWarnings(run.messages)};
}

AdditionalResult additional(const Oil& oil, const py::object& temperature,
                            const py::object& pressure, const std::optional<std::string>& tempUnit,
                            const std::string& pressureUnitName, const std::string& warnings) {
    const bool accept = acceptsWarnings(warnings);
    AdditionalResult result;
    result.oil = oil.resolved;
    double designTemp = finiteNumber(temperature, "temperature");
    // The calculation has one temperature unit, the oil's: a design
    // temperature given in another is converted to it.
    if (tempUnit) {
        const int code = unitCode(Quantity::Temperature, *tempUnit, "temperature_unit");
        designTemp = convertTemperature(designTemp, code, oil.resolved.tempUnit);
    }
    result.designTempText = numberText(designTemp);
    result.designPressureText = numberText(finiteNumber(pressure, "pressure"));
    result.pressureUnit = unitCode(Quantity::Pressure, pressureUnitName, "pressure_unit");

    OilInputs inputs = oilInputsOf(oil.resolved);
    inputs.designTemp = textToNumber(result.designTempText);
    inputs.designPressure = textToNumber(result.designPressureText);
    inputs.pressureUnit = result.pressureUnit;
    AdditionalRun run;
    {
        py::gil_scoped_release released;
        run = runAdditional(inputs, accept);
    }
    if (run.outcome.status != CalcOutcome::Completed) {
        raiseStopped(run.messages, run.outcome.status);
    }
    result.results = run.outcome.results;
    result.characterisation = run.outcome.characterisation;
    result.wholeOil = run.outcome.wholeOil;
    result.lines = resultLines(result.results);
    result.warnings = acceptedWarnings(run.messages);
    const double designPressure = convert(Quantity::Pressure, inputs.designPressure,
                                          inputs.pressureUnit, baseUnitCode(Quantity::Pressure));
    if (const auto note = bubblePointNote(designPressure, result.results.bubblePointPressure,
                                          result.results.gasMassShare)) {
        result.bubblePointNote = std::string(*note);
    }
    return result;
}

// A document's oil as the form held it: its texts as typed.
template <typename Record> Oil oilOfRecord(const Record& record) {
    Oil oil;
    ResolvedOil& r = oil.resolved;
    r.densityText = record.densityText;
    r.densityUnit = record.densityUnitIndex;
    r.densityTempText = record.densityTempText;
    r.tempUnit = record.tempUnitIndex;
    r.viscosityMethod = record.viscosityMethod;
    r.vapourPressureMethod = record.vapourPressureMethod;
    r.lightEnds = record.lightEnds;
    if (record.useFractions != 0) {
        const int count = std::clamp(record.fractionCount, 0, kFractionRowCapacity);
        r.fractions.assign(record.fractions.begin(), record.fractions.begin() + count);
    }
    return oil;
}

// The results a document holds, in base units under the calculator's names;
// shares and Prandtl numbers as their texts read.
template <typename Record> py::dict recordResults(const Record& record) {
    py::dict results;
    for (const auto& field : recordFields(record)) {
        if (field.resultName.empty()) {
            continue;
        }
        const double value = field.base != nullptr
                                 ? record.*field.base
                                 : readTypedNumber(record.*field.text).value_or(0.0);
        results[py::str(snakeCase(field.resultName))] = value;
    }
    return results;
}

py::dict readCalculationDocument(const std::filesystem::path& path) {
    const OpenResult opened = openDocumentFile(path);
    if (!opened.record) {
        raiseInputError(path.string() + ": " + opened.message);
    }
    py::dict document;
    if (const auto* basicRecord = std::get_if<BasicDocumentRecord>(&*opened.record)) {
        document["kind"] = "basic";
        document["oil"] = oilOfRecord(*basicRecord);
        document["results"] = recordResults(*basicRecord);
        return document;
    }
    const auto& record = std::get<AdditionalDocumentRecord>(*opened.record);
    document["kind"] = "additional";
    document["oil"] = oilOfRecord(record);
    document["temperature"] = readTypedNumber(record.designTempText).value_or(0.0);
    document["pressure"] = readTypedNumber(record.designPressureText).value_or(0.0);
    const std::string_view unitName =
        unitNames(Quantity::Pressure)[static_cast<std::size_t>(record.pressureUnitIndex)];
    document["pressure_unit"] = std::string(unitName.substr(0, unitName.find(' ')));
    document["results"] = recordResults(record);
    return document;
}

constexpr const char* kBasicDoc =
    R"(The basic calculation: the oil at 20 °C and atmospheric pressure.

Returns a BasicResult whose attributes are the figures in base units
(density kg/m3, specific_heat kJ/(kg K), thermal_conductivity W/(m K),
kinematic_viscosity mm2/s, surface_tension N/m, vapour_pressure MPa,
pseudo_crit_temp °C, prandtl), with the whole oil's characterisation.
warnings: "refuse" (as the calculator without --yes: a warning raises
WarningRefused) or "accept" (go on; the result's .warnings lists them).
Raises InputError for inputs the engine cannot calculate and
CalculationError when the calculation breaks down.)";

constexpr const char* kAdditionalDoc =
    R"(The additional calculation: the oil's gas and liquid phases at a design state.

temperature: the design temperature, in temperature_unit (default: the
    oil's temperature unit).
pressure: the design absolute pressure in pressure_unit ("MPa", "kPa",
    "bar", "psi" as "lbf/in2", ... or the calculator's unit numbers).
Returns an AdditionalResult: the mass shares in %, each phase's figures in
base units (density kg/m3, specific heat kJ/(kg K), conductivity W/(m K),
viscosity mm2/s, vaporisation enthalpy kJ/kg, surface tension N/m), the
Prandtl numbers, and by narrow cuts the bubble-point pressure in MPa.
warnings and the exceptions raised are as for basic().)";

} // namespace

void addCalculations(py::module_& module) {
    py::class_<BasicResult> basicClass(module, "BasicResult",
                                       "The basic calculation's figures in base units.");
    addFigureAttributes(basicClass, resultLines(BasicResults{}));
    basicClass
        .def_property_readonly(
            "characterisation",
            [](const BasicResult& r) { return characterisationDict(r.characterisation); },
            "The whole oil's characterisation: tv_avg and tm_avg K, t50 °C, d20, d15, "
            "refr_index, molar_mass kg/kmol, watson_k, crit_temp K, crit_pressure MPa, "
            "crit_density kg/m3, acentric.")
        .def_readonly("warnings", &BasicResult::warnings,
                      "The warnings and questions accepted on the way.")
        .def_property_readonly(
            "shown", [](const BasicResult& r) { return shownDict(r.lines); },
            "Each figure as the form shows it, in its default unit.")
        .def(
            "as_dict",
            [](const BasicResult& r) {
                py::dict out = figuresDict(r.lines);
                out["characterisation"] = characterisationDict(r.characterisation);
                return out;
            },
            "The figures by name, and the characterisation.")
        .def(
            "save",
            [](const BasicResult& r, const std::filesystem::path& path) {
                const BasicDocumentRecord record = basicDocumentAfterCalculate(r.oil, r.results);
                saveBytes(path, basicDocumentText(record, RecordFractionRows(record)));
            },
            py::arg("path"),
            "Saves the calculation as a document (.vkr), as viskora-calc basic --save does.")
        .def("__repr__", [](const BasicResult& r) {
            return "viskora.BasicResult(" + std::string(py::str(figuresDict(r.lines))) + ")";
        });

    py::class_<AdditionalResult> additionalClass(
        module, "AdditionalResult", "The additional calculation's figures in base units.");
    addFigureAttributes(additionalClass, resultLines(AdditionalResults{}));
    additionalClass
        .def_property_readonly(
            "bubble_point_pressure",
            [](const AdditionalResult& r) -> std::optional<double> {
                if (r.results.bubblePointPressure > 0) {
                    return r.results.bubblePointPressure;
                }
                return std::nullopt;
            },
            "The whole oil's bubble-point pressure at the design temperature, MPa, by narrow "
            "cuts (vapour_pressure_method=\"cuts\"); None otherwise.")
        .def_readonly("bubble_point_note", &AdditionalResult::bubblePointNote,
                      "Where the split and the bubble point disagree, the note on it.")
        .def_property_readonly(
            "characterisation",
            [](const AdditionalResult& r) { return characterisationDict(r.characterisation); },
            "The liquid part's characterisation (the gas part's when all of it boils off).")
        .def_property_readonly(
            "whole_oil_characterisation",
            [](const AdditionalResult& r) { return characterisationDict(r.wholeOil); },
            "The whole oil's characterisation, before the split.")
        .def_readonly("warnings", &AdditionalResult::warnings,
                      "The warnings and questions accepted on the way.")
        .def_property_readonly(
            "shown", [](const AdditionalResult& r) { return shownDict(r.lines); },
            "Each figure as the form shows it, in its default unit.")
        .def(
            "as_dict",
            [](const AdditionalResult& r) {
                py::dict out = figuresDict(r.lines);
                out["characterisation"] = characterisationDict(r.characterisation);
                out["whole_oil_characterisation"] = characterisationDict(r.wholeOil);
                return out;
            },
            "The figures by name, and the characterisations.")
        .def(
            "save",
            [](const AdditionalResult& r, const std::filesystem::path& path) {
                const AdditionalDocumentRecord record = additionalDocumentAfterCalculate(
                    r.oil, r.designTempText, r.designPressureText, r.pressureUnit, r.results);
                saveBytes(path, additionalDocumentText(record, RecordFractionRows(record)));
            },
            py::arg("path"),
            "Saves the calculation as a document (.vkr), as viskora-calc additional --save "
            "does.")
        .def("__repr__", [](const AdditionalResult& r) {
            return "viskora.AdditionalResult(" + std::string(py::str(figuresDict(r.lines))) + ")";
        });

    module.def("basic", &basic, kBasicDoc, py::arg("oil"), py::kw_only(),
               py::arg("warnings") = "refuse");
    module.def("additional", &additional, kAdditionalDoc, py::arg("oil"), py::kw_only(),
               py::arg("temperature"), py::arg("pressure"),
               py::arg("temperature_unit") = py::none(), py::arg("pressure_unit") = "MPa",
               py::arg("warnings") = "refuse");
    module.def("read_calculation", &readCalculationDocument, py::arg("path"),
               R"(Reads a calculation document (.vkr).

Returns {"kind": "basic" | "additional", "oil": Oil, "results": {name: value
in base units}}, and for an additional calculation its "temperature",
"pressure" and "pressure_unit". Raises InputError for a file that is not a
calculation document.)");
}

} // namespace viskora::python
