#include "cli/curves_command.h"

#include "cli/assay_oil.h"
#include "cli/additional_command.h"
#include "cli/calc_report.h"
#include "cli/console_messages.h"
#include "cli/csv.h"
#include "cli/oil_options.h"
#include "documents/viscosity_method_words.h"
#include "engine/oil_calc.h"
#include "sweeps/sweep_columns.h"
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

// A point's results under the calculator's names: the additional
// calculation's, except that the liquid's viscosity is given by both
// methods, the oil's as a whole as "liquidViscosity" and by narrow cuts
// beside it; the Prandtl number is that of the oil's own method.
std::vector<ResultLine> sweepLines(const SweepPoint& point) {
    std::vector<ResultLine> lines = resultLines(point.results);
    const auto viscosity = std::find_if(lines.begin(), lines.end(), [](const ResultLine& line) {
        return line.name == "liquidViscosity";
    });
    viscosity->value = point.liquidViscosityWholeOil;
    viscosity->shown = formatForDisplay(point.liquidViscosityWholeOil);
    ResultLine byCuts = *viscosity;
    byCuts.name = "liquidViscosityByCuts";
    byCuts.value = point.liquidViscosityByCuts;
    byCuts.shown = formatForDisplay(point.liquidViscosityByCuts);
    lines.insert(viscosity + 1, byCuts);
    return lines;
}

struct Heading {
    std::string name;
    std::string unit;
};

std::vector<Heading> headings(int tempUnit, int pressureUnit, bool anchored) {
    std::vector<Heading> list = {{"temperature", shortUnitName(Quantity::Temperature, tempUnit)},
                                 {"pressure", shortUnitName(Quantity::Pressure, pressureUnit)}};
    for (const ResultLine& line : sweepLines(SweepPoint{})) {
        list.push_back({line.name, line.baseUnit});
    }
    list.push_back({"vapourPressure", "MPa"});
    if (anchored) {
        list.push_back({"anchoredLiquidViscosity", "mm2/s"});
    }
    return list;
}

// A point's cells in heading order; empty where it has no value.
std::vector<std::optional<double>> cells(const SweepPoint& point, bool anchored) {
    std::vector<std::optional<double>> row = {point.temperature, point.pressure};
    for (const ResultLine& line : sweepLines(point)) {
        row.push_back(point.outcome == CalcOutcome::Completed ? std::optional(line.value)
                                                              : std::nullopt);
    }
    row.push_back(point.vapourPressure);
    if (anchored) {
        row.push_back(point.anchoredViscosity);
    }
    return row;
}

void writeCsv(std::ostream& out, const SweepResult& sweep, const std::vector<Heading>& heads,
              bool anchored) {
    csv::Record header;
    for (const Heading& head : heads) {
        header.push_back(head.name + " [" + head.unit + "]");
    }
    header.push_back("message");
    out << csv::line(header);
    for (const SweepPoint& point : sweep.points) {
        csv::Record record;
        for (const auto& value : cells(point, anchored)) {
            record.push_back(value ? shortestNumberText(*value) : std::string());
        }
        record.push_back(point.message);
        out << csv::line(record);
    }
}

void writeTable(std::ostream& out, const SweepResult& sweep, const std::vector<Heading>& heads,
                bool anchored) {
    out << "Properties at given absolute pressures and temperatures\n\n";
    std::vector<int> widths;
    for (const Heading& head : heads) {
        const std::string title = head.name + " [" + head.unit + "]";
        widths.push_back(static_cast<int>(std::max<std::size_t>(title.size(), 10)) + 2);
        out << std::left << std::setw(widths.back()) << title;
    }
    out << "message\n";
    for (const SweepPoint& point : sweep.points) {
        const auto row = cells(point, anchored);
        for (std::size_t i = 0; i < row.size(); ++i) {
            out << std::left << std::setw(widths[i])
                << (row[i] ? formatForDisplay(*row[i]) : std::string("-"));
        }
        std::string oneLine = point.message;
        std::replace(oneLine.begin(), oneLine.end(), '\n', ' ');
        out << oneLine << '\n';
    }
}

nlohmann::json pointJson(const SweepPoint& point, bool anchored) {
    nlohmann::json item = {{"temperature", point.temperature},
                           {"pressure", point.pressure},
                           {"status", pointStatus(point).word}};
    if (point.outcome == CalcOutcome::Completed) {
        item["results"] = resultsJson(sweepLines(point));
        item["vapourPressure"] = *point.vapourPressure;
    } else {
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
    const SweepResult sweep = runSweep([&oil](COilCalc& calc) { fillOilInputs(calc, *oil); },
                                       settings, measured, &messages);
    if (!sweep.problem.empty()) {
        std::cerr << "viskora-calc curves: " << sweep.problem << '\n';
        return kExitUsage;
    }
    if (!sweep.anchorNote.empty()) {
        std::cerr << "viskora-calc curves: " << sweep.anchorNote << '\n';
    }

    const bool anchored = !measured.empty();
    const CalcStatus status = sweepStatus(sweep);
    const auto heads = headings(oil->tempUnit, *pressureUnit, anchored);
    if (options.oil.json) {
        nlohmann::json points = nlohmann::json::array();
        for (const SweepPoint& point : sweep.points) {
            points.push_back(pointJson(point, anchored));
        }
        nlohmann::json units = nlohmann::json::object();
        for (const Heading& head : heads) {
            units[head.name] = head.unit;
        }
        nlohmann::json out = {{"kind", "curves"},
                              {"status", status.word},
                              {"viscosityMethod", viscosityMethodWord(oil->viscosityMethod)},
                              {"variable", overTemperature ? "temperature" : "pressure"},
                              {"units", units},
                              {"messages", messagesJson(messages.shown())},
                              {"points", points}};
        if (anchored) {
            out["anchorNote"] = sweep.anchorNote;
        }
        std::cout << out.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    } else if (options.csv) {
        writeCsv(std::cout, sweep, heads, anchored);
    } else {
        writeTable(std::cout, sweep, heads, anchored);
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
