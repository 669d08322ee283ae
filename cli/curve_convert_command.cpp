#include "cli/curve_convert_command.h"

#include "cli/calc_report.h"
#include "cli/csv.h"
#include "cli/distillation_curve_options.h"
#include "units/display_format.h"
#include "units/unit_tables.h"

#include <iostream>
#include <memory>

namespace viskora {
namespace {

struct CurveConvertOptions {
    CurveOptions curve;
    OilOptions oil; // the temperature unit and the density
    bool csv = false;
};

std::string number(double value) {
    return shortestNumberText(value);
}

void writeCsv(std::ostream& out, const distillation::CurveInput& input,
              const distillation::CurveOutcome& outcome) {
    out << csv::line({"record", "field1", "field2", "field3", "field4"});
    const auto inUnit = [&](double celsius) {
        return number(convertTemperature(celsius, unit::kCelsius, input.tempUnit));
    };
    for (const distillation::CurvePoint& p : outcome.given) {
        out << csv::line({"given", number(p.percent), inUnit(p.temperature)});
    }
    for (const distillation::CurvePoint& p : outcome.tbp.points) {
        out << csv::line({"tbp", number(p.percent), inUnit(p.temperature)});
    }
    if (outcome.fit) {
        const distillation::RiaziDistribution& d = outcome.fit->distribution;
        out << csv::line(
            {"fit", number(d.t0), number(d.a), number(d.b), number(outcome.fit->rSquared)});
    }
    if (outcome.tbp.watsonK) {
        out << csv::line({"watsonK", number(*outcome.tbp.watsonK)});
    }
    for (const distillation::RowTexts& row : outcome.rowTexts) {
        out << csv::line({"row", row.start, row.end, row.share});
    }
    for (const std::string& warning : outcome.warnings) {
        out << csv::line({"warning", warning});
    }
}

int runCurveConvert(const CurveConvertOptions& options) {
    std::string problem;
    const auto oil = resolveOil(options.oil, problem);
    std::optional<ResolvedCurve> curve;
    if (oil) {
        curve = resolveCurve(options.curve, oil->tempUnit, density20Of(*oil), problem);
    }
    if (!curve) {
        std::cerr << "viskora-calc curve-convert: " << problem
                  << "\n(see viskora-calc curve-convert --help)\n";
        return kExitUsage;
    }
    const distillation::CurveOutcome outcome = convertResolvedCurve(*curve);
    for (const std::string& error : outcome.errors) {
        std::cerr << "viskora-calc curve-convert: bad curve: " << error << '\n';
    }
    if (options.oil.json) {
        nlohmann::json out = curveJson(curve->input, outcome);
        out["status"] = outcome.usable() ? "ok" : "input-error";
        std::cout << out.dump(2) << '\n';
    } else if (outcome.usable() && options.csv) {
        writeCsv(std::cout, curve->input, outcome);
    } else if (outcome.usable()) {
        printCurve(std::cout, curve->input, outcome);
    }
    return outcome.usable() ? kExitResults : kExitInputError;
}

} // namespace

void addCurveConvertCommand(CLI::App& app, int& exitStatus) {
    auto options = std::make_shared<CurveConvertOptions>();
    options->oil.density = "0";
    CLI::App* command = app.add_subcommand(
        "curve-convert",
        "Convert a distillation curve to TBP and fraction rows, without calculating");
    addCurveOptions(*command, options->curve);
    command->get_option("--curve")->required();
    command
        ->add_option("--temp-unit", options->oil.tempUnit,
                     "Unit of the curve's temperatures: code, name, K, C, F or R")
        ->capture_default_str();
    command
        ->add_option("--density", options->oil.density,
                     "Density of the oil (text); 0 when not known")
        ->capture_default_str();
    command->add_option("--density-unit", options->oil.densityUnit, "Density unit: code or name")
        ->capture_default_str();
    command
        ->add_option("--density-temp", options->oil.densityTemp,
                     "Temperature at which the density was measured (text)")
        ->capture_default_str();
    auto* json = command->add_flag("--json", options->oil.json, "Write one JSON object");
    command->add_flag("--csv", options->csv, "Write comma-separated records")->excludes(json);
    command->callback([options, &exitStatus] { exitStatus = runCurveConvert(*options); });
}

} // namespace viskora
