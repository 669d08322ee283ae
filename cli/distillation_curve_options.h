#pragma once

#include "cli/oil_options.h"
#include "distillation/curve_conversion.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace viskora {

// A distillation curve as given on the command line.
struct CurveOptions {
    std::string type; // empty: no curve
    std::vector<std::string> points;
    std::string method = "daubert";
    int rows = 0; // fractions wanted; 0: one per 10 % distilled
    int step = 0; // deg.C between boundaries; 0: by the number of fractions
};

// --curve, --curve-point, --curve-method, --curve-rows and --curve-step.
void addCurveOptions(CLI::App& command, CurveOptions& options);

// A curve ready to convert, or the reasons it cannot be.
struct ResolvedCurve {
    distillation::CurveInput input;
    // Points that are not PERCENT:TEMP: a bad curve, like its other faults.
    std::vector<std::string> shapeErrors;
};

// Resolves the curve type, method and row rule; a wrong one is a usage
// fault, returned as nothing with `problem` set.
std::optional<ResolvedCurve> resolveCurve(const CurveOptions& options, int tempUnit,
                                          std::optional<double> density20, std::string& problem);

// Converts a resolved curve; its shape errors come out as the outcome's errors.
distillation::CurveOutcome convertResolvedCurve(const ResolvedCurve& curve);

// The oil's density at 20 deg.C in kg/m3 from its options, nothing when it
// is not given (0) or not positive.
std::optional<double> density20Of(const ResolvedOil& oil);

// The conversion as the calculator reports it, temperatures in the curve's
// unit: the given and converted points, the fit, the rows and the messages.
nlohmann::json curveJson(const distillation::CurveInput& input,
                         const distillation::CurveOutcome& outcome);
void printCurve(std::ostream& out, const distillation::CurveInput& input,
                const distillation::CurveOutcome& outcome);

// For `basic` and `additional`: when a curve is given, converts it, puts its
// rows into the oil in place of --fraction rows and prints them (in text
// output at once, in JSON output as the returned object). On a usage fault
// or a bad curve, reports it and returns the exit status to stop with.
struct CurveStep {
    std::optional<int> stopStatus;
    nlohmann::json json; // null without a curve
};
CurveStep applyCurveToOil(const CurveOptions& options, ResolvedOil& oil, const std::string& command,
                          bool jsonOutput);

} // namespace viskora
