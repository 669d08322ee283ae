#include "cli/property_curves_command.h"

#include "cli/additional_command.h"
#include "cli/assay_oil.h"
#include "cli/calc_report.h"
#include "cli/console_messages.h"
#include "cli/csv.h"
#include "cli/oil_options.h"
#include "documents/vapour_pressure_method_words.h"
#include "documents/viscosity_method_words.h"
#include "property_curves/sweep_columns.h"
#include "property_curves/sweep_point_lines.h"
#include "units/display_format.h"
#include "units/number_text.h"

#include <algorithm>
#include <iomanip>
#include <iostream>
#include <memory>

namespace viskora {
namespace {

struct CurvesCommandOptions {
    OilOptions oil;
    std::string temps;
    std::string pressures;
    DesignOptions design;
    std::vector<std::string> measured;
    bool csv = false;
};

CalcStatus pointStatus(const SweepPoint& point) {
    switch (point.outcome) {
    case CalcOutcome::Completed:
        return {"ok", kExitResults};
    case CalcOutcome::Stopped:
        return point.stoppedByAnswer ? CalcStatus{"stopped", kExitStopped}
                                     : CalcStatus{"input-error", kExitInputError};
    case CalcOutcome::Failed:
        break;
    }
    return {"error", kExitFailed};
}

// The sweep's status is that of its first point that did not complete.
CalcStatus sweepStatus(const SweepResult& sweep) {
    for (const SweepPoint& point : sweep.points) {
        if (point.outcome != CalcOutcome::Completed) {
            return pointStatus(point);
        }
    }
    return {"ok", kExitResults};
}

// The table's columns, as the property curves window has them: the anchored
// viscosity only with measured values.
std::vector<const SweepColumn*> tableColumns(bool anchored) {
    std::vector<const SweepColumn*> columns;
    for (const SweepColumn& column : sweepColumns()) {
        if (anchored || column.name != "anchoredLiquidViscosity") {
            columns.push_back(&column);
        }
    }
    return columns;
}

// The unit code a column is written in: the swept state's as given, every
// result's base unit.
int columnUnitCode(const SweepColumn& column, int tempUnit, int pressureUnit) {
    if (column.name == "temperature") {
        return tempUnit;
    }
    if (column.name == "pressure") {
        return pressureUnit;
    }
    return column.quantity ? baseUnitCode(*column.quantity) : 0;
}

struct Heading {
    std::string name;
    std::string unit;
    std::string title; // "name [unit]", as the window's exports write it too
};

std::vector<Heading> headings(const std::vector<const SweepColumn*>& columns, int tempUnit,
                              int pressureUnit) {
    std::vector<Heading> list;
    for (const SweepColumn* column : columns) {
        const int code = columnUnitCode(*column, tempUnit, pressureUnit);
        list.push_back({std::string(column->name),
                        column->quantity ? fileUnitName(*column->quantity, code)
                                         : std::string(column->fixedUnit),
                        sweepColumnHeading(*column, code)});
    }
    return list;
}

void writeCsv(std::ostream& out, const SweepResult& sweep, const std::vector<Heading>& heads,
              const std::vector<const SweepColumn*>& columns) {
    csv::Record header;
    for (const Heading& head : heads) {
        header.push_back(head.title);
    }
    header.push_back("message");
    out << csv::line(header);
    for (const SweepPoint& point : sweep.points) {
        csv::Record record;
        for (const SweepColumn* column : columns) {
            const auto value = sweepColumnValue(point, *column);
            record.push_back(value ? shortestNumberText(*value) : std::string());
        }
        record.push_back(csvMessage(point.message));
        out << csv::line(record);
    }
}

void writeTable(std::ostream& out, const SweepResult& sweep, const std::vector<Heading>& heads,
                const std::vector<const SweepColumn*>& columns) {
    out << "Properties at given absolute pressures and temperatures\n\n";
    std::vector<int> widths;
    for (const Heading& head : heads) {
        widths.push_back(static_cast<int>(std::max<std::size_t>(head.title.size(), 10)) + 2);
        out << std::left << std::setw(widths.back()) << head.title;
    }
    out << "message\n";
    for (const SweepPoint& point : sweep.points) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const auto value = sweepColumnValue(point, *columns[i]);
            out << std::left << std::setw(widths[i])
                << (value ? formatForDisplay(*value) : std::string("-"));
        }
        out << oneLineMessage(point.message) << '\n';
    }
}

