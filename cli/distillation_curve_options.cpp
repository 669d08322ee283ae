#include "cli/distillation_curve_options.h"

#include "cli/calc_report.h"
#include "distillation/oil_density.h"
#include "units/display_format.h"
#include "units/number_text.h"
#include "units/unit_tables.h"

#include <iomanip>
#include <iostream>

namespace viskora {
namespace {

using distillation::CurveInput;
using distillation::CurveOutcome;

std::string temperatureUnitName(int tempUnit) {
    const auto names = unitNames(Quantity::Temperature);
    return std::string(names[static_cast<std::size_t>(tempUnit)]);
}

double inUnit(double celsius, int tempUnit) {
    return convertTemperature(celsius, unit::kCelsius, tempUnit);
}

nlohmann::json pointsJson(const std::vector<distillation::CurvePoint>& points, int tempUnit) {
    nlohmann::json list = nlohmann::json::array();
    for (const distillation::CurvePoint& p : points) {
        list.push_back({{"percent", p.percent}, {"temperature", inUnit(p.temperature, tempUnit)}});
    }
    return list;
}

std::string methodText(const CurveInput& input) {
    if (input.type != distillation::CurveType::D86) {
        return "";
    }
    return input.method == distillation::D86Method::Daubert ? " (Daubert 1994)"
                                                            : " (Riazi-Daubert 1986)";
}

} // namespace

void addCurveOptions(CLI::App& command, CurveOptions& options) {
    command.add_option("--curve", options.type,
                       "Distillation curve type: D86, TBP-volume, TBP-mass, SimDist or D1160 "
                       "(at 10 mmHg); its fraction rows replace --fraction");
    command.add_option("--curve-point", options.points,
                       "A curve point PERCENT:TEMP, the temperature in --temp-unit (repeat)");
    command
        .add_option("--curve-method", options.method,
                    "D86 to TBP method: daubert (Daubert 1994) or riazi-daubert (1986)")
        ->capture_default_str();
    command.add_option("--curve-rows", options.rows,
                       "Fractions to make from the curve, 1 to 100 (default: one per 10 % "
                       "distilled); the curve's points are boundaries too");
    command.add_option("--curve-step", options.step,
                       "Make the fraction boundaries every STEP deg.C instead");
}

std::optional<ResolvedCurve> resolveCurve(const CurveOptions& options, int tempUnit,
                                          std::optional<double> density20, std::string& problem) {
    const auto type = distillation::parseCurveType(options.type);
    if (!type) {
        problem = "unknown curve type: " + options.type +
                  " (D86, TBP-volume, TBP-mass, SimDist or D1160)";
        return std::nullopt;
    }
    const auto method = distillation::parseD86Method(options.method);
    if (!method) {
        problem = "unknown curve method: " + options.method + " (daubert or riazi-daubert)";
        return std::nullopt;
    }
    if (options.rows != 0 && options.step != 0) {
        problem = "--curve-rows and --curve-step exclude each other";
        return std::nullopt;
    }
    ResolvedCurve curve;
    curve.input.type = *type;
    curve.input.method = *method;
    curve.input.tempUnit = tempUnit;
    curve.input.density20 = density20;
    if (options.step != 0) {
        curve.input.rule = {distillation::RowRule::Kind::Step, options.step};
    } else {
        curve.input.rule = {distillation::RowRule::Kind::Count,
                            options.rows != 0 ? options.rows : 10};
    }
    for (const std::string& text : options.points) {
        const std::size_t colon = text.find(':');
        if (colon == std::string::npos || text.find(':', colon + 1) != std::string::npos) {
            curve.shapeErrors.push_back("A curve point is PERCENT:TEMP, not \"" + text + "\".");
            continue;
        }
        curve.input.points.push_back({text.substr(0, colon), text.substr(colon + 1)});
    }
    return curve;
}

distillation::CurveOutcome convertResolvedCurve(const ResolvedCurve& curve) {
    if (!curve.shapeErrors.empty()) {
        CurveOutcome outcome;
        outcome.errors = curve.shapeErrors;
        return outcome;
    }
    return distillation::convertCurve(curve.input);
}

std::optional<double> density20Of(const ResolvedOil& oil) {
    return distillation::densityAt20(textToNumber(oil.densityText), oil.densityUnit,
                                     textToNumber(oil.densityTempText), oil.tempUnit);
}

nlohmann::json curveJson(const CurveInput& input, const CurveOutcome& outcome) {
    nlohmann::json json = {{"type", distillation::curveTypeName(input.type)},
                           {"temperatureUnit", temperatureUnitName(input.tempUnit)}};
    if (input.type == distillation::CurveType::D86) {
        json["method"] = distillation::d86MethodName(input.method);
    }
    json["errors"] = outcome.errors;
    json["warnings"] = outcome.warnings;
    if (!outcome.usable()) {
        return json;
    }
    json["given"] = pointsJson(outcome.given, input.tempUnit);
    json["basis"] = outcome.tbp.basis == distillation::CurveBasis::Mass ? "mass" : "volume";
    json["tbp"] = pointsJson(outcome.tbp.points, input.tempUnit);
    json["startTemperature"] = inUnit(outcome.startTemperature, input.tempUnit);
    if (outcome.tbp.watsonK) {
        json["watsonK"] = *outcome.tbp.watsonK;
    }
    if (outcome.fit) {
        const distillation::RiaziDistribution& d = outcome.fit->distribution;
        json["fit"] = {{"t0K", d.t0},
                       {"a", d.a},
                       {"b", d.b},
                       {"rSquared", outcome.fit->rSquared},
                       {"shapeHeld", outcome.fit->shapeHeld}};
    } else {
        json["fit"] = nullptr;
    }
    nlohmann::json rows = nlohmann::json::array();
    for (const distillation::RowTexts& row : outcome.rowTexts) {
        rows.push_back({{"start", row.start}, {"end", row.end}, {"share", row.share}});
    }
    json["rows"] = rows;
    return json;
}

void printCurve(std::ostream& out, const CurveInput& input, const CurveOutcome& outcome) {
    const std::string unit = temperatureUnitName(input.tempUnit);
    out << "Curve " << distillation::curveTypeName(input.type) << methodText(input)
        << ", temperatures in " << unit << "\n\n";
    out << std::left << std::setw(12) << "percent" << std::setw(14) << "given"
        << (outcome.tbp.basis == distillation::CurveBasis::Mass ? "TBP (mass)" : "TBP (volume)")
        << '\n';
    for (std::size_t i = 0; i < outcome.given.size(); ++i) {
        out << std::left << std::setw(12) << formatForDisplay(outcome.given[i].percent)
            << std::setw(14) << formatFixed(inUnit(outcome.given[i].temperature, input.tempUnit), 1)
            << formatFixed(inUnit(outcome.tbp.points[i].temperature, input.tempUnit), 1) << '\n';
    }
    out << "TBP at 0 %: " << formatFixed(inUnit(outcome.startTemperature, input.tempUnit), 1)
        << '\n';
    if (outcome.tbp.watsonK) {
        out << "Watson K: " << formatFixed(*outcome.tbp.watsonK, 2) << '\n';
    }
    if (outcome.fit) {
        const distillation::RiaziDistribution& d = outcome.fit->distribution;
        out << "Fitted distribution: T0 = " << formatFixed(d.t0, 1)
            << " K, A = " << formatFixed(d.a, 4) << ", B = " << formatFixed(d.b, 4)
            << (outcome.fit->shapeHeld ? " (held)" : "")
            << ", R2 = " << formatFixed(outcome.fit->rSquared, 4) << '\n';
    }
    out << "\nFraction rows (mass %)\n"
        << std::left << std::setw(12) << "start" << std::setw(12) << "end"
        << "share\n";
    for (const distillation::RowTexts& row : outcome.rowTexts) {
        out << std::left << std::setw(12) << row.start << std::setw(12) << row.end << row.share
            << '\n';
    }
    for (const std::string& warning : outcome.warnings) {
        out << "warning: " << warning << '\n';
    }
    out << '\n';
}

CurveStep applyCurveToOil(const CurveOptions& options, ResolvedOil& oil, const std::string& command,
                          bool jsonOutput) {
    CurveStep step;
    if (options.type.empty()) {
        if (!options.points.empty()) {
            std::cerr << "viskora-calc " << command << ": --curve-point needs --curve TYPE\n";
            step.stopStatus = kExitUsage;
        }
        return step;
    }
    std::string problem;
    if (!oil.fractions.empty()) {
        problem = "--curve and --fraction exclude each other";
    }
    std::optional<ResolvedCurve> curve;
    if (problem.empty()) {
        curve = resolveCurve(options, oil.tempUnit, density20Of(oil), problem);
    }
    if (!curve) {
        std::cerr << "viskora-calc " << command << ": " << problem << "\n(see viskora-calc "
                  << command << " --help)\n";
        step.stopStatus = kExitUsage;
        return step;
    }
    const CurveOutcome outcome = convertResolvedCurve(*curve);
    step.json = curveJson(curve->input, outcome);
    if (!outcome.usable()) {
        for (const std::string& error : outcome.errors) {
            std::cerr << "viskora-calc " << command << ": bad curve: " << error << '\n';
        }
        if (jsonOutput) {
            nlohmann::json messages = nlohmann::json::array();
            for (const std::string& error : outcome.errors) {
                messages.push_back({{"kind", "error"}, {"text", error}});
            }
            const nlohmann::json out = {{"kind", command},
                                        {"status", "input-error"},
                                        {"messages", messages},
                                        {"curve", step.json}};
            std::cout << out.dump(2) << '\n';
        }
        step.stopStatus = kExitInputError;
        return step;
    }
    oil.fractions.clear();
    for (const distillation::RowTexts& row : outcome.rowTexts) {
        oil.fractions.push_back({row.start, row.end, row.share});
    }
    if (!jsonOutput) {
        printCurve(std::cout, curve->input, outcome);
    }
    return step;
}

} // namespace viskora
