#include "python/curves.h"

#include "documents/oil_texts.h"
#include "property_curves/sweep_point_lines.h"
#include "python/engine_calls.h"
#include "python/errors.h"
#include "python/number_arguments.h"
#include "python/oil.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <cmath>
#include <exception>
#include <limits>
#include <map>
#include <set>
#include <thread>

namespace py = pybind11;

namespace viskora::python {
namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

// A sweep's figures by column, as `viskora-calc curves --json` gives them
// point by point: NaN where a point has no figure (it did not complete, or
// the figure has no value there).
struct Curves {
    std::string variable;
    std::vector<std::string> names;
    py::dict columns;
    py::dict units;
    std::vector<std::string> status;
    std::vector<std::string> messages;
    std::vector<CalculationWarning> warnings;
};

const char* statusWord(const SweepPoint& point) {
    switch (point.outcome) {
    case CalcOutcome::Completed:
        return "ok";
    case CalcOutcome::Stopped:
        return point.stoppedByAnswer ? "stopped" : "input-error";
    case CalcOutcome::Failed:
        break;
    }
    return "error";
}

// The sweep cut into `threads` runs of neighbouring points, each run on its
// own thread with its own prepared oil; the points come back in order.
SweepRun sweepOnThreads(const OilInputs& oil, const SweepSettings& settings,
                        const std::vector<double>& values,
                        const std::vector<MeasuredViscosity>& measured, bool accept,
                        std::size_t threads) {
    threads = std::max<std::size_t>(1, std::min(threads, values.size()));
    if (threads == 1) {
        return runSweepPoints(oil, settings, values, measured, accept);
    }
    std::vector<SweepRun> runs(threads);
    std::vector<std::exception_ptr> failures(threads);
    std::vector<std::thread> workers;
    for (std::size_t t = 0; t < threads; ++t) {
        const std::size_t from = values.size() * t / threads;
        const std::size_t to = values.size() * (t + 1) / threads;
        workers.emplace_back([&, t, from, to] {
            try {
                const std::vector<double> part(values.begin() + static_cast<std::ptrdiff_t>(from),
                                               values.begin() + static_cast<std::ptrdiff_t>(to));
                runs[t] = runSweepPoints(oil, settings, part, measured, accept);
            } catch (...) {
                failures[t] = std::current_exception();
            }
        });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    for (const std::exception_ptr& failure : failures) {
        if (failure) {
            std::rethrow_exception(failure);
        }
    }
    SweepRun whole = std::move(runs.front());
    std::set<std::string> met;
    for (const CalcMessage& message : whole.messages) {
        met.insert(message.text);
    }
    for (std::size_t t = 1; t < threads; ++t) {
        for (SweepPoint& point : runs[t].sweep.points) {
            whole.sweep.points.push_back(std::move(point));
        }
        for (CalcMessage& message : runs[t].messages) {
            if (met.insert(message.text).second) {
                whole.messages.push_back(std::move(message));
            }
        }
    }
    return whole;
}

// The engine's message that stopped a point, to raise when no point completed.
[[noreturn]] void raiseForPoint(const SweepPoint& point, const std::vector<CalcMessage>& messages) {
    for (const CalcMessage& message : messages) {
        if (message.text == point.message) {
            raiseStopped({message}, point.outcome);
        }
    }
    raiseStopped({{CalcMessage::Kind::InputError, point.message, false}}, point.outcome);
}

Curves curvesOf(const SweepRun& run, bool overTemperature, const std::string& tempUnitName,
                const std::string& pressureUnitName, bool anchored) {
    const std::vector<SweepPoint>& points = run.sweep.points;
    // The results' names as every completed point has them; the bubble
    // point only where the vapour pressure is by narrow cuts.
    std::vector<ResultLine> heads = sweepPointLines(SweepPoint{});
    const bool bubblePoint = std::ranges::any_of(points, [](const SweepPoint& p) {
        return p.outcome == CalcOutcome::Completed && p.results.bubblePointPressure > 0;
    });
    if (bubblePoint) {
        heads.push_back({"bubblePointPressure", 0, "MPa", {}});
    }
    heads.push_back({"vapourPressure", 0, "MPa", {}});
    heads.push_back({"trueVapourPressure", 0, "MPa", {}});
    if (anchored) {
        heads.push_back({"anchoredLiquidViscosity", 0, "mm2/s", {}});
    }

    const auto count = static_cast<py::ssize_t>(points.size());
    Curves curves;
    curves.variable = overTemperature ? "temperature" : "pressure";
    py::array_t<double> temperature(count);
    py::array_t<double> pressure(count);
    std::vector<py::array_t<double>> arrays;
    std::map<std::string, std::size_t> columnOf;
    for (std::size_t c = 0; c < heads.size(); ++c) {
        arrays.emplace_back(count);
        columnOf.emplace(heads[c].name, c);
    }
    for (py::ssize_t i = 0; i < count; ++i) {
        const SweepPoint& point = points[static_cast<std::size_t>(i)];
        temperature.mutable_at(i) = point.temperature;
        pressure.mutable_at(i) = point.pressure;
        for (std::size_t c = 0; c < heads.size(); ++c) {
            arrays[c].mutable_at(i) = kNoValue;
        }
        curves.status.emplace_back(statusWord(point));
        curves.messages.push_back(point.message);
        if (point.outcome == CalcOutcome::Completed) {
            std::vector<ResultLine> lines = sweepPointLines(point);
            lines.push_back({"vapourPressure", point.vapourPressure.value_or(kNoValue), {}, {}});
            lines.push_back(
                {"trueVapourPressure", point.trueVapourPressure.value_or(kNoValue), {}, {}});
            for (const ResultLine& line : lines) {
                if (const auto column = columnOf.find(line.name); column != columnOf.end()) {
                    arrays[column->second].mutable_at(i) = line.value;
                }
            }
        }
        if (anchored) {
            arrays.back().mutable_at(i) = point.anchoredViscosity.value_or(kNoValue);
        }
    }
    const auto add = [&curves](const std::string& name, py::object values,
                               const std::string& unit) {
        curves.names.push_back(name);
        curves.columns[py::str(name)] = std::move(values);
        curves.units[py::str(name)] = unit;
    };
    add("temperature", std::move(temperature), tempUnitName);
    add("pressure", std::move(pressure), pressureUnitName);
    for (std::size_t c = 0; c < heads.size(); ++c) {
        add(snakeCase(heads[c].name), std::move(arrays[c]), heads[c].baseUnit);
    }
    curves.warnings = acceptedWarnings(run.messages);
    return curves;
}

Curves curves(const Oil& oil, const py::object& temperatures, const py::object& pressures,
              const py::object& temperature, const py::object& pressure,
              const std::string& pressureUnit, const py::object& measuredViscosities,
              const std::string& warnings, int threads) {
    const bool accept = acceptsWarnings(warnings);
    const bool overTemperature = !temperatures.is_none();
    if (overTemperature == !pressures.is_none()) {
        throw py::type_error("curves() takes either temperatures or pressures");
    }
    if (!(overTemperature ? temperature : pressure).is_none()) {
        throw py::type_error(overTemperature ? "a temperature sweep takes pressure, not temperature"
                                             : "a pressure sweep takes temperature, not pressure");
    }
    if (threads < 1) {
        throw py::value_error("threads must be 1 or more");
    }
    SweepSettings settings;
    settings.variable = overTemperature ? SweepVariable::Temperature : SweepVariable::Pressure;
    settings.pressureUnit = unitCode(Quantity::Pressure, pressureUnit, "pressure_unit");
    // The fixed state as the calculator's defaults have it.
    settings.designTemp = temperature.is_none() ? 50 : finiteNumber(temperature, "temperature");
    settings.designPressure = pressure.is_none() ? 0.3 : finiteNumber(pressure, "pressure");
    const std::vector<double> values = overTemperature ? numberList(temperatures, "temperatures")
                                                       : numberList(pressures, "pressures");
    std::vector<MeasuredViscosity> measured;
    if (!measuredViscosities.is_none()) {
        for (const auto& row : numberRows(measuredViscosities, 2, 2, "measured_viscosities")) {
            measured.push_back({row[0], row[1]});
        }
    }
    const OilInputs inputs = oilInputsOf(oil.resolved);
    SweepRun run;
    {
        py::gil_scoped_release released;
        run = sweepOnThreads(inputs, settings, values, measured, accept,
                             static_cast<std::size_t>(threads));
    }
    if (!run.sweep.problem.empty()) {
        raiseInputError(run.sweep.problem);
    }
    const auto& points = run.sweep.points;
    if (!points.empty() && std::ranges::none_of(points, [](const SweepPoint& p) {
            return p.outcome == CalcOutcome::Completed;
        })) {
        raiseForPoint(points.front(), run.messages);
    }
    return curvesOf(run, overTemperature,
                    unitShortName(Quantity::Temperature, oil.resolved.tempUnit),
                    unitShortName(Quantity::Pressure, settings.pressureUnit), !measured.empty());
}

constexpr const char* kCurvesDoc =
    R"(The additional calculation at each of many temperatures or pressures.

Give temperatures (in the oil's temperature unit) with a fixed absolute
pressure, or pressures (in pressure_unit) with a fixed temperature: a
sequence or 1-D array of any length. The oil is prepared once and each point
equals a single additional calculation at that state to the bit.
measured_viscosities: up to two (mm2/s, temperature) pairs that anchor an
    ASTM D341 line: adds the column anchored_liquid_viscosity.
threads: the points are split over this many threads; the interpreter's
    lock is released while they run.
Returns a Curves object: a mapping of column name to numpy array, the
columns of `viskora-calc curves --json` in snake_case (temperature,
pressure, gas_mass_share, ..., vapour_pressure, true_vapour_pressure), NaN
where a point has no figure, with .status and .messages per point, .units
and .warnings. A point the engine stops at keeps its message; when no
point completes, the first point's error is raised as by additional().)";

} // namespace

void addCurves(py::module_& module) {
    py::class_<Curves>(module, "Curves",
                       "Figures of a sweep by column: a mapping of name to numpy array.")
        .def_readonly("variable", &Curves::variable, "\"temperature\" or \"pressure\".")
        .def_readonly("status", &Curves::status,
                      "Each point's status: ok, input-error, stopped or error.")
        .def_readonly("messages", &Curves::messages,
                      "Each point's message: why it stopped, or a note; empty when none.")
        .def_readonly("units", &Curves::units, "The unit of each column.")
        .def_readonly("warnings", &Curves::warnings,
                      "The warnings and questions accepted on the way.")
        .def("__getitem__",
             [](const Curves& c, const std::string& name) -> py::object {
                 if (!c.columns.contains(name)) {
                     throw py::key_error(name);
                 }
                 return c.columns[py::str(name)];
             })
        .def("__getattr__",
             [](const Curves& c, const std::string& name) -> py::object {
                 if (!c.columns.contains(name)) {
                     throw py::attribute_error("Curves has no column " + name);
                 }
                 return c.columns[py::str(name)];
             })
        .def("__contains__",
             [](const Curves& c, const std::string& name) { return c.columns.contains(name); })
        .def("__len__", [](const Curves& c) { return c.names.size(); })
        .def("__iter__", [](const Curves& c) { return py::iter(py::cast(c.names)); })
        .def(
            "keys", [](const Curves& c) { return c.names; }, "The column names in order.")
        .def(
            "as_dict", [](const Curves& c) { return py::dict(c.columns); },
            "The columns as a dict of numpy arrays.")
        .def("__repr__", [](const Curves& c) {
            return "viskora.Curves(" + c.variable + ", " + std::to_string(c.status.size()) +
                   " points, columns " + std::string(py::str(py::cast(c.names))) + ")";
        });

    module.def("curves", &curves, kCurvesDoc, py::arg("oil"), py::kw_only(),
               py::arg("temperatures") = py::none(), py::arg("pressures") = py::none(),
               py::arg("temperature") = py::none(), py::arg("pressure") = py::none(),
               py::arg("pressure_unit") = "MPa", py::arg("measured_viscosities") = py::none(),
               py::arg("warnings") = "refuse", py::arg("threads") = 1);
}

} // namespace viskora::python