nlohmann::json pointJson(const SweepPoint& point, bool anchored) {
    nlohmann::json item = {{"temperature", point.temperature},
                           {"pressure", point.pressure},
                           {"status", pointStatus(point).word}};
    if (point.outcome == CalcOutcome::Completed) {
        item["results"] = resultsJson(sweepPointLines(point));
        item["vapourPressure"] = *point.vapourPressure;
        item["trueVapourPressure"] =
            point.trueVapourPressure ? nlohmann::json(*point.trueVapourPressure) : nlohmann::json();
    }
    if (point.outcome != CalcOutcome::Completed || !point.message.empty()) {
        item["message"] = point.message;
    }
    if (anchored) {
        item["anchoredLiquidViscosity"] =
            point.anchoredViscosity ? nlohmann::json(*point.anchoredViscosity) : nlohmann::json();
    }
    return item;
}

struct SweepArguments {
    SweepRange range;
    std::vector<MeasuredViscosity> measured;
};

// The sweep's own options, each value as checkNumberText takes it; nothing,
// with `problem` naming the option, at the first that is not.
std::optional<SweepArguments> resolveSweep(const CurvesCommandOptions& options,
                                           std::string& problem) {
    if (!checkNumberText("--design-temp", options.design.designTemp, problem) ||
        !checkNumberText("--design-pressure", options.design.designPressure, problem)) {
        return std::nullopt;
    }
    const auto range = options.temps.empty()
                           ? parseSweepRange("--pressures", options.pressures, problem)
                           : parseSweepRange("--temps", options.temps, problem);
    if (!range) {
        return std::nullopt;
    }
    SweepArguments arguments{*range, {}};
    for (const std::string& text : options.measured) {
        const auto point = parseMeasuredViscosity(text, problem);
        if (!point) {
            return std::nullopt;
        }
        arguments.measured.push_back(*point);
    }
    return arguments;
}

int runCurvesCommand(const CurvesCommandOptions& options) {
    std::string problem;
    auto oil = resolveOil(options.oil, problem);
    const auto pressureUnit = parsePressureUnit(options.design.pressureUnit);
    const bool overTemperature = !options.temps.empty();
    std::optional<SweepArguments> arguments;
    if (oil && !pressureUnit) {
        problem = "unknown pressure unit: " + options.design.pressureUnit;
    } else if (oil && options.oil.json && options.csv) {
        problem = "--json and --csv cannot be given together";
    } else if (oil) {
        arguments = resolveSweep(options, problem);
    }
    if (!arguments) {
        std::cerr << "viskora-calc curves: " << problem << "\n(see viskora-calc curves --help)\n";
        return kExitUsage;
    }
    if (const auto stop = applyAssayToOil(options.oil.assayPath, *oil, "curves")) {
        return *stop;
    }
    const std::vector<MeasuredViscosity>& measured = arguments->measured;

    SweepSettings settings;
    settings.variable = overTemperature ? SweepVariable::Temperature : SweepVariable::Pressure;
    settings.range = arguments->range;
    settings.designTemp = textToNumber(options.design.designTemp);
    settings.designPressure = textToNumber(options.design.designPressure);
    settings.pressureUnit = *pressureUnit;

    ConsoleMessages messages(options.oil.yes, &std::cerr);
    const SweepResult sweep = runSweep(oilInputsOf(*oil), settings, measured, messages.accepted());
    messages.show(sweep.messages);
    if (!sweep.problem.empty()) {
        std::cerr << "viskora-calc curves: " << sweep.problem << '\n';
        return kExitUsage;
    }
    if (!sweep.anchorNote.empty()) {
        std::cerr << "viskora-calc curves: " << sweep.anchorNote << '\n';
    }

    const bool anchored = !measured.empty();
    const CalcStatus status = sweepStatus(sweep);
    const auto columns = tableColumns(anchored);
    const auto heads = headings(columns, oil->tempUnit, *pressureUnit);
    if (options.oil.json) {
        nlohmann::json points = nlohmann::json::array();
        for (const SweepPoint& point : sweep.points) {
            points.push_back(pointJson(point, anchored));
        }
        nlohmann::json units = nlohmann::json::object();
        for (const Heading& head : heads) {
            units[head.name] = head.unit;
        }
        nlohmann::json out = {
            {"kind", "curves"},
            {"status", status.word},
            {"viscosityMethod", viscosityMethodWord(oil->viscosityMethod)},
            {"vapourPressureMethod", vapourPressureMethodWord(oil->vapourPressureMethod)},
            {"variable", overTemperature ? "temperature" : "pressure"},
            {"units", units},
            {"messages", messagesJson(messages.shown())},
            {"points", points}};
        if (anchored) {
            out["anchorNote"] = sweep.anchorNote;
        }
        std::cout << out.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    } else if (options.csv) {
        writeCsv(std::cout, sweep, heads, columns);
    } else {
        writeTable(std::cout, sweep, heads, columns);
    }
    return status.exitStatus;
}

} // namespace

std::optional<SweepRange> parseSweepRange(std::string_view option, std::string_view text,
                                          std::string& problem) {
    const auto row = parseFractionRow(text);
    if (!row) {
        problem = std::string(option) + ": a sweep is FROM:TO:STEP, not " + std::string(text);
        return std::nullopt;
    }
    const std::string name = std::string(option) + " " + std::string(text);
    for (const std::string& part : *row) {
        if (!checkNumberText(name, part, problem)) {
            return std::nullopt;
        }
    }
    return SweepRange{textToNumber((*row)[0]), textToNumber((*row)[1]), textToNumber((*row)[2]), 0};
}

std::optional<MeasuredViscosity> parseMeasuredViscosity(std::string_view text,
                                                        std::string& problem) {
    constexpr std::string_view kOption = "--measured-viscosity";
    const std::size_t at = text.find('@');
    if (at == std::string_view::npos) {
        problem =
            std::string(kOption) + ": a measured viscosity is VALUE@TEMP, not " + std::string(text);
        return std::nullopt;
    }
    const std::string name = std::string(kOption) + " " + std::string(text);
    const std::string_view viscosity = text.substr(0, at);
    const std::string_view temperature = text.substr(at + 1);
    if (!checkNumberText(name, viscosity, problem) ||
        !checkNumberText(name, temperature, problem)) {
        return std::nullopt;
    }
    return MeasuredViscosity{textToNumber(viscosity), textToNumber(temperature)};
}

void addCurvesCommand(CLI::App& app, int& exitStatus) {
    auto options = std::make_shared<CurvesCommandOptions>();
    CLI::App* command = app.add_subcommand(
        "curves", "Gas and liquid properties over a range of temperatures or pressures");
    addOilOptions(*command, options->oil);
    CLI::Option* temps = command->add_option("--temps", options->temps,
                                             "Temperatures FROM:TO:STEP, in the temperature unit");
    CLI::Option* pressures = command->add_option(
        "--pressures", options->pressures, "Absolute pressures FROM:TO:STEP, in the pressure unit");
    temps->excludes(pressures);
    // A fixed value the sweep would not use is refused rather than ignored.
    command
        ->add_option("--design-pressure", options->design.designPressure,
                     "Fixed absolute pressure of a temperature sweep (text)")
        ->capture_default_str()
        ->excludes(pressures);
    command
        ->add_option("--design-temp", options->design.designTemp,
                     "Fixed temperature of a pressure sweep, in the temperature unit (text)")
        ->capture_default_str()
        ->excludes(temps);
    command
        ->add_option("--pressure-unit", options->design.pressureUnit,
                     "Unit of every pressure: code or name")
        ->capture_default_str();
    command->add_option("--measured-viscosity", options->measured,
                        "A measured kinematic viscosity VALUE@TEMP, mm2/s at a temperature in "
                        "the temperature unit (once or twice)");
    command->add_flag("--csv", options->csv, "Write CSV (UTF-8, units in the header)");
    command->callback([options, command, &exitStatus] {
        if (options->temps.empty() && options->pressures.empty()) {
            std::cerr << "viskora-calc curves: give --temps or --pressures\n" << command->help();
            exitStatus = kExitUsage;
            return;
        }
        exitStatus = runCurvesCommand(*options);
    });
}

} // namespace viskora
